// The text of an iCalendar file (RFC 5545): content lines folded at 75 octets with CRLF ends, escaped text values,
// dates and times, and the VTIMEZONE components of the zones the zmanim are written in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "zmanim/local_time.h"

// Appends value as a TEXT value: backslash, comma and semicolon get a backslash before them, a line end becomes
// "\n" and a carriage return is dropped. The value is UTF-8 already.
void AppendEscapedText(std::string& out, std::string_view value);

// Appends one content line and its CRLF, folded into physical lines of at most 75 octets before the CRLF, each
// continuation line starting with one blank. A fold never falls inside a UTF-8 sequence; where the bytes before
// the limit are no UTF-8 (more continuation bytes than a character has), the line is cut at the limit.
void AppendContentLine(std::string& out, std::string_view line);

// "20240423" for 23 April 2024.
std::string IcalDate(int day, int month, int year);

// "20240423T061200", and "20240423T101200Z" when utc.
std::string IcalDateTime(const CivilTime& time, bool utc);

// A VTIMEZONE with one observance per change: DAYLIGHT where the clock moves forward, STANDARD otherwise.
void AppendChangesTimezone(std::string& out, std::string_view tzid, const std::vector<ZoneChange>& changes);
