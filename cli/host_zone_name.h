// The name of the computer's time zone, for a calendar file whose times are in that zone.
#pragma once

#include <string>

// POSIX: the IANA name (as "America/New_York") from the TZ variable, else the link target of /etc/localtime,
// else the first line of /etc/timezone; a TZ that names no zone of the system's zone database (a rule such as
// "EST5EDT4,M3.2.0,M11.1.0") gives none. Windows: the key name of the zone the system is set to ("Eastern
// Standard Time"). Empty when the zone has no name the program can tell.
std::string HostZoneName();
