// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <cstdio>
#include <ostream>
#include <string_view>

#include "detail/point_calculation.h"
#include "engine/module1.h"
#include "platform/core/convert.h"
#include "platform/core/runtime_error.h"
#include "platform/core/version.h"

namespace cli {
namespace {

constexpr const char* kMainHelp =
    "Usage: orvalin-cli COMMAND ...\n"
    "The equation of time (apparent minus mean solar time) from the command line.\n"
    "\n"
    "Commands:\n"
    "  at YEAR MONTH DAY [HOUR]            the value at one instant\n"
    "  table YEAR [--hour H] [--csv]       one row per day of the year\n"
    "  chart YEAR [YEAR ...] [--rate] --output FILE.png\n"
    "                                      the chart of the graph window as an image\n"
    "\n"
    "  --help      this text; COMMAND --help for one command\n"
    "  --version   the version\n"
    "\n"
    "Years before the common era are negative (-500). Exit status: 0 done, 1 a value\n"
    "could not be used, 2 the command line was not understood.\n";

constexpr const char* kAtHelp =
    "Usage: orvalin-cli at YEAR MONTH DAY [HOUR]\n"
    "Prints the equation of time at HOUR o'clock (default 0) of DAY MONTH YEAR as the\n"
    "detail window shows it - sign and whole minutes, then seconds - followed by the\n"
    "value in decimal minutes, e.g. `- 14 16.3 -14.271947`.\n"
    "HOUR is Universal Time on the Julian Day scale (12 is noon at Greenwich), which\n"
    "is the instant the detail window evaluates; MONTH, DAY and HOUR may carry\n"
    "fractions and are not range-checked (day 32 of January is 1 February).\n";

constexpr const char* kTableHelp =
    "Usage: orvalin-cli table YEAR [--hour H] [--csv]\n"
    "One row per day of YEAR (365 or 366 by the Gregorian rule) at hour H (default\n"
    "0, Universal Time): the date, the minutes as the detail window shows them, the\n"
    "seconds, and the value in decimal minutes. --csv writes RFC 4180 CSV with a\n"
    "header row instead of aligned text.\n";

constexpr const char* kChartHelp =
    "Usage: orvalin-cli chart YEAR [YEAR ...] [--rate] --output FILE.png\n"
    "Draws the graph window's chart with one equation-of-time curve per YEAR, in the\n"
    "colours the window gives successive years (black, blue, green, ...), and with\n"
    "--rate the red rate-of-change curve of the last YEAR; writes it as a PNG image\n"
    "of the window's chart area. Nothing is written if anything fails.\n";

struct UsageError {
  std::string message;
};
struct ValueError {
  std::string message;
};

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// A year as the year entry window reads it: the leading number, halves to even,
// within 16 bits. A text that does not begin with a number is refused here rather
// than read as year 0.
int16_t ReadYear(const std::string& name, const std::string& text) {
  try {
    if (!platform::StartsWithNumber(text)) {
      throw ValueError{name + " '" + text + "' is not a number"};
    }
    return platform::RoundToInteger(platform::LeadingNumber(text));
  } catch (const platform::RuntimeError& error) {
    throw ValueError{name + " '" + text + "': " + error.description() + " (the year must lie in -32768..32767)"};
  }
}

// Month, day and hour as the detail window reads its boxes.
float ReadSingle(const std::string& name, const std::string& text) {
  try {
    return platform::TextToSingle(text);
  } catch (const platform::RuntimeError& error) {
    throw ValueError{name + " '" + text + "': " + error.description()};
  }
}

std::string DecimalMinutes(double minutes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", minutes);
  return text;
}

struct DayValue {
  std::string minutes_text;
  std::string seconds_text;
  std::string decimal_minutes;
};

// The detail window's calculation: the day argument stored once as a single, then
// the evaluation at the calculation year.
DayValue Evaluate(int16_t year, float month, float day, float hour) {
  const float day_argument = detail::DayArgument(day, hour);
  Module1::EquationOfTimeAt(year, month, day_argument);
  return {Module1::EotMinutesText, platform::SingleToText(Module1::EotSeconds),
          DecimalMinutes(Module1::EquationOfTimeMinutes(year, month, day_argument))};
}

int RunAt(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() < 4 || args.size() > 5) throw UsageError{"at needs YEAR MONTH DAY [HOUR]"};
  const int16_t year = ReadYear("YEAR", args[1]);
  const float month = ReadSingle("MONTH", args[2]);
  const float day = ReadSingle("DAY", args[3]);
  const float hour = args.size() == 5 ? ReadSingle("HOUR", args[4]) : 0.0f;
  const DayValue value = Evaluate(year, month, day, hour);
  out << value.minutes_text << ' ' << value.seconds_text << ' ' << value.decimal_minutes << '\n';
  return kOk;
}

std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

int RunTable(const std::vector<std::string>& args, std::ostream& out) {
  std::string year_text;
  std::string hour_text = "0";
  bool csv = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--csv") {
      csv = true;
    } else if (args[i] == "--hour") {
      if (++i == args.size()) throw UsageError{"--hour needs a value"};
      hour_text = args[i];
    } else if (args[i].rfind("--", 0) == 0) {
      throw UsageError{"table does not know the option " + args[i]};
    } else if (year_text.empty()) {
      year_text = args[i];
    } else {
      throw UsageError{"table takes one YEAR, got a second: " + args[i]};
    }
  }
  if (year_text.empty()) throw UsageError{"table needs YEAR"};
  const int16_t year = ReadYear("YEAR", year_text);
  const float hour = ReadSingle("--hour", hour_text);

  Module1::IsLeapYear(year);
  const std::string line_end = csv ? "\r\n" : "\n";
  if (csv) {
    out << "date,minutes,seconds,decimal_minutes" << line_end;
  } else {
    out << Padded("date", 13) << Padded("min", 6) << Padded("sec", 6) << "decimal minutes" << line_end;
  }
  for (int month = 1; month <= 12; ++month) {
    const int days_in_month = Module1::MonthDays(month);
    for (int day = 1; day <= days_in_month; ++day) {
      char date[24];
      std::snprintf(date, sizeof date, "%d-%02d-%02d", year, month, day);
      const DayValue value = Evaluate(year, static_cast<float>(month), static_cast<float>(day), hour);
      if (csv) {
        out << CsvField(date) << ',' << CsvField(value.minutes_text) << ',' << CsvField(value.seconds_text) << ','
            << CsvField(value.decimal_minutes) << line_end;
      } else {
        out << Padded(date, 13) << Padded(value.minutes_text, 6) << Padded(value.seconds_text, 6)
            << value.decimal_minutes << line_end;
      }
    }
  }
  return kOk;
}

