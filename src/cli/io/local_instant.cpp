// SPDX-License-Identifier: MIT
#include "cli/io/local_instant.h"

#include <cstdlib>
#include <optional>

#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "clock/clock_reading.h"
#include "platform/core/ascii_digits.h"

namespace cli {
namespace {

// The digits of text[at, at + count), or none.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::string Named(const std::string& name, std::string_view text) {
  return name.empty() ? Echo(text) : name + " " + Echo(text);
}

[[noreturn]] void NotAClockTime(const std::string& name, std::string_view text) {
  throw ValueError{Named(name, text) +
                   " is not a clock time YYYY-MM-DDTHH:MM[:SS], perhaps with Z or +hh:mm after it"};
}

// "02:30" of an instant at an offset, with the date when `dated`.
std::string ClockOf(const QDateTime& utc, int offset_seconds, bool dated) {
  return utc.addSecs(offset_seconds)
      .toString(dated ? QStringLiteral("yyyy-MM-dd HH:mm") : QStringLiteral("HH:mm"))
      .toStdString();
}

}  // namespace

std::string OffsetText(int offset_seconds) {
  const int minutes = std::abs(offset_seconds) / 60;
  std::string text = offset_seconds < 0 ? "UTC-" : "UTC+";
  text += static_cast<char>('0' + minutes / 600);
  text += static_cast<char>('0' + minutes / 60 % 10);
  text += ':';
  text += static_cast<char>('0' + minutes % 60 / 10);
  text += static_cast<char>('0' + minutes % 10);
  return text;
}

LocalInstant ReadLocalInstant(const std::string& name, std::string_view given, const QTimeZone& zone) {
  const std::string ascii = platform::AsciiDigits(given);
  const std::string_view text = ascii;
  // YYYY-MM-DDTHH:MM, then :SS, then Z or ±hh:mm.
  if (text.size() < 16 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':') {
    NotAClockTime(name, given);
  }
  const auto year = Digits(text, 0, 4);
  const auto month = Digits(text, 5, 2);
  const auto day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2);
  const auto minute = Digits(text, 14, 2);
  std::size_t at = 16;
  std::optional<int> second = 0;
  if (at < text.size() && text[at] == ':') {
    second = Digits(text, at + 1, 2);
    at += 3;
  }
  std::optional<int> offset;
  if (at < text.size() && text[at] == 'Z') {
    offset = 0;
    ++at;
  } else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    const auto hours = Digits(text, at + 1, 2);
    const auto minutes = Digits(text, at + 4, 2);
    if (!hours || !minutes || at + 3 >= text.size() || text[at + 3] != ':' || *hours > 14 || *minutes > 59) {
      NotAClockTime(name, given);
    }
    offset = (text[at] == '-' ? -1 : 1) * (*hours * 3600 + *minutes * 60);
    at += 6;
  }
  if (at != text.size() || !year || !month || !day || !hour || !minute || !second || *year < 1 || *hour > 23 ||
      *minute > 59 || *second > 59) {
    NotAClockTime(name, given);
  }
  const QDate date(*year, *month, *day);
  if (!date.isValid()) throw ValueError{Named(name, given) + " is no date of the Gregorian calendar"};
  const int seconds = *hour * 3600 + *minute * 60 + *second;
  if (offset) {
    return {QDateTime(date, QTime(0, 0), QTimeZone::utc()).addSecs(seconds - *offset), *offset};
  }

  const std::vector<sundial::ClockInstant> instants = sundial::InstantsOfClockReading(zone, date, seconds);
  const std::string zone_name = zone.id().toStdString();
  if (instants.size() == 1) return {instants[0].utc, instants[0].offset_seconds};
  if (instants.empty()) {
    std::string why = " never showed on " + zone_name + "'s clocks";
    if (const auto jump = sundial::JumpAcross(zone, date, seconds)) {
      // A jump of a day (a zone crossing the date line) needs the dates too.
      const bool dated = jump->utc.addSecs(jump->offset_before_seconds).date() !=
                         jump->utc.addSecs(jump->offset_after_seconds).date();
      why += ": they went from " + ClockOf(jump->utc, jump->offset_before_seconds, dated) + " to " +
             ClockOf(jump->utc, jump->offset_after_seconds, dated) + " (" + OffsetText(jump->offset_before_seconds) +
             " to " + OffsetText(jump->offset_after_seconds) + ")";
    }
    throw ValueError{Named(name, given) + why};
  }
  // Two instants: the hour the clocks went back over. Which one was read, only the
  // person who read it knows.
  std::string offsets;
  for (std::size_t i = 0; i < instants.size(); ++i) {
    offsets += (i == 0 ? "" : i + 1 == instants.size() ? " and then at " : ", ") +
               OffsetText(instants[i].offset_seconds);
  }
  const std::string first = OffsetText(instants[0].offset_seconds).substr(3);
  throw ValueError{Named(name, given) + " showed twice on " + zone_name + "'s clocks, at " + offsets +
                   ": write the offset meant after it, as " + std::string(text) + first};
}

}  // namespace cli
