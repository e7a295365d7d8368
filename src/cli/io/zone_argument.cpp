// SPDX-License-Identifier: MIT
#include "cli/io/zone_argument.h"

#include <cstdlib>
#include <vector>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "clock/zone_names.h"

namespace cli {
namespace {

// At most this many suggestions are named; CEST alone is used by 33 zones.
constexpr std::size_t kMostSuggestions = 4;

std::string DidYouMean(const std::vector<std::string>& suggestions) {
  if (suggestions.empty()) return " (see orvalin-cli zones)";
  std::string text = "; did you mean ";
  const std::size_t named = std::min(suggestions.size(), kMostSuggestions);
  for (std::size_t i = 0; i < named; ++i) {
    if (i > 0) text += i + 1 == named && named == suggestions.size() ? " or " : ", ";
    text += suggestions[i];
  }
  if (named < suggestions.size()) text += " or one of " + std::to_string(suggestions.size() - named) + " more";
  return text + "?";
}

QTimeZone Named(const std::string& what, const std::string& name) {
  if (const std::optional<QTimeZone> zone = sundial::ZoneNamed(name)) return *zone;
  throw ValueError{what + " " + Echo(name) + " is not a time-zone name" + DidYouMean(sundial::ZoneSuggestions(name))};
}

}  // namespace

QTimeZone ReadZone(const std::optional<std::string>& zone_option) {
  if (zone_option) return Named("ZONE", *zone_option);
  const char* tz = std::getenv("TZ");
  if (tz == nullptr) {
    const QTimeZone local = QTimeZone::systemTimeZone();
    if (!local.isValid()) throw ValueError{"the system's time zone is not known; give --zone"};
    return local;
  }
  // TZ=":Europe/Berlin" and TZ="/usr/share/zoneinfo/Europe/Berlin" name a zone file.
  std::string name = tz;
  if (!name.empty() && name.front() == ':') name.erase(0, 1);
  const std::string folder = std::string(sundial::kZoneInfoDirectory) + "/";
  if (name.compare(0, folder.size(), folder) == 0) name.erase(0, folder.size());
  return Named("TZ", name);
}

}  // namespace cli
