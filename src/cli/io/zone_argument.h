// SPDX-License-Identifier: MIT
#pragma once

#include <QTimeZone>
#include <optional>
#include <string>

namespace cli {

// The clock's zone for a command with a --zone option: the zone ZONE names, or
// without it the one TZ names (a leading ":" and the zone folder's path allowed),
// or the system's zone when TZ is not set (refused when the system is set to
// Factory or the like). A name that is not a time-zone name (clock/zone_names.h
// says which are) is a ValueError that says what is wrong and what was probably
// meant: "ZONE 'JST' is not a time-zone name; did you mean Asia/Tokyo?", "ZONE
// 'GMT+9' is not a time-zone name; did you mean UTC+09:00? (Etc/GMT-9 is the tz
// name for UTC+09:00: ...)", "TZ 'Factory' is not a place's zone but ...".
QTimeZone ReadZone(const std::optional<std::string>& zone_option);

}  // namespace cli
