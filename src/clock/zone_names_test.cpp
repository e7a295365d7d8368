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
      // Files of the zone folder that are no place's zone: posixrules is New York
      // under another name (a card printed "zone posixrules"), localtime is
      // whatever the machine is set to, Factory is UTC standing in for no zone.
      {"posixrules", false, 0},
      {"localtime", false, 0},
      {"Factory", false, 0},
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

TEST(AdviseOnZoneName, SuggestionsBestFirst) {
  const struct {
    const char* typed;
    std::vector<std::string> first;    // the suggestions begin with these, in order
    std::vector<std::string> include;  // and hold these somewhere
    std::vector<std::string> exclude;
    const char* note;                  // a part of the note, or "" for none
  } kCases[] = {
      {"Berlin", {"Europe/Berlin"}, {}, {}, ""},
      {"tokyo", {"Asia/Tokyo"}, {}, {}, ""},
      {"JST", {"Asia/Tokyo"}, {}, {}, ""},
      {"CEST", {}, {"Europe/Berlin", "Europe/Paris"}, {}, ""},
      {"new york", {"America/New_York"}, {}, {}, ""},
      {"utc", {"UTC"}, {"Etc/UTC"}, {}, ""},
      {"asia/tokyo", {"Asia/Tokyo"}, {}, {}, ""},
      {"UTC+9", {"UTC+09:00"}, {}, {}, "Etc/GMT-9 is the tz name for UTC+09:00"},
      // Etc/GMT+9 is UTC−09:00: taken for GMT+9, a clock 18 hours off.
      {"GMT+9", {"UTC+09:00"}, {}, {"Etc/GMT+9"}, "Etc/GMT-9 is the tz name for UTC+09:00"},
      {"gmt-3", {"UTC-03:00"}, {}, {"Etc/GMT-3"}, "Etc/GMT+3 is the tz name for UTC-03:00"},
      {"GMT-3:30", {"UTC-03:30"}, {}, {}, ""},
      {"+09:00", {"UTC+09:00"}, {}, {}, "Etc/GMT-9"},
      {"+0930", {"UTC+09:30"}, {}, {}, ""},
      {"-5", {"UTC-05:00"}, {}, {}, "Etc/GMT+5"},
      {"Z", {"UTC"}, {}, {}, ""},
      {"Asia/Tokyo ", {"Asia/Tokyo"}, {}, {}, ""},
      {" Europe/Berlin\n", {"Europe/Berlin"}, {}, {}, ""},
      {"right/Asia/Tokyo", {"Asia/Tokyo"}, {}, {}, ""},
      {"etc/gmt+9", {"Etc/GMT+9"}, {}, {}, ""},  // a tz name in the wrong case stays one
      {"Mars", {}, {}, {}, ""},
      {"UTC+15", {}, {}, {}, ""},
  };
  for (const auto& c : kCases) {
    const sundial::ZoneNameAdvice advice = sundial::AdviseOnZoneName(c.typed, 2026);
    const std::vector<std::string>& suggested = advice.suggestions;
    EXPECT_EQ(advice.fault, "is not a time-zone name") << c.typed;
    ASSERT_GE(suggested.size(), c.first.size()) << c.typed;
    EXPECT_TRUE(std::equal(c.first.begin(), c.first.end(), suggested.begin())) << c.typed << " -> " << suggested[0];
    if (c.first.empty() && c.include.empty()) {
      EXPECT_TRUE(suggested.empty()) << c.typed << " -> " << suggested[0];
    }
    for (const std::string& id : c.include) {
      EXPECT_NE(std::find(suggested.begin(), suggested.end(), id), suggested.end()) << c.typed << " -> " << id;
    }
    for (const std::string& id : c.exclude) {
      EXPECT_EQ(std::find(suggested.begin(), suggested.end(), id), suggested.end()) << c.typed << " -> " << id;
    }
    EXPECT_EQ(advice.note.empty(), std::string(c.note).empty()) << c.typed << ": " << advice.note;
    EXPECT_NE(advice.note.find(c.note), std::string::npos) << c.typed << ": " << advice.note;
    for (const std::string& id : suggested) EXPECT_TRUE(sundial::ZoneNamed(id)) << c.typed << " suggested " << id;
  }
  // JST is Tokyo's alone: a suggestion that lists Seoul would mislead.
  EXPECT_EQ(sundial::AdviseOnZoneName("JST", 2026).suggestions, std::vector<std::string>{"Asia/Tokyo"});
}

TEST(AdviseOnZoneName, FilesThatAreNoPlacesZoneSayWhatTheyAre) {
  const struct {
    const char* typed;
    const char* says;
  } kCases[] = {
      {"posixrules", "the rules the tz data lend to POSIX TZ strings"},
      {"localtime", "whatever zone this machine is set to"},
      {"Factory", "keeps UTC"},
  };
  for (const auto& c : kCases) {
    const sundial::ZoneNameAdvice advice = sundial::AdviseOnZoneName(c.typed, 2026);
    EXPECT_EQ(advice.fault.rfind("is not a place's zone but ", 0), 0u) << c.typed << ": " << advice.fault;
    EXPECT_NE(advice.fault.find(c.says), std::string::npos) << c.typed << ": " << advice.fault;
    EXPECT_NE(advice.fault.find("; name a place's zone"), std::string::npos) << c.typed << ": " << advice.fault;
    for (const std::string& id : advice.suggestions) EXPECT_TRUE(sundial::ZoneNamed(id)) << c.typed << " suggested " << id;
  }
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
  for (const char* id : {"posixrules", "localtime", "Factory"}) {
    EXPECT_FALSE(std::binary_search(ids.begin(), ids.end(), std::string(id))) << id;
  }
}

}  // namespace
