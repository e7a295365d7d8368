// SPDX-License-Identifier: MIT
#include "clock/zone_names.h"

#include <QByteArray>
#include <QDateTime>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

namespace sundial {
namespace {

constexpr int kMostOffsetHours = 14;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string_view LastPart(std::string_view id) {
  const std::size_t slash = id.rfind('/');
  return slash == std::string_view::npos ? id : id.substr(slash + 1);
}

// A relative path that stays inside the zone folder and outside its posix/ and
// right/ copies: the characters of zone ids only, no empty, "." or ".." part.
bool IsZoneFilePath(std::string_view name) {
  if (name.empty() || name.size() > 255 || name.front() == '/' || name.back() == '/') return false;
  const bool characters_ok = std::all_of(name.begin(), name.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '-' || c == '+' || c == '.';
  });
  if (!characters_ok) return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    const std::size_t slash = std::min(name.find('/', start), name.size());
    const std::string_view part = name.substr(start, slash - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (start == 0 && (part == "posix" || part == "right")) return false;
    start = slash + 1;
  }
  return true;
}

// A compiled zone file (its magic is "TZif"), links followed.
bool IsZoneFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  char magic[4] = {};
  return file.read(magic, sizeof magic) && std::string_view(magic, sizeof magic) == "TZif";
}

bool IsZoneFileId(std::string_view name) {
  return IsZoneFilePath(name) && IsZoneFile(std::filesystem::path(kZoneInfoDirectory) / std::string(name));
}

bool IsQtListedId(std::string_view name) {
  return QTimeZone::isTimeZoneIdAvailable(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

std::string OffsetId(int offset_seconds) {
  const int magnitude = std::abs(offset_seconds) / 60;
  char text[16];
  std::snprintf(text, sizeof text, "UTC%c%02d:%02d", offset_seconds < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
  return text;
}

// "UTC+9", "gmt-0330", "UTC+5:30": an offset written loosely, for a suggestion.
std::optional<int> LooseOffsetSeconds(std::string_view name) {
  const std::string lower = Lower(name);
  if (lower.size() < 5 || (lower.compare(0, 3, "utc") != 0 && lower.compare(0, 3, "gmt") != 0)) return std::nullopt;
  if (lower[3] != '+' && lower[3] != '-') return std::nullopt;
  std::string digits;
  for (std::size_t i = 4; i < lower.size(); ++i) {
    if (IsDigit(lower[i])) {
      digits += lower[i];
    } else if (lower[i] != ':') {
      return std::nullopt;
    }
  }
  if (digits.empty() || digits.size() > 4) return std::nullopt;
  const int hours = digits.size() <= 2 ? std::stoi(digits) : std::stoi(digits.substr(0, digits.size() - 2));
  const int minutes = digits.size() <= 2 ? 0 : std::stoi(digits.substr(digits.size() - 2));
  if (minutes > 59 || hours * 60 + minutes > kMostOffsetHours * 60) return std::nullopt;
  return (lower[3] == '-' ? -1 : 1) * (hours * 3600 + minutes * 60);
}

}  // namespace

std::optional<int> FixedOffsetSeconds(std::string_view name) {
  if (name == "UTC") return 0;
  // "UTC", a sign, two digits of hours, and perhaps ":" and two digits of minutes.
  if ((name.size() != 6 && name.size() != 9) || name.substr(0, 3) != "UTC") return std::nullopt;
  if ((name[3] != '+' && name[3] != '-') || !IsDigit(name[4]) || !IsDigit(name[5])) return std::nullopt;
  int minutes = 0;
  if (name.size() == 9) {
    if (name[6] != ':' || !IsDigit(name[7]) || !IsDigit(name[8])) return std::nullopt;
    minutes = (name[7] - '0') * 10 + (name[8] - '0');
  }
  const int hours = (name[4] - '0') * 10 + (name[5] - '0');
  if (minutes > 59 || hours * 60 + minutes > kMostOffsetHours * 60) return std::nullopt;
  return (name[3] == '-' ? -1 : 1) * (hours * 3600 + minutes * 60);
}

std::optional<QTimeZone> ZoneNamed(std::string_view name) {
  if (const std::optional<int> offset = FixedOffsetSeconds(name)) {
    return *offset == 0 && name == "UTC" ? QTimeZone::utc() : QTimeZone(*offset);
  }
  if (!IsZoneFileId(name) && !IsQtListedId(name)) return std::nullopt;
  QTimeZone zone(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  if (!zone.isValid()) return std::nullopt;
  return zone;
}

std::vector<std::string> ZoneIds() {
  std::set<std::string> ids;
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) ids.insert(id.toStdString());
  std::error_code error;
  const std::filesystem::path root(kZoneInfoDirectory);
  for (auto it = std::filesystem::recursive_directory_iterator(root, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    const std::string relative = it->path().lexically_relative(root).string();
    if (it->is_directory(error)) {
      if (!IsZoneFilePath(relative)) it.disable_recursion_pending();
      continue;
    }
    if (IsZoneFilePath(relative) && IsZoneFile(it->path())) ids.insert(relative);
  }
  return {ids.begin(), ids.end()};
}

std::vector<std::string> ZoneSuggestions(std::string_view name, int year) {
  std::set<std::string> suggestions;
  std::string wanted = Lower(LastPart(name));
  std::replace(wanted.begin(), wanted.end(), ' ', '_');
  if (!wanted.empty()) {
    for (const std::string& id : ZoneIds()) {
      if (Lower(LastPart(id)) == wanted && id != name) suggestions.insert(id);
    }
  }
  if (const std::optional<int> offset = LooseOffsetSeconds(name)) {
    const std::string id = *offset == 0 ? "UTC" : OffsetId(*offset);
    if (id != name) suggestions.insert(id);
  }
  // An abbreviation: the canonical zones that use it in winter or in summer.
  const std::string abbreviation = Lower(name);
  const bool may_be_abbreviation = abbreviation.size() >= 2 && abbreviation.size() <= 6 &&
      std::all_of(abbreviation.begin(), abbreviation.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  if (may_be_abbreviation && year >= 1 && year <= 9999) {
    const QDateTime instants[] = {QDateTime(QDate(year, 1, 1), QTime(12, 0), QTimeZone::utc()),
                                  QDateTime(QDate(year, 7, 1), QTime(12, 0), QTimeZone::utc())};
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
      if (id.startsWith("UTC")) continue;
      const QTimeZone zone(id);
      for (const QDateTime& instant : instants) {
        if (zone.abbreviation(instant).toLower().toStdString() == abbreviation) suggestions.insert(id.toStdString());
      }
    }
  }
  return {suggestions.begin(), suggestions.end()};
}

}  // namespace sundial
