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

// "; did you mean A, B or C? (note)", or where to look when nothing comes to mind.
std::string DidYouMean(const sundial::ZoneNameAdvice& advice) {
  const std::vector<std::string>& suggestions = advice.suggestions;
  if (suggestions.empty()) return " (see orvalin-cli zones)";
  std::string text = "; did you mean ";
  // One left over is named rather than counted ("or one of 1 others").
  const std::size_t named = suggestions.size() <= kMostSuggestions + 1 ? suggestions.size() : kMostSuggestions;
  for (std::size_t i = 0; i < named; ++i) {
    if (i > 0) text += i + 1 == named && named == suggestions.size() ? " or " : ", ";
    text += suggestions[i];
  }
  if (named < suggestions.size()) text += " or one of " + std::to_string(suggestions.size() - named) + " others";
  return text + "?" + (advice.note.empty() ? "" : " (" + advice.note + ")");
}

QTimeZone Named(const std::string& what, const std::string& name) {
  if (const std::optional<QTimeZone> zone = sundial::ZoneNamed(name)) return *zone;
  const sundial::ZoneNameAdvice advice = sundial::AdviseOnZoneName(name);
  throw ValueError{what + " " + Echo(name) + " " + advice.fault + DidYouMean(advice)};
}

}  // namespace

QTimeZone ReadZone(const std::optional<std::string>& zone_option) {
  if (zone_option) return Named("ZONE", *zone_option);
  const char* tz = std::getenv("TZ");
  if (tz == nullptr) {
    const QTimeZone local = QTimeZone::systemTimeZone();
    if (!local.isValid()) throw ValueError{"the system's time zone is not known; give --zone"};
    // A machine set to Factory (or to posixrules) has no place's zone to print.
    const std::string id = local.id().toStdString();
    if (id == "Factory" || id == "posixrules" || id == "localtime") {
      throw ValueError{"the system's time zone " + Echo(id) + " " + sundial::AdviseOnZoneName(id).fault + " with --zone"};
    }
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
