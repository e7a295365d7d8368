// SPDX-License-Identifier: MIT
// Properties of the reader of clock times (`facing --at` and `--from`): a text is
// accepted only when it is YYYY-MM-DDTHH:MM[:SS] (digits in ASCII or full width),
// perhaps with Z or an offset after it, and then it names an instant at which the
// clock, at the offset returned, shows what was written; without an offset that is
// the zone's own offset then. Anything else is one ValueError whose message is a
// line without control characters.

#include <QDateTime>
#include <QTimeZone>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>

#include "cli/io/errors.h"
#include "cli/io/local_instant.h"
#include "clock/zone_names.h"
#include "fuzz_check.h"
#include "platform/core/ascii_digits.h"

namespace {

void Check(const std::string& text, const QTimeZone& zone) {
  cli::LocalInstant instant;
  try {
    instant = cli::ReadLocalInstant("--at", text, zone);
  } catch (const cli::ValueError& error) {
    FUZZ_CHECK(!error.message.empty(), "a refusal says why");
    for (const char c : error.message) {
      const auto byte = static_cast<unsigned char>(c);
      FUZZ_CHECK(byte >= 0x20 && byte != 0x7F, "no control byte in " + fuzz::Escaped(error.message));
    }
    return;
  }
  static const std::regex form("([0-9]{4})-([0-9]{2})-([0-9]{2})T([0-9]{2}):([0-9]{2})(:([0-9]{2}))?(Z|([+-])([0-9]{2}):([0-9]{2}))?");
  std::smatch parts;
  const std::string ascii = platform::AsciiDigits(text);
  FUZZ_CHECK(std::regex_match(ascii, parts, form), "an accepted text is a clock time");
  const QDateTime shown = instant.utc.addSecs(instant.offset_seconds);
  FUZZ_CHECK(shown.date() == QDate(std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3])),
             "the clock shows the date written");
  FUZZ_CHECK(shown.time() == QTime(std::stoi(parts[4]), std::stoi(parts[5]), parts[7].matched ? std::stoi(parts[7]) : 0),
             "the clock shows the time written");
  if (!parts[8].matched) {
    FUZZ_CHECK(zone.offsetFromUtc(instant.utc) == instant.offset_seconds, "the zone's offset then");
  } else if (parts[8] == "Z") {
    FUZZ_CHECK(instant.offset_seconds == 0, "Z is UTC");
  } else {
    const int offset = (parts[9] == "-" ? -1 : 1) * (std::stoi(parts[10]) * 3600 + std::stoi(parts[11]) * 60);
    FUZZ_CHECK(instant.offset_seconds == offset, "the offset written");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the zone: one with summer time, one south of the equator
  // with its own, one of half hours, and a fixed offset.
  static const QTimeZone zones[] = {*sundial::ZoneNamed("Europe/Berlin"), *sundial::ZoneNamed("Australia/Sydney"),
                                    *sundial::ZoneNamed("Australia/Lord_Howe"), *sundial::ZoneNamed("UTC+05:30")};
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const fuzz::InputScope scope(text);
  Check(text, zones[data[0] % 4]);
  return 0;
}
