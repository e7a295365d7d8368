// SPDX-License-Identifier: MIT
// Properties of what a refused zone name is told, and of TZ: every suggestion is
// a name ZoneNamed accepts, none twice, never the text typed; an offset written
// with a sign (GMT+9, UTC-3, +09:00) is first suggested written out with that
// sign and never as the Etc/GMT name of the same text, which counts the other
// way; a note names a tz id of the first suggestion's offset. TZ, a leading ":"
// and the zone folder's path taken off, gives the zone ZoneNamed gives, or one
// line that begins "TZ '"; posixrules, localtime and Factory never come back.

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "cli/io/errors.h"
#include "cli/io/zone_argument.h"
#include "clock/zone_names.h"
#include "fuzz_check.h"

namespace {

const QDateTime kInstant(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc());

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string Trimmed(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && Blank(text[first])) ++first;
  while (last > first && Blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

void CheckAdvice(const std::string& name) {
  const sundial::ZoneNameAdvice advice = sundial::AdviseOnZoneName(name, 2026);
  FUZZ_CHECK(!advice.fault.empty(), "a refusal says what is wrong");
  const std::vector<std::string>& suggested = advice.suggestions;
  for (std::size_t i = 0; i < suggested.size(); ++i) {
    FUZZ_CHECK(sundial::ZoneNamed(suggested[i]).has_value(), "suggested " + suggested[i] + ", which is refused");
    FUZZ_CHECK(suggested[i] != name, "suggested the name typed");
    FUZZ_CHECK(std::find(suggested.begin(), suggested.begin() + static_cast<std::ptrdiff_t>(i), suggested[i]) ==
                   suggested.begin() + static_cast<std::ptrdiff_t>(i),
               "suggested " + suggested[i] + " twice");
  }
  // A signed offset as people write it: east positive, hours and perhaps minutes.
  static const std::regex signed_offset("(?:[Uu][Tt][Cc]|[Gg][Mm][Tt])?([+-])([0-9]{1,2})(?::?([0-9]{2}))?");
  std::smatch parts;
  const std::string trimmed = Trimmed(name);
  if (std::regex_match(trimmed, parts, signed_offset)) {
    const int hours = std::stoi(parts[2]);
    const int minutes = parts[3].matched ? std::stoi(parts[3]) : 0;
    const int seconds = (parts[1] == "-" ? -1 : 1) * (hours * 3600 + minutes * 60);
    if (minutes < 60 && hours * 60 + minutes <= 14 * 60) {
      FUZZ_CHECK(!suggested.empty(), "an offset within 14 hours is suggested written out");
      const std::optional<QTimeZone> first = sundial::ZoneNamed(suggested.front());
      FUZZ_CHECK(first->offsetFromUtc(kInstant) == seconds, "the first suggestion keeps the offset's sign and size");
      for (const std::string& id : suggested) {
        if (id.rfind("Etc/GMT", 0) != 0) continue;
        FUZZ_CHECK(sundial::ZoneNamed(id)->offsetFromUtc(kInstant) == seconds,
                   "suggested " + id + ", another offset than the one written");
      }
    }
  }
  if (!advice.note.empty()) {
    FUZZ_CHECK(!suggested.empty(), "a note belongs to a suggestion");
    const std::size_t space = advice.note.find(' ');
    const std::string id = advice.note.substr(0, space);
    const std::optional<QTimeZone> noted = sundial::ZoneNamed(id);
    FUZZ_CHECK(noted.has_value(), "the note names " + id + ", which is refused");
    FUZZ_CHECK(noted->offsetFromUtc(kInstant) == sundial::ZoneNamed(suggested.front())->offsetFromUtc(kInstant),
               "the note's " + id + " keeps the first suggestion's offset");
  }
}

void CheckTz(const std::string& value) {
  // The environment holds no NUL; what a shell could set is the text before it.
  const std::string tz = value.substr(0, value.find('\0'));
  setenv("TZ", tz.c_str(), 1);
  std::string name = tz;
  if (!name.empty() && name.front() == ':') name.erase(0, 1);
  const std::string folder = std::string(sundial::kZoneInfoDirectory) + "/";
  if (name.compare(0, folder.size(), folder) == 0) name.erase(0, folder.size());
  const std::optional<QTimeZone> expected = sundial::ZoneNamed(name);
  try {
    const QTimeZone zone = cli::ReadZone(std::nullopt);
    FUZZ_CHECK(expected.has_value(), "TZ gave a zone ZoneNamed refuses");
    FUZZ_CHECK(zone.id() == expected->id(), "TZ gave another zone than its name");
    for (const char* placeless : {"posixrules", "localtime", "Factory"}) {
      FUZZ_CHECK(zone.id() != placeless, std::string("TZ gave ") + placeless);
    }
  } catch (const cli::ValueError& error) {
    FUZZ_CHECK(!expected.has_value(), "TZ naming a zone was refused: " + error.message);
    FUZZ_CHECK(error.message.rfind("TZ '", 0) == 0, "the refusal names TZ: " + error.message);
    FUZZ_CHECK(error.message.find('\n') == std::string::npos, "the refusal is one line");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);
  fuzz::InputScope scope(name);
  if (!sundial::ZoneNamed(name)) CheckAdvice(name);
  CheckTz(name);
  return 0;
}
