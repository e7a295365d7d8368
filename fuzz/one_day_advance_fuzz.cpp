// SPDX-License-Identifier: MIT
// Properties of the one-day advance. The input is "month/day/hour/year": the first
// three fields are the box texts as typed, the fourth a decimal year wrapped to 16
// bits (2002 when missing or unreadable). A missing field is an empty box.

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "advance/one_day_advance.h"
#include "engine/month_days.h"
#include "fuzz_check.h"
#include "platform/core/convert.h"

namespace {

using advance::DetailBox;
using fuzz::Outcome;
using fuzz::Run;

struct Boxes {
  std::string month, day, hour;
  int16_t year = 2002;
};

Boxes Split(std::string_view input) {
  std::array<std::string_view, 4> fields{};
  for (std::size_t k = 0; k < 3; ++k) {
    const std::size_t slash = input.find('/');
    fields[k] = input.substr(0, slash);
    if (slash == std::string_view::npos) {
      input = {};
      break;
    }
    input.remove_prefix(slash + 1);
  }
  fields[3] = input;
  Boxes boxes{std::string(fields[0]), std::string(fields[1]), std::string(fields[2])};
  long long year = 0;
  const auto [end, error] = std::from_chars(fields[3].data(), fields[3].data() + fields[3].size(), year);
  if (error == std::errc() && end == fields[3].data() + fields[3].size() && !fields[3].empty()) {
    boxes.year = static_cast<int16_t>(static_cast<uint16_t>(year));
  }
  return boxes;
}

// The proleptic Gregorian month lengths, written out independently of the engine.
int MonthLength(int month, int year) {
  static constexpr int kCommon[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kCommon[month - 1];
}

struct Result {
  std::optional<advance::AdvancedDate> date;
  std::optional<int> error;  // the runtime error number when it threw
  DetailBox box = DetailBox::Month;

  std::string Describe() const {
    if (error) return "error " + std::to_string(*error) + (box == DetailBox::Day ? " (day box)" : " (month box)");
    if (!date) return "no advance";
    return fuzz::Escaped(date->month_text) + "/" + fuzz::Escaped(date->day_text);
  }
  bool operator==(const Result& other) const {
    if (error || other.error) return error == other.error && box == other.box;
    if (date.has_value() != other.date.has_value()) return false;
    return !date || (date->month_text == other.date->month_text && date->day_text == other.date->day_text);
  }
};

// A fault is an AdvanceError naming its box; anything else escaping is a finding.
Result Advance(const Boxes& boxes) {
  try {
    return {advance::AdvanceOneDay(boxes.month, boxes.day, boxes.hour, boxes.year), std::nullopt};
  } catch (const advance::AdvanceError& error) {
    return {std::nullopt, error.number(), error.box()};
  } catch (const platform::RuntimeError& error) {
    fuzz::Fail(__FILE__, __LINE__, "faults are AdvanceErrors",
               "runtime error " + std::to_string(error.number()) + " without its box");
  } catch (const std::exception& error) {
    fuzz::Fail(__FILE__, __LINE__, "faults are AdvanceErrors", std::string("exception ") + error.what());
  }
}

// The error the boxes call for, read in the advance's order: the day (a number,
// and one below the 16-bit limit so it can step), then the month (a number, 1..12).
std::optional<Result> ExpectedError(const Outcome<int16_t>& day, const Outcome<int16_t>& month) {
  if (!day.value) return Result{std::nullopt, day.error, DetailBox::Day};
  if (*day.value == INT16_MAX) return Result{std::nullopt, fuzz::kOverflow, DetailBox::Day};
  if (!month.value) return Result{std::nullopt, month.error, DetailBox::Month};
  if (*month.value < 1 || *month.value > 12) return Result{std::nullopt, fuzz::kSubscriptOutOfRange, DetailBox::Month};
  return std::nullopt;
}

// After any advance the month table holds the year's lengths; with an empty box
// only the common-year ones.
void CheckMonthTable(const Boxes& boxes, bool blocked) {
  for (int month = 1; month <= 12; ++month) {
    const int expected = blocked ? MonthLength(month, 2001) : MonthLength(month, boxes.year);
    FUZZ_CHECK(Module1::MonthDays(month) == expected,
               "month table " + std::to_string(month) + " holds " + std::to_string(Module1::MonthDays(month)) +
                   " after an advance in " + std::to_string(boxes.year));
  }
}

void CheckAdvance(const Boxes& boxes, const advance::AdvancedDate& date, int month, int day) {
  const std::string before = fuzz::Escaped(boxes.month) + "/" + fuzz::Escaped(boxes.day);
  const std::string after = fuzz::Escaped(date.month_text) + "/" + fuzz::Escaped(date.day_text);
  const std::string step = before + " -> " + after + " in " + std::to_string(boxes.year) + ": ";

  // Both texts are numbers of the boxes again (the day was below 32767).
  const Outcome<int16_t> new_month = Run([&] { return platform::TextToInteger(date.month_text); });
  const Outcome<int16_t> new_day = Run([&] { return platform::TextToInteger(date.day_text); });
  FUZZ_CHECK(new_month.value && new_day.value,
             step + "month reads " + new_month.Describe() + ", day reads " + new_day.Describe());

  const bool rolled = month != 12 && day + 1 > MonthLength(month, boxes.year);
  const bool year_end = month == 12 && day + 1 > 31;
  FUZZ_CHECK((date.month_text != boxes.month) == rolled, step + (rolled ? "no roll" : "month changed without a roll"));
  if (rolled) {
    // The month as read plus one, in the general form.
    FUZZ_CHECK(date.day_text == "1" && date.month_text == platform::NumberToText(month + 1), step + "roll");
  } else {
    // Only a day of 0 steps to "1" without a roll.
    FUZZ_CHECK(date.day_text != "1" || day == 0, step + "day 1 without a roll");
    FUZZ_CHECK(*new_day.value == (year_end ? day : day + 1), step + "day step");
  }

  // Never earlier on the integers the boxes read, and later unless the year ended.
  const int64_t old_date = int64_t{month} * 65536 + day;
  const int64_t new_date = int64_t{*new_month.value} * 65536 + *new_day.value;
  if (year_end) {
    FUZZ_CHECK(new_date == old_date, step + "the year's end must stay");
  } else {
    FUZZ_CHECK(new_date > old_date, step + "not later");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const fuzz::InputScope scope(input);
  const Boxes boxes = Split(input);

  const Result result = Advance(boxes);
  const bool blocked = boxes.month.empty() || boxes.day.empty() || boxes.hour.empty();
  CheckMonthTable(boxes, blocked);
  if (blocked) {
    FUZZ_CHECK(!result.error && !result.date, "an empty box must block the advance: " + result.Describe());
    return 0;
  }

  // The hour box is only tested for being empty.
  Boxes other_hour = boxes;
  other_hour.hour = boxes.hour == "0" ? "x" : "0";
  const Result again = Advance(other_hour);
  FUZZ_CHECK(again == result, "hour " + fuzz::Escaped(other_hour.hour) + " gives " + again.Describe() +
                                  ", hour " + fuzz::Escaped(boxes.hour) + " gives " + result.Describe());

  // Faults are found before any text is produced: an error carries no date.
  const Outcome<int16_t> day = Run([&] { return platform::TextToInteger(boxes.day); });
  const Outcome<int16_t> month = Run([&] { return platform::TextToInteger(boxes.month); });
  const std::optional<Result> expected_error = ExpectedError(day, month);
  if (expected_error) {
    FUZZ_CHECK(result == *expected_error, "expected " + expected_error->Describe() + ", got " + result.Describe());
    return 0;
  }
  FUZZ_CHECK(result.date.has_value(), "expected an advance, got " + result.Describe());
  CheckAdvance(boxes, *result.date, *month.value, *day.value);
  return 0;
}
