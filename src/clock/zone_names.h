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
namespace sundial {

// Where the system's zone files are.
inline constexpr const char* kZoneInfoDirectory = "/usr/share/zoneinfo";

// The zone `name` names, or none when it is not a name by the rules above.
std::optional<QTimeZone> ZoneNamed(std::string_view name);

// The offset in seconds east of UTC that "UTC", "UTC+hh" or "UTC±hh:mm" names.
std::optional<int> FixedOffsetSeconds(std::string_view name);

// Every id ZoneNamed accepts other than the fixed offsets, sorted: what completion
// offers and `orvalin-cli zones` lists.
std::vector<std::string> ZoneIds();

// The names a user who typed `name` probably meant, sorted: ids whose last part is
// `name` in any case ("berlin" gives Europe/Berlin; a blank may stand for "_"),
// ids of Qt's canonical list whose abbreviation is `name` on 1 January or 1 July of
// `year` ("JST" gives Asia/Tokyo), and the written-out offset for a short one
// ("UTC+9" gives UTC+09:00).
std::vector<std::string> ZoneSuggestions(std::string_view name, int year = QDate::currentDate().year());

}  // namespace sundial
