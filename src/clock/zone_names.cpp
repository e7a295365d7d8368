// SPDX-License-Identifier: MIT
#include "clock/zone_names.h"

#include <QByteArray>
#include <QDateTime>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <set>

namespace sundial {
namespace {

constexpr int kMostOffsetHours = 14;

// Files of the zone folder that are no place's zone, and what each one is.
struct PlacelessFile {
  const char* name;
  const char* what;
};
constexpr PlacelessFile kPlacelessFiles[] = {
    {"posixrules", "the rules the tz data lend to POSIX TZ strings"},
    {"localtime", "whatever zone this machine is set to"},
    {"Factory", "the tz data's stand-in for a zone never set, which keeps UTC"},
};

const PlacelessFile* Placeless(std::string_view name) {
  for (const PlacelessFile& file : kPlacelessFiles) {
    if (name == file.name) return &file;
  }
  return nullptr;
}

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

// "UTC+9", "gmt-0330", "UTC+5:30", "+09:00", "-3", "Z": an offset written loosely,
// east of UTC as people write it, for a suggestion.
std::optional<int> LooseOffsetSeconds(std::string_view name) {
  const std::string lower = Lower(name);
  if (lower == "z") return 0;
  const std::size_t sign = lower.compare(0, 3, "utc") == 0 || lower.compare(0, 3, "gmt") == 0 ? 3 : 0;
  if (lower.size() < sign + 2 || (lower[sign] != '+' && lower[sign] != '-')) return std::nullopt;
  std::string digits;
  for (std::size_t i = sign + 1; i < lower.size(); ++i) {
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
  return (lower[sign] == '-' ? -1 : 1) * (hours * 3600 + minutes * 60);
}

std::string_view WithoutBlanks(std::string_view name) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
  while (!name.empty() && blank(name.front())) name.remove_prefix(1);
  while (!name.empty() && blank(name.back())) name.remove_suffix(1);
  return name;
}

// The zone id a path names when it leads, links followed, to a zone file of the
// folder: "/etc/localtime" and "localtime" give the machine's zone.
std::optional<std::string> IdOfPath(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  if (error) return std::nullopt;
  const std::filesystem::path root = std::filesystem::canonical(kZoneInfoDirectory, error);
  if (error) return std::nullopt;
  const std::string relative = target.lexically_relative(root).string();
  if (relative.empty() || relative.rfind("..", 0) == 0 || Placeless(relative) || !IsZoneFileId(relative)) {
    return std::nullopt;
  }
  return relative;
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
  if (Placeless(name) || (!IsZoneFileId(name) && !IsQtListedId(name))) return std::nullopt;
  QTimeZone zone(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
  if (!zone.isValid()) return std::nullopt;
  return zone;
}

namespace {

// The ids of ZoneIds with their lower-case forms, read from the zone folder once a
// run: it does not change while a command runs, and walking it (some 1,800 files,
// each opened) for every suggestion would be slow.
struct KnownId {
  std::string id;
  std::string lower;            // the id in lower case
  std::string lower_last_part;  // its last part in lower case
};

const std::vector<KnownId>& KnownIds() {
  static const std::vector<KnownId> kIds = [] {
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
      if (IsZoneFilePath(relative) && !Placeless(relative) && IsZoneFile(it->path())) ids.insert(relative);
    }
    std::vector<KnownId> known;
    for (const std::string& id : ids) known.push_back({id, Lower(id), Lower(LastPart(id))});
    return known;
  }();
  return kIds;
}

// The canonical zones by the abbreviations they use on 1 January and 1 July of
// `year`, in lower case.
void Tabulate(std::map<std::string, std::set<std::string>>& table, int year) {
  table.clear();
  const QDateTime instants[] = {QDateTime(QDate(year, 1, 1), QTime(12, 0), QTimeZone::utc()),
                                QDateTime(QDate(year, 7, 1), QTime(12, 0), QTimeZone::utc())};
  for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
    if (id.startsWith("UTC")) continue;
    const QTimeZone zone(id);
    for (const QDateTime& instant : instants) {
      table[Lower(zone.abbreviation(instant).toStdString())].insert(id.toStdString());
    }
  }
}

// The canonical zones that use `abbreviation` (lower case) on 1 January or 1 July
// of `year`: "jst" gives Asia/Tokyo. The table of a year is kept for the last
// year asked.
std::set<std::string> ZonesAbbreviated(const std::string& abbreviation, int year) {
  static std::mutex lock;
  static int cached_year = 0;
  static std::map<std::string, std::set<std::string>> cached;
  const std::lock_guard<std::mutex> hold(lock);
  if (cached_year != year) Tabulate(cached, year);
  cached_year = year;
  const auto found = cached.find(abbreviation);
  return found == cached.end() ? std::set<std::string>{} : found->second;
}

}  // namespace

std::vector<std::string> ZoneIds() {
  std::vector<std::string> ids;
  for (const KnownId& known : KnownIds()) ids.push_back(known.id);
  return ids;
}

ZoneNameAdvice AdviseOnZoneName(std::string_view name, int year) {
  ZoneNameAdvice advice{"is not a time-zone name", {}, {}};
  auto suggest = [&](const std::string& id) {
    if (id != name && std::find(advice.suggestions.begin(), advice.suggestions.end(), id) == advice.suggestions.end()) {
      advice.suggestions.push_back(id);
    }
  };
  const std::string_view trimmed = WithoutBlanks(name);

  if (const PlacelessFile* file = Placeless(trimmed)) {
    advice.fault = std::string("is not a place's zone but ") + file->what;
    if (trimmed == "posixrules") {
      if (const std::optional<std::string> id = IdOfPath(std::filesystem::path(kZoneInfoDirectory) / "posixrules")) {
        advice.fault += " (here " + *id + "'s)";
      }
    }
    advice.fault += "; name a place's zone";
  }
  // localtime, /etc/localtime and the like: the zone they lead to on this machine.
  if (trimmed == "localtime" || (!trimmed.empty() && trimmed.front() == '/')) {
    const std::filesystem::path path = trimmed.front() == '/' ? std::filesystem::path(std::string(trimmed))
                                                             : std::filesystem::path(kZoneInfoDirectory) / "localtime";
    if (const std::optional<std::string> id = IdOfPath(path)) {
      suggest(*id);
      if (trimmed == "localtime") advice.note = *id + " is this machine's zone now";
    }
  }

  if (const std::optional<int> offset = LooseOffsetSeconds(trimmed)) {
    // A written offset: never the Etc/GMT id of the same text, which counts west.
    const std::string id = *offset == 0 ? "UTC" : OffsetId(*offset);
    suggest(id);
    const int hours = *offset / 3600;
    if (*offset != 0 && *offset % 3600 == 0) {
      const std::string tz_name = "Etc/GMT" + std::string(hours > 0 ? "-" : "+") + std::to_string(std::abs(hours));
      if (ZoneNamed(tz_name)) {
        advice.note = tz_name + " is the tz name for " + id + ": tz names count hours west of Greenwich";
      }
    }
  } else {
    if (trimmed != name && ZoneNamed(trimmed)) suggest(std::string(trimmed));
    // The name in another case ("utc", "asia/tokyo"), then ids ending in it.
    const std::string lower = Lower(trimmed);
    for (const KnownId& known : KnownIds()) {
      if (known.lower == lower) suggest(known.id);
    }
    std::string wanted = Lower(LastPart(trimmed));
    std::replace(wanted.begin(), wanted.end(), ' ', '_');
    if (!wanted.empty()) {
      for (const KnownId& known : KnownIds()) {
        if (known.lower_last_part == wanted) suggest(known.id);
      }
    }
  }

  // An abbreviation: the canonical zones that use it in winter or in summer.
  const std::string abbreviation = Lower(trimmed);
  const bool may_be_abbreviation = abbreviation.size() >= 2 && abbreviation.size() <= 6 &&
      std::all_of(abbreviation.begin(), abbreviation.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  if (may_be_abbreviation && year >= 1 && year <= 9999) {
    for (const std::string& id : ZonesAbbreviated(abbreviation, year)) suggest(id);
  }
  return advice;
}

}  // namespace sundial
