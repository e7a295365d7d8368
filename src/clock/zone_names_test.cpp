// SPDX-License-Identifier: MIT
// Zone names: what QTimeZone alone would take as POSIX TZ strings meaning UTC
// ("Berlin", "JST") is refused, and the refusal says what was meant.
#include "clock/zone_names.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ZoneNamed, SystemIdsAndWrittenOutOffsetsOnly) {
  const struct {
    const char* name;
    bool accepted;
    int offset_hours_in_january;  // when accepted, on 1 January 2026
  } kCases[] = {
      {"Asia/Tokyo", true, 9},
      {"Europe/Berlin", true, 1},
      {"Japan", true, 9},          // links of the zone data that Qt does not list
      {"US/Pacific", true, -8},
      {"Etc/GMT-9", true, 9},
      {"GB", true, 0},
      {"UTC", true, 0},
      {"UTC+09:00", true, 9},
      {"UTC-03", true, -3},
      {"UTC+14:00", true, 14},
      // Before, each of these was a POSIX TZ string that QTimeZone read as UTC
      // (XYZ3 as UTC-3): a table hours off with nothing to show it.
      {"JST", false, 0},
      {"Tokyo", false, 0},
      {"Berlin", false, 0},
      {"CEST", false, 0},
      {"Mars", false, 0},
      {"utc", false, 0},
      {"XYZ3", false, 0},
      {"Europe/../Europe/Berlin", false, 0},
      {"Asia//Tokyo", false, 0},
      {"/Asia/Tokyo", false, 0},
      {"Asia/Tokyo/", false, 0},
      {"./Japan", false, 0},
      {"right/Asia/Tokyo", false, 0},  // counts leap seconds
      {"posix/Asia/Tokyo", false, 0},
      {"zone.tab", false, 0},          // a file of the folder, not a zone
      {"asia/tokyo", false, 0},
      {"UTC+9", false, 0},
      {"UTC+15:00", false, 0},
      {"UTC+09:60", false, 0},
      {"Asia/Tokyo\n", false, 0},
      {"", false, 0},
  };
  const QDateTime january(QDate(2026, 1, 1), QTime(12, 0), QTimeZone::utc());
  for (const auto& c : kCases) {
    const std::optional<QTimeZone> zone = sundial::ZoneNamed(c.name);
    ASSERT_EQ(zone.has_value(), c.accepted) << c.name;
    if (zone) {
      EXPECT_EQ(zone->offsetFromUtc(january), c.offset_hours_in_january * 3600) << c.name;
    }
  }
}

TEST(ZoneSuggestions, NameTheZoneMeant) {
  const struct {
    const char* typed;
    std::vector<std::string> include;
  } kCases[] = {
      {"Berlin", {"Europe/Berlin"}},
      {"tokyo", {"Asia/Tokyo"}},
      {"JST", {"Asia/Tokyo"}},
      {"CEST", {"Europe/Berlin", "Europe/Paris"}},
      {"new york", {"America/New_York"}},
      {"utc", {"UTC"}},
      {"UTC+9", {"UTC+09:00"}},
      {"GMT-3:30", {"UTC-03:30"}},
      {"Mars", {}},
  };
  for (const auto& c : kCases) {
    const std::vector<std::string> suggested = sundial::ZoneSuggestions(c.typed, 2026);
    EXPECT_EQ(suggested.empty(), c.include.empty()) << c.typed;
    for (const std::string& id : c.include) {
      EXPECT_NE(std::find(suggested.begin(), suggested.end(), id), suggested.end()) << c.typed << " -> " << id;
    }
    for (const std::string& id : suggested) EXPECT_TRUE(sundial::ZoneNamed(id)) << c.typed << " suggested " << id;
  }
  // JST is Tokyo's alone: a suggestion that lists Seoul would mislead.
  EXPECT_EQ(sundial::ZoneSuggestions("JST", 2026), std::vector<std::string>{"Asia/Tokyo"});
}

TEST(ZoneIds, ListLinksAndCanonicalIdsAndOnlyAcceptedOnes) {
  const std::vector<std::string> ids = sundial::ZoneIds();
  for (const char* id : {"Asia/Tokyo", "Japan", "US/Pacific", "Etc/GMT-9", "GB", "UTC"}) {
    EXPECT_TRUE(std::binary_search(ids.begin(), ids.end(), std::string(id))) << id;
  }
  for (const std::string& id : ids) {
    EXPECT_TRUE(sundial::ZoneNamed(id)) << id;
    EXPECT_NE(id.rfind("right/", 0), 0u) << id;
  }
}

}  // namespace
