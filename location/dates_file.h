// The people's dates (yahrzeits, Hebrew birthdays, anniversaries) as a plain UTF-8 text file a person can read and
// edit: one date a line, four fields separated by blanks, the name last so that it may hold blanks of its own:
//
//   yahrzeit  1990-03-05+after-sunset  usual  Sarah bat Avraham
//   birthday  15-Nisan-5740            usual  David
//
// - KIND: yahrzeit, birthday, anniversary or other.
// - DATE: the Gregorian date of the event YYYY-MM-DD, with "+after-sunset" when it happened after sunset (it then
//   belongs to the next Hebrew day); or the Hebrew date DAY-MONTH-YEAR, MONTH a name without blanks (Tishrei,
//   Cheshvan, Kislev, Tevet, Shevat, Adar, AdarI, AdarII, Nisan, Iyar, Sivan, Tammuz, Av, Elul) or its number
//   (calendar/hebrew.h). Either names a day from 1900-01-01 to 2099-12-31.
// - ADAR: usual, adar1, adar2 or both (anniversary.h's AdarChoice).
// - NAME: the rest of the line, without the blanks around it: any UTF-8 text but control characters (so never a tab
//   or a line end), at most kDateNameMaxBytes bytes.
// Words are read in any letter case. Blank lines and lines that start with '#' are comments. A byte order mark at
// the start of the file (as some editors write one) is skipped and kept.
//
// Nothing a person wrote is lost: every line that is not a date (a comment, or a line that cannot be read) is kept
// as it is, in its place, and written back so; a line that cannot be read is one problem, naming its line number.
// Reading is bounded: a file of more than kDatesFileMaxBytes is not read at all (the reader checks the size).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/anniversary.h"
#include "calendar/gregorian.h"

inline constexpr std::size_t kDatesFileMaxBytes = 256 * 1024;
inline constexpr std::size_t kDateNameMaxBytes = 200;

struct PersonDate {
    std::string name;
    PersonDateKind kind = PersonDateKind::Other;
    std::optional<DayNumber> civilDay;  // the Gregorian date as given; empty when the Hebrew date was given
    bool afterSunset = false;           // with civilDay
    HebrewDate hebrew{};                // without civilDay
    AdarChoice adar = AdarChoice::Usual;
};

// The Hebrew date of the event: the one given, or that of the Gregorian date (the next day's after sunset).
HebrewDate HebrewDateOf(const PersonDate& date);

// One line of the file: a date, or (without one) a comment or a line that cannot be read. A line read is written
// back as it was read; a date added is written by FormatPersonDate.
struct DatesFileLine {
    std::optional<PersonDate> date;
    std::string text;  // the line as read, without its line end; empty for a date added
};

struct DatesFileContents {
    std::vector<DatesFileLine> lines;
    std::vector<std::string> problems;  // "line 3: no such kind 'yahrzit'"; none for a sound file
};

// The lines of a new file: its header comment.
DatesFileContents NewDatesFile();
DatesFileContents ParseDatesFile(std::string_view text);
// Every line, the last one too, ends with a line feed.
std::string FormatDatesFile(const DatesFileContents& contents);
// The dates of the file's lines, in the file's order (the lines that could not be read left out).
std::vector<const PersonDate*> DatesOf(const DatesFileContents& contents);
// The line that stands for the date.
std::string FormatPersonDate(const PersonDate& date);

// What a yearly day of the date is called in the Hebrew year, in UTF-8 as the name is: "Yahrzeit: Sarah (5784)",
// "Hebrew birthday: David", "Anniversary: Dan and Ruth", and for another kind the name alone.
std::string PersonDateTitle(const PersonDate& date, int hebrewYear);

// The words of the fields, as the file and the command line write and take them.
const char* PersonDateKindName(PersonDateKind kind);
std::optional<PersonDateKind> ParsePersonDateKind(std::string_view text);
const char* AdarChoiceName(AdarChoice adar);
std::optional<AdarChoice> ParseAdarChoice(std::string_view text);
// The month as the file writes it: "Nisan", "AdarII".
std::string HebrewMonthWord(int month);
// A Hebrew date of a day 1900-01-01 to 2099-12-31 from its day, month (a name, in any letter case, with or without
// its blank: "Adar II", "adarii", or a number) and year. Empty, with reason set ("Adar I is not a month of 5783, a
// common year"), when the text names no such day.
std::optional<HebrewDate> ParseHebrewDateParts(std::string_view day,
                                               std::string_view month,
                                               std::string_view year,
                                               std::string& reason);
// Empty when the name can be kept; else why not ("it is empty", "it holds a control character").
std::string NameProblem(std::string_view name);