int RunChart(const std::vector<std::string>& args, const ChartRenderer& render_chart) {
  ChartRequest request;
  std::vector<std::string> year_texts;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--rate") {
      request.rate = true;
    } else if (args[i] == "--output" || args[i] == "-o") {
      if (++i == args.size()) throw UsageError{"--output needs a file name"};
      request.output_path = args[i];
    } else if (args[i].rfind("--", 0) == 0) {
      throw UsageError{"chart does not know the option " + args[i]};
    } else {
      year_texts.push_back(args[i]);
    }
  }
  if (year_texts.empty()) throw UsageError{"chart needs at least one YEAR"};
  if (request.output_path.empty()) throw UsageError{"chart needs --output FILE.png"};
  for (const std::string& text : year_texts) request.years.push_back(ReadYear("YEAR", text));
  const std::string failure = render_chart(request);
  if (!failure.empty()) throw ValueError{failure};
  return kOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const ChartRenderer& render_chart) {
  try {
    if (args.empty()) throw UsageError{"a command is needed (at, table, chart); see --help"};
    const std::string& command = args[0];
    if (IsHelp(command)) {
      out << kMainHelp;
      return kOk;
    }
    if (command == "--version") {
      out << platform::kVersionMajor << '.' << platform::kVersionMinor << '.' << platform::kVersionRevision << '\n';
      return kOk;
    }
    const bool help = args.size() > 1 && IsHelp(args[1]);
    if (command == "at") {
      if (help) return out << kAtHelp, kOk;
      return RunAt(args, out);
    }
    if (command == "table") {
      if (help) return out << kTableHelp, kOk;
      return RunTable(args, out);
    }
    if (command == "chart") {
      if (help) return out << kChartHelp, kOk;
      return RunChart(args, render_chart);
    }
    throw UsageError{"unknown command '" + command + "' (at, table, chart); see --help"};
  } catch (const UsageError& error) {
    err << "orvalin-cli: " << error.message << '\n';
    return kUsageError;
  } catch (const ValueError& error) {
    err << "orvalin-cli: " << error.message << '\n';
    return kValueError;
  } catch (const platform::RuntimeError& error) {
    err << "orvalin-cli: " << error.description() << '\n';
    return kValueError;
  }
}

}  // namespace cli
