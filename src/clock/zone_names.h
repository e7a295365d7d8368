// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QTimeZone>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Time-zone names as a user types them. QTimeZone alone is too lenient for a
// sundial's table: it also reads POSIX TZ strings, so "Berlin" or "JST" is a
// valid zone meaning UTC and a table nine hours off looks right. Only these are
// names here:
//   - an id of the system's zone data: the canonical ids Qt lists, and the other
//     zone files under /usr/share/zoneinfo (links such as Japan, US/Pacific, GB,
//     Etc/GMT-9), named by a relative path without "." or ".." parts or empty
//     parts; the posix/ and right/ trees are not names (posix/X repeats X, and
//     right/X counts leap seconds, which no civil clock does);
//   - "UTC", and a fixed offset "UTC+hh" or "UTC+hh:mm" (or with "-"), two digits
//     each, at most 14 hours.
// Three files of the zone folder are no place's zone and are not names:
// "posixrules" (the rules POSIX TZ strings borrow, New York's on Debian, which a
// card would print as "zone posixrules"), "localtime" (whatever this machine is
// set to) and "Factory" (UTC, standing in for a zone never set).
namespace sundial {

// Where the system's zone files are.
inline constexpr const char* kZoneInfoDirectory = "/usr/share/zoneinfo";

// The zone `name` names, or none when it is not a name by the rules above.
std::optional<QTimeZone> ZoneNamed(std::string_view name);

// The offset in seconds east of UTC that "UTC", "UTC+hh" or "UTC±hh:mm" names.
std::optional<int> FixedOffsetSeconds(std::string_view name);

// Every id ZoneNamed accepts other than the fixed offsets, sorted: what completion
// offers and `orvalin-cli zones` lists. Read from the zone folder once a run.
std::vector<std::string> ZoneIds();

// What to tell a user whose `name` ZoneNamed refuses.
struct ZoneNameAdvice {
  // What is wrong, to follow the name in a sentence: "is not a time-zone name",
  // or for posixrules, localtime and Factory what they are and to name a place's
  // zone instead.
  std::string fault;
  // The names probably meant, best first, each one ZoneNamed accepts:
  //   - an offset written loosely, written out: "UTC+9", "GMT+9", "+09:00",
  //     "+0900" give UTC+09:00 ("GMT+9" never gives Etc/GMT+9, which is UTC−09:00:
  //     tz names count hours west), "Z" gives UTC;
  //   - the name without blanks around it ("Asia/Tokyo " gives Asia/Tokyo), and
  //     in another case ("utc" gives UTC);
  //   - ids whose last part is the name in any case ("berlin" gives Europe/Berlin;
  //     a blank may stand for "_"), sorted;
  //   - ids of Qt's canonical list whose abbreviation is the name on 1 January or
  //     1 July of `year` ("JST" gives Asia/Tokyo), sorted;
  //   - for localtime (or a path to it), the zone it is on this machine.
  std::vector<std::string> suggestions;
  // More to say of the first suggestion, or empty: for a whole-hour offset its tz
  // name ("Etc/GMT-9 is the tz name for UTC+09:00 ...").
  std::string note;
};
ZoneNameAdvice AdviseOnZoneName(std::string_view name, int year = QDate::currentDate().year());

}  // namespace sundial
