// SPDX-License-Identifier: MIT
#pragma once

#include <QTimeZone>
#include <optional>
#include <string>

namespace cli {

// The clock's zone for a command with a --zone option: the zone ZONE names, or
// without it the one TZ names (a leading ":" and the zone folder's path allowed),
// or the system's zone when TZ is not set. A name that is not a time-zone name
// (sundial/zone_names.h says which are) is a ValueError that says what was
// probably meant: "ZONE 'JST' is not a time-zone name; did you mean Asia/Tokyo?".
QTimeZone ReadZone(const std::optional<std::string>& zone_option);

}  // namespace cli
