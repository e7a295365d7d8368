// SPDX-License-Identifier: MIT
#include "cli/io/command_line.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <map>

#include "cli/io/at_row.h"
#include "cli/drawing/qt_drawing.h"
#include "cli/io/drawing_module.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/values.h"
#include "paper/sheet_text.h"
#include "paper/sheet_testing.h"
#include "cli/commands/command_table.h"
#include "platform/core/testing/scoped_locale.h"
#include "platform/core/version.h"

namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

// Runs a command line as orvalin-cli does, drawing with the drawing library linked
// here rather than the module.
Result RunCommand(const std::vector<std::string>& args) {
  cli::UseDrawing(cli::QtDrawing());
  Result result;
  result.status = cli::RunCli(args, cli::CommandTable(), result.out, result.err);
  return result;
}

// "orvalin-cli 2.0.18": the project's version (version_test checks that every
// place agrees on it).
std::string VersionLine() {
  return "orvalin-cli " + std::to_string(platform::kVersionMajor) + "." + std::to_string(platform::kVersionMinor) + "." +
         std::to_string(platform::kVersionRevision) + "\n";
}

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(end, start)) != std::string::npos; start = at + end.size()) {
    lines.push_back(text.substr(start, at - start));
  }
  EXPECT_EQ(start, text.size()) << "the last line ends with a line break";
  return lines;
}

// Splits one RFC 4180 record (quoted fields with doubled quotes).
std::vector<std::string> CsvFields(const std::string& record) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t i = 0; i < record.size(); ++i) {
    const char c = record[i];
    if (quoted && c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

TEST(CliAt, PrintsTheValueAsTheDetailWindowShowsIt) {
  const struct {
    std::vector<std::string> args;
    const char* line;
  } kCases[] = {
      {{"at", "2002", "2", "11", "12"}, "- 14 16.3 -14.271947\n"},
      {{"at", "2002", "11", "3", "12"}, "+ 16 28.2 16.470496\n"},
      {{"at", "2002", "5", "14", "9"}, "+ 3 40.5 3.674308\n"},
      {{"at", "2002", "7", "26"}, "- 6 30.6 -6.509613\n"},  // hour 0 by default
      {{"at", "２００２", "２", "１１", "１２"}, "- 14 16.3 -14.271947\n"},
  };
  // The same texts under decimal-comma locales: printf's "%.6f" once wrote "-14,271947".
  for (const char* locale : {"C", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
    const platform::testing::ScopedLocale scoped(locale);
    if (!scoped.Active()) {
      if (platform::testing::LocalesRequired()) ADD_FAILURE() << locale << " is not installed";
      std::printf("locale %s is not installed here; its rows are skipped\n", locale);
      continue;
    }
    for (const auto& c : kCases) {
      const Result result = RunCommand(c.args);
      EXPECT_EQ(result.status, 0) << locale << ": " << c.line;
      EXPECT_EQ(result.out, c.line) << locale;
      EXPECT_EQ(result.err, "") << locale;
    }
  }
}

TEST(CliTable, OneRowPerDayOfTheYear) {
  const struct {
    const char* year;
    std::size_t days;
  } kCases[] = {{"2002", 365}, {"2004", 366}, {"2000", 366}, {"1900", 365}, {"-500", 365}};
  for (const auto& c : kCases) {
    const Result text = RunCommand({"table", c.year});
    ASSERT_EQ(text.status, 0) << c.year;
    EXPECT_EQ(Lines(text.out, "\n").size(), c.days + 1) << c.year;
    const Result csv = RunCommand({"table", c.year, "--csv"});
    ASSERT_EQ(csv.status, 0) << c.year;
    EXPECT_EQ(Lines(csv.out, "\r\n").size(), c.days + 1) << c.year;
  }
}

TEST(CliTable, CsvParsesBackToTheDetailWindowValues) {
  const Result csv = RunCommand({"table", "2002", "--hour", "12", "--csv"});
  ASSERT_EQ(csv.status, 0);
  const auto records = Lines(csv.out, "\r\n");
  ASSERT_EQ(records.size(), 366u);
  EXPECT_EQ(CsvFields(records[0]),
            (std::vector<std::string>{"date", "sign", "minutes", "seconds", "decimal_minutes"}));
  EXPECT_EQ(CsvFields(records[42]), (std::vector<std::string>{"2002-02-11", "-", "14", "16.3", "-14.271947"}));
  EXPECT_EQ(CsvFields(records[307]), (std::vector<std::string>{"2002-11-03", "+", "16", "28.2", "16.470496"}));
  for (const std::string& record : records) EXPECT_EQ(CsvFields(record).size(), 5u) << record;
}

TEST(CliChart, WritesTheWindowsChartWithCurvesInPaletteOrder) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("chart.png").toStdString();
  const Result result = RunCommand({"chart", "2002", "2003", "--rate", "--output", path});
  ASSERT_EQ(result.status, 0) << result.err;
  const QImage image(QString::fromStdString(path));
  ASSERT_EQ(image.size(), QSize(670, 471));
  auto colour = [&](double x_twips, double y_twips) {
    return image.pixel(static_cast<int>(std::lround(x_twips / 15)), static_cast<int>(std::lround(y_twips / 15))) &
           0xFFFFFFu;
  };
  // The second year's curve (blue) lies over the first's (black) almost everywhere.
  EXPECT_EQ(colour(840 + 306.45 * 8940 / 365.25, 681.19), 0x000080u) << "highest point of 2003, blue";
  EXPECT_EQ(colour(864.476386 + 259.2 * 8940 / 365.25, 1695.87), 0xFF0000u) << "largest rate, red";
  const QImage first_only = [&] {
    const std::string single = folder.filePath("one.png").toStdString();
    EXPECT_EQ(RunCommand({"chart", "2002", "-o", single}).status, 0);
    return QImage(QString::fromStdString(single));
  }();
  EXPECT_EQ(first_only.pixel(static_cast<int>(std::lround((840 + 41.55 * 8940 / 365.25) / 15)),
                             static_cast<int>(std::lround(5569.24 / 15))) & 0xFFFFFFu,
            0x000000u) << "lowest point of 2002, black";
}

TEST(CliChart, TheLegendGoesUnderTheChartInAnyFormat) {
  QTemporaryDir folder;
  const std::string plain = folder.filePath("plain.png").toStdString();
  const std::string legend = folder.filePath("legend.png").toStdString();
  ASSERT_EQ(RunCommand({"chart", "2002", "--rate", "-o", plain}).status, 0);
  ASSERT_EQ(RunCommand({"chart", "2002", "--rate", "--legend", "-o", legend}).status, 0);
  const QImage chart(QString::fromStdString(plain));
  const QImage with_legend(QString::fromStdString(legend));
  ASSERT_EQ(with_legend.width(), chart.width());
  ASSERT_GT(with_legend.height(), chart.height());
  EXPECT_EQ(with_legend.copy(chart.rect()), chart) << "the chart above the legend is unchanged";
  const Result svg = RunCommand({"chart", "2002", "--rate", "--legend", "-o", "-", "-f", "svg"});
  ASSERT_EQ(svg.status, 0) << svg.err;
  for (const char* entry : {">2002年<", ">2002年 一次微分<"}) {
    EXPECT_NE(svg.out.find(entry), std::string::npos) << entry;
  }
}

TEST(CliErrors, BadArgumentsGiveOneLineAStatusAndNoFile) {
  QTemporaryDir folder;
  const std::string png = folder.filePath("out.png").toStdString();
  const struct {
    std::vector<std::string> args;
    int status;
    const char* mentions;
  } kCases[] = {
      {{}, 2, "command"},
      {{"when"}, 2, "when"},
      {{"at", "2002", "2"}, 2, "YEAR MONTH DAY"},
      {{"at", "2002", "2", "11", "12", "0"}, 2, "YEAR MONTH DAY"},
      {{"at", "2002"}, 2, "YEAR MONTH DAY"},
      {{"at", "2002-02-11T12:00Z", "12"}, 2, "YYYY-MM-DD"},
      {{"at", "2002-02-11Z"}, 1, "'2002-02-11Z' is not an instant"},  // Z follows a time
      {{"at", "2002-02-11T24:00Z"}, 1, "'2002-02-11T24:00Z' is not an instant"},
      {{"at", "2002-13-11"}, 1, "MONTH '13'"},
      {{"at", "2002-02-11 12:00"}, 1, "is not an instant"},
      {{"at", "abc", "2", "11"}, 1, "YEAR"},
      {{"at", "40000", "2", "11"}, 1, "YEAR"},
      {{"at", "2002", "x", "11"}, 1, "MONTH"},
      {{"at", "2002", "2", "", "12"}, 1, "DAY"},
      {{"at", "2002", "2", "11", "noon"}, 1, "HOUR"},
      {{"table"}, 2, "YEAR"},
      {{"table", "2002", "--hour"}, 2, "--hour"},
      {{"table", "2002", "--hour", "x"}, 1, "--hour"},
      {{"table", "2002", "--tsv"}, 2, "--tsv"},
      {{"table", "2002", "2003"}, 2, "2003"},
      {{"chart", "2002"}, 2, "--output"},
      {{"chart", "--output", png}, 2, "YEAR"},
      {{"chart", "2002", "1e9", "--output", png}, 1, "YEAR"},
      {{"chart", "2002", "--output", folder.filePath("no/such/dir/x.png").toStdString()}, 1, "cannot write"},
      {{"chart", "2002", "--output", folder.path().toStdString(), "--format", "png"}, 1, "folder"},
      {{"chart", "2002", "--output"}, 2, "--output"},
      // Values are read whole and in range; nothing after the number, no exponent.
      {{"at", "2002", "2", "1e30"}, 1, "DAY"},
      {{"at", "2002", "2", "11", "1e30"}, 1, "HOUR"},
      {{"at", "2002abc", "2", "11"}, 1, "YEAR '2002abc'"},
      {{"at", "32768", "1", "1"}, 1, "YEAR"},
      {{"at", "-32769", "1", "1"}, 1, "YEAR"},
      {{"at", "2002.0", "1", "1"}, 1, "YEAR"},
      {{"at", "2002", "13", "1"}, 1, "MONTH"},
      {{"at", "2002", "0", "1"}, 1, "MONTH"},
      {{"at", "2002", "1.5", "1"}, 1, "MONTH"},
      {{"at", "2002", "2", "29"}, 1, "1..28"},
      {{"at", "2004", "2", "30"}, 1, "1..29"},
      {{"at", "1900", "2", "29"}, 1, "1..28"},
      {{"at", "2002", "4", "31"}, 1, "1..30"},
      {{"at", "2002", "4", "0"}, 1, "DAY"},
      {{"at", "2002", "2", "11", "24"}, 1, "HOUR"},
      {{"at", "2002", "2", "11", "-1"}, 1, "HOUR"},
      {{"at", "2002", "2", "11", "12,5"}, 1, "HOUR '12,5'"},
      {{"at", "2002", "2", "11", " 12"}, 1, "HOUR"},
      {{"at", "2002", "2", "11", "."}, 1, "HOUR"},
      {{"table", "2026", "--hour", "1e9"}, 1, "--hour"},
      {{"table", "2026", "--hour", "--csv"}, 1, "--hour '--csv'"},  // the value, whatever it looks like
      // Echoed arguments stay on one line.
      {{"at", "2002", "2", "11\n"}, 1, "DAY '11\\n'"},
      {{"at", "2002", "2", "11", "\t\x01"}, 1, "HOUR '\\t\\x01'"},
      // The command line itself.
      {{"at", "2002", "2", "11", "--bogus"}, 2, "unknown option '--bogus'"},
      {{"at", "2002", "2", "11", "-x"}, 2, "'-x'"},
      {{"table", "2002", "--csv=yes"}, 2, "--csv"},
      {{"table", "2002", "--csv", "--json"}, 2, "--json"},
      {{"table", "2002", "-H12"}, 2, "-H12"},
      {{"--bogus"}, 2, "--bogus"},
      {{"at", "--", "--help", "1", "1"}, 1, "YEAR '--help'"},
      // Solar noon: the longitude is required and strict, the zone one the system knows.
      {{"noon", "2026"}, 2, "--longitude"},
      {{"noon", "2026", "-l", "181"}, 1, "--longitude '181'"},
      {{"noon", "2026", "-l", "-180.5"}, 1, "--longitude '-180.5'"},
      {{"noon", "2026", "-l", "1e2"}, 1, "--longitude '1e2'"},
      {{"noon", "2026", "-l", "13,4"}, 1, "--longitude '13,4'"},
      {{"noon", "2026", "-l", "13.4E"}, 1, "--longitude '13.4E'"},
      {{"noon", "2026", "-l", "13.4", "-z", "Mars/Olympus"}, 1, "ZONE 'Mars/Olympus' is not a time-zone name"},
      {{"noon", "2026", "-l", "13.4", "-z", ""}, 1, "ZONE ''"},
      // Names QTimeZone alone reads as POSIX strings meaning UTC: refused, with what was meant.
      {{"noon", "2026", "-l", "139.7667", "-z", "JST"}, 1,
       "ZONE 'JST' is not a time-zone name; did you mean Asia/Tokyo?"},
      {{"noon", "2026", "-l", "13.4", "-z", "Berlin"}, 1, "did you mean Europe/Berlin?"},
      {{"noon", "2026", "-l", "13.4", "-z", "Europe/../Europe/Berlin"}, 1, "ZONE 'Europe/../Europe/Berlin'"},
      {{"noon", "2026", "-l", "13.4", "--csv", "--json"}, 2, "--json"},
      {{"noon", "0", "-l", "13.4"}, 1, "YEAR '0'"},
      {{"noon", "2026", "2027", "-l", "13.4"}, 2, "2027"},
      // The image format: from the name, or named; needed for standard output.
      {{"chart", "2002", "-o", "-"}, 2, "--format"},
      {{"chart", "2002", "-o", folder.filePath("x.gif").toStdString()}, 2, "x.gif"},
      {{"chart", "2002", "-o", png, "-f", "jpg"}, 1, "--format 'jpg'"},
  };
  for (const auto& c : kCases) {
    const Result result = RunCommand(c.args);
    const std::string shown = c.args.empty() ? "(none)" : c.args[0] + (c.args.size() > 1 ? " " + c.args[1] : "");
    EXPECT_EQ(result.status, c.status) << shown;
    EXPECT_EQ(result.out, "") << shown;
    EXPECT_NE(result.err.find(c.mentions), std::string::npos) << shown << ": " << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << shown;
  }
  EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "no partial file";
}

TEST(CliHelp, EveryCommandHasHelpAndTheVersionIsPrinted) {
  EXPECT_EQ(RunCommand({"--help"}).out.rfind("Usage: orvalin-cli", 0), 0u);
  for (const cli::Command& command : cli::CommandTable()) {
    const Result result = RunCommand({command.name, "--help"});
    EXPECT_EQ(result.status, 0) << command.name;
    EXPECT_EQ(result.out.rfind("Usage: orvalin-cli " + command.name + " ", 0), 0u) << command.name;
    EXPECT_NE(RunCommand({"--help"}).out.find("  " + command.name + " "), std::string::npos) << command.name;
  }
  EXPECT_NE(RunCommand({"at", "--help"}).out.find("Universal Time"), std::string::npos);
  EXPECT_NE(RunCommand({"noon", "--help"}).out.find("12 h - DEG/15 h - E/60 h"), std::string::npos) << "the method";
  EXPECT_EQ(RunCommand({"--version"}).out, VersionLine());
}

TEST(CliHelp, HelpAnywhereBeforeTheEndOfOptionsIsThatCommandsHelp) {
  const struct {
    std::vector<std::string> args;
    const char* starts;
  } kCases[] = {
      {{"at", "2002", "--help"}, "Usage: orvalin-cli at "},
      {{"at", "2002", "2", "99", "-h"}, "Usage: orvalin-cli at "},
      {{"table", "--bogus", "-h"}, "Usage: orvalin-cli table "},
      {{"chart", "-o", "x.png", "--help"}, "Usage: orvalin-cli chart "},
      {{"-h"}, "Usage: orvalin-cli COMMAND"},
      {{"-V"}, "orvalin-cli "},
      {{"table", "2002", "--version"}, "orvalin-cli "},
  };
  for (const auto& c : kCases) {
    const Result result = RunCommand(c.args);
    EXPECT_EQ(result.status, 0) << c.starts;
    EXPECT_EQ(result.out.rfind(c.starts, 0), 0u) << c.starts << ": " << result.out;
    EXPECT_EQ(result.err, "");
  }
  for (const char* command : {"at", "table", "noon", "chart"}) {
    const std::string help = RunCommand({command, "--help"}).out;
    EXPECT_NE(help.find("-h, --help"), std::string::npos) << command << " lists the short forms";
  }
  EXPECT_NE(RunCommand({"table", "-h"}).out.find("-H, --hour H"), std::string::npos);
  EXPECT_NE(RunCommand({"chart", "-h"}).out.find("-o, --output FILE"), std::string::npos);
}

// Each pair of command lines says the same thing in two forms.
TEST(CliParsing, EquivalentFormsGiveTheSameOutput) {
  const struct {
    std::vector<std::string> args;
    std::vector<std::string> same_as;
  } kCases[] = {
      {{"at", "--", "2002", "2", "11", "12"}, {"at", "2002", "2", "11", "12"}},
      {{"at", "--", "-500", "1", "1"}, {"at", "-500", "1", "1"}},
      {{"at", "2002", "2", "11", "12.0"}, {"at", "2002", "2", "11", "12"}},
      {{"at", "2002", "2", "11", "7.5"}, {"at", "2002", "2", "11", "07.50"}},
      {{"at", "2002", "02", "011", "12"}, {"at", "2002", "2", "11", "12"}},
      {{"at", "２００２", "２", "１１", "１２．０"}, {"at", "2002", "2", "11", "12"}},
      {{"at", "-j", "2002", "2", "11"}, {"at", "2002", "2", "11", "--json"}},
      // One ISO 8601 operand, as a line of at --from is read.
      {{"at", "2002-02-11T12:00Z"}, {"at", "2002", "2", "11", "12"}},
      {{"at", "2002-02-11T07:30", "--csv"}, {"at", "2002", "2", "11", "7.5", "--csv"}},
      {{"at", "-j", "2002-02-11T12:00:36Z"}, {"at", "2002", "2", "11", "12.01", "-j"}},
      {{"at", "2002-02-11"}, {"at", "2002", "2", "11"}},
      {{"at", "--", "-0500-01-01T06:00Z"}, {"at", "-500", "1", "1", "6"}},
      {{"at", "２００２-０２-１１T１２:００Z"}, {"at", "2002", "2", "11", "12"}},
      {{"table", "2002", "--hour=12", "--csv"}, {"table", "--csv", "--hour", "12", "2002"}},
      {{"table", "2002", "-H", "12", "-c"}, {"table", "2002", "--hour", "12", "--csv"}},
      {{"table", "-500", "--hour", "6"}, {"table", "--hour", "6", "--", "-500"}},
      {{"chart", "2002", "-o", "-", "-f", "png"}, {"chart", "2002", "--output=-", "--format=png"}},
      {{"noon", "2026", "--longitude=-157.8583", "--zone=Pacific/Honolulu", "-j"},
       {"noon", "-j", "-l", "-157.8583", "-z", "Pacific/Honolulu", "--", "2026"}},
      {{"noon", "2026", "-l", "１３５", "-z", "UTC+09:00"}, {"noon", "2026", "-l", "135.0", "-z", "UTC+09:00"}},
      {{"noon", "2026", "-l", "-0", "-z", "UTC"}, {"noon", "2026", "-l", "0", "-z", "UTC"}},
  };
  for (const auto& c : kCases) {
    const Result result = RunCommand(c.args);
    const Result expected = RunCommand(c.same_as);
    EXPECT_EQ(result.status, 0) << c.args[1] << " " << result.err;
    EXPECT_EQ(expected.status, 0) << c.same_as[1] << " " << expected.err;
    EXPECT_FALSE(result.out.empty());
    EXPECT_EQ(result.out, expected.out) << c.args[1];
  }
}

TEST(CliValues, TheEdgesOfEachRangeAreAccepted) {
  const std::vector<std::string> kAccepted[] = {
      {"at", "-32768", "1", "1"}, {"at", "32767", "12", "31"}, {"at", "2004", "2", "29"},
      {"at", "2000", "2", "29"},  {"at", "2002", "1", "31"},   {"at", "2002", "2", "11", "23.999"},
      {"at", "2002", "2", "11", "0"}, {"at", "2002", "2", "11", "0.0"}, {"at", "-0", "1", "1"},
      {"noon", "1", "-l", "-180", "-z", "UTC"}, {"noon", "32767", "-l", "180", "-z", "UTC"},
  };
  for (const auto& args : kAccepted) {
    const Result result = RunCommand(args);
    EXPECT_EQ(result.status, 0) << args[1] << " " << args[2] << " " << args[3] << ": " << result.err;
  }
}

TEST(CliEcho, ControlCharactersAndForeignBytesAreEscapedAndLongTextCut) {
  const struct {
    std::string argument;
    std::string shown;
  } kCases[] = {
      {"2002", "'2002'"},
      {"a\nb", "'a\\nb'"},
      {"\t\r", "'\\t\\r'"},
      {std::string("\x01\x7f", 2), "'\\x01\\x7f'"},
      {"\xff\xfe.png", "'\\xff\\xfe.png'"},
      {"\xe6\x97", "'\\xe6\\x97'"},  // a UTF-8 sequence cut short
      {"日本", "'日本'"},
      {"\xc2\x8d\xc2\x9b" "2J\xc2\xa0", "'\\xc2\\x8d\\xc2\\x9b2J\xc2\xa0'"},  // C1 controls once passed (RI, CSI)
      {"a\\b", "'a\\\\b'"},
      {std::string(100000, 'x'), "'" + std::string(60, 'x') + "'... (100000 bytes)"},
  };
  for (const auto& c : kCases) EXPECT_EQ(cli::Echo(c.argument), c.shown) << c.shown;
}

TEST(CliFormats, DatesAreIso8601WithFourDigitYears) {
  const struct {
    const char* year;
    const char* first_record;
  } kCases[] = {
      {"5", "0005-01-01,"},       {"-500", "-0500-01-01,"}, {"0", "0000-01-01,"},
      {"32767", "32767-01-01,"}, {"-32768", "-32768-01-01,"}, {"2026", "2026-01-01,"},
  };
  for (const auto& c : kCases) {
    const Result csv = RunCommand({"table", c.year, "--csv"});
    ASSERT_EQ(csv.status, 0) << c.year;
    const auto records = Lines(csv.out, "\r\n");
    EXPECT_EQ(records.at(1).rfind(c.first_record, 0), 0u) << c.year << ": " << records.at(1);
  }
  EXPECT_EQ(Lines(RunCommand({"table", "32767", "--csv"}).out, "\r\n").back().substr(0, 12), "32767-12-31,");
}

// The fields of one JSON Lines object of ours: "key":value pairs, values either
// strings without escapes or numbers.
std::map<std::string, std::string> JsonFields(const std::string& line) {
  std::map<std::string, std::string> fields;
  EXPECT_TRUE(line.size() > 2 && line.front() == '{' && line.back() == '}') << line;
  std::size_t at = 1;
  while (at < line.size() - 1) {
    const std::size_t key_end = line.find("\":", at + 1);
    const std::string key = line.substr(at + 1, key_end - at - 1);
    std::size_t value_end = line.find_first_of(",}", key_end + 2);
    if (line[key_end + 2] == '"') value_end = line.find('"', key_end + 3) + 1;
    fields[key] = line.substr(key_end + 2, value_end - key_end - 2);
    at = value_end + 1;
  }
  return fields;
}

// Every day of a common and a leap year: the CSV record and the JSON object of the
// table say what `at` says for that day and hour.
TEST(CliFormats, CsvAndJsonAgreeWithAtForEveryDay) {
  const struct {
    const char* year;
    const char* hour;
    std::size_t days;
  } kCases[] = {{"2002", "12", 365}, {"2004", "7.5", 366}};
  for (const auto& c : kCases) {
    const auto records = Lines(RunCommand({"table", c.year, "--hour", c.hour, "--csv"}).out, "\r\n");
    const auto objects = Lines(RunCommand({"table", c.year, "--hour", c.hour, "--json"}).out, "\n");
    ASSERT_EQ(records.size(), c.days + 1) << c.year;
    ASSERT_EQ(objects.size(), c.days) << c.year;
    for (std::size_t i = 0; i < c.days; ++i) {
      const auto csv = CsvFields(records[i + 1]);
      ASSERT_EQ(csv.size(), 5u) << records[i + 1];
      const std::string month = std::to_string(std::stoi(csv[0].substr(5, 2)));
      const std::string day = std::to_string(std::stoi(csv[0].substr(8, 2)));
      EXPECT_EQ(csv[0].substr(0, 4), c.year);
      const std::string text = RunCommand({"at", c.year, month, day, c.hour}).out;
      EXPECT_EQ(csv[1] + " " + csv[2] + " " + csv[3] + " " + csv[4] + "\n", text) << csv[0];
      // `at` names the hour as well, after the date.
      const std::string json = RunCommand({"at", c.year, month, day, c.hour, "--json"}).out;
      const std::size_t after_date = objects[i].find(",\"sign\"");
      EXPECT_EQ(objects[i].substr(0, after_date) + ",\"hour\":" + c.hour + objects[i].substr(after_date) + "\n", json);
      const std::string at_csv = RunCommand({"at", c.year, month, day, c.hour, "--csv"}).out;
      EXPECT_EQ(at_csv, std::string(cli::AtCsvHeader()) + csv[0] + "," + c.hour + records[i + 1].substr(10) + "\r\n");
      const auto fields = JsonFields(objects[i]);
      EXPECT_EQ(fields, (std::map<std::string, std::string>{{"date", "\"" + csv[0] + "\""},
                                                             {"sign", "\"" + csv[1] + "\""},
                                                             {"minutes", csv[2]},
                                                             {"seconds", csv[3]},
                                                             {"decimal_minutes", csv[4]}}))
          << objects[i];
      EXPECT_NO_THROW((void)std::stod(csv[3]));
      EXPECT_EQ(csv[4][0] == '-', csv[1] == "-") << csv[0];
    }
  }
}

// Clock noon for a dial: the rows that matter most to a dial's table, the day
// summer time begins and ends among them (Berlin changes at 01:00 UTC, before
// its transit, so that day's offset is the new one).
TEST(CliNoon, RowsForTokyoAndBerlinInEveryForm) {
  const struct {
    const char* longitude;
    const char* zone;
    const char* date;
    const char* noon;
    int correction_seconds;
    const char* text_row;
  } kRows[] = {
      {"139.7667", "Asia/Tokyo", "2026-01-01", "11:44:19", -941, "2026-01-01   11:44:19  -15 m 41 s"},
      {"139.7667", "Asia/Tokyo", "2026-03-31", "11:45:11", -889, "2026-03-31   11:45:11  -14 m 49 s"},
      {"139.7667", "Asia/Tokyo", "2026-11-01", "11:24:29", -2131, "2026-11-01   11:24:29  -35 m 31 s"},
      {"13.4050", "Europe/Berlin", "2026-01-01", "12:09:56", 596, "2026-01-01   12:09:56  +9 m 56 s"},
      {"13.4050", "Europe/Berlin", "2026-03-28", "12:11:25", 685, "2026-03-28   12:11:25  +11 m 25 s"},
      {"13.4050", "Europe/Berlin", "2026-03-29", "13:11:07", 4267, "2026-03-29   13:11:07  +71 m 7 s"},
      {"13.4050", "Europe/Berlin", "2026-03-31", "13:10:31", 4231, "2026-03-31   13:10:31  +70 m 31 s"},
      {"13.4050", "Europe/Berlin", "2026-10-25", "11:50:25", -575, "2026-10-25   11:50:25  -9 m 35 s"},
      {"13.4050", "Europe/Berlin", "2026-11-01", "11:49:55", -605, "2026-11-01   11:49:55  -10 m 5 s"},
  };
  for (const auto& row : kRows) {
    const std::vector<std::string> args = {"noon", "2026", "--longitude", row.longitude, "--zone", row.zone};
    auto with = [&args](const char* option) {
      auto extended = args;
      extended.push_back(option);
      return extended;
    };
    const Result text = RunCommand(args);
    const Result csv = RunCommand(with("--csv"));
    const Result json = RunCommand(with("--json"));
    ASSERT_EQ(text.status + csv.status + json.status, 0) << row.zone << text.err << csv.err << json.err;
    EXPECT_NE(text.out.find(std::string(row.text_row) + "\n"), std::string::npos) << row.text_row;
    const std::string record = std::string(row.date) + "," + row.noon + "," + std::to_string(row.correction_seconds);
    EXPECT_NE(csv.out.find("\r\n" + record + "\r\n"), std::string::npos) << record;
    const std::string object = std::string("{\"date\":\"") + row.date + "\",\"noon\":\"" + row.noon +
                               "\",\"correction_seconds\":" + std::to_string(row.correction_seconds) + "}\n";
    EXPECT_NE(json.out.find(object), std::string::npos) << object;
  }
}

TEST(CliNoon, OneRowPerDayAndTheFormsAgree) {
  const struct {
    const char* year;
    std::size_t days;
  } kCases[] = {{"2026", 365}, {"2024", 366}};
  for (const auto& c : kCases) {
    const std::vector<std::string> args = {"noon", c.year, "-l", "-157.8583", "-z", "Pacific/Honolulu"};
    const Result text = RunCommand(args);
    auto csv_args = args, json_args = args;
    csv_args.push_back("--csv");
    json_args.push_back("--json");
    const auto records = Lines(RunCommand(csv_args).out, "\r\n");
    const auto objects = Lines(RunCommand(json_args).out, "\n");
    ASSERT_EQ(Lines(text.out, "\n").size(), c.days + 1) << c.year;
    ASSERT_EQ(records.size(), c.days + 1) << c.year;
    ASSERT_EQ(objects.size(), c.days) << c.year;
    EXPECT_EQ(records[0], "date,noon,correction_seconds");
    for (std::size_t i = 0; i < c.days; ++i) {
      const auto fields = CsvFields(records[i + 1]);
      ASSERT_EQ(fields.size(), 3u) << records[i + 1];
      const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(objects[i])).object();
      EXPECT_EQ(object.value("date").toString().toStdString(), fields[0]) << objects[i];
      EXPECT_EQ(object.value("noon").toString().toStdString(), fields[1]) << objects[i];
      EXPECT_EQ(object.value("correction_seconds").toInt(), std::stoi(fields[2])) << objects[i];
    }
  }
}

TEST(CliChart, TheFormatComesFromTheNameOrTheOption) {
  QTemporaryDir folder;
  const struct {
    std::vector<std::string> options;
    const char* file;  // null: standard output
    const char* starts_with;
  } kCases[] = {
      {{}, "c.svg", "<?xml"},
      {{}, "c.PDF", "%PDF-"},
      {{}, "c.png", "\x89PNG"},
      {{"-f", "svg"}, "named.png", "<?xml"},
      {{"--format=pdf"}, nullptr, "%PDF-"},
      {{"-f", "PNG"}, nullptr, "\x89PNG"},
  };
  for (const auto& c : kCases) {
    const std::string path = c.file ? folder.filePath(c.file).toStdString() : "-";
    std::vector<std::string> args = {"chart", "2002", "--rate", "-o", path};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Result result = RunCommand(args);
    ASSERT_EQ(result.status, 0) << path << ": " << result.err;
    std::string bytes = result.out;
    if (c.file) {
      QFile file(QString::fromStdString(path));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
      bytes = file.readAll().toStdString();
    }
    EXPECT_EQ(bytes.rfind(c.starts_with, 0), 0u) << path;
  }
}

// The usage line names every option, in the command's help and in the list of
// commands: noonmark's once left out [--lang ja|en].
TEST(CliHelp, TheUsageLineNamesEveryOption) {
  const std::string main_help = RunCommand({"--help"}).out;
  for (const cli::Command& command : cli::CommandTable()) {
    const std::string help = RunCommand({command.name, "--help"}).out;
    const std::string usage = help.substr(0, help.find('\n'));
    const std::size_t listed = main_help.find("  " + command.name + " ");
    ASSERT_NE(listed, std::string::npos) << command.name;
    const std::string listed_line = main_help.substr(listed, main_help.find('\n', listed) - listed);
    for (const cli::OptionSpec& option : command.options) {
      EXPECT_NE(usage.find("--" + option.long_name), std::string::npos) << command.name << " --" << option.long_name;
      EXPECT_NE(listed_line.find("--" + option.long_name), std::string::npos)
          << command.name << " --" << option.long_name << " in orvalin-cli --help";
    }
  }
}

// The height the sheet prints reads back as the height given: 1e-21 mm was
// accepted and printed as "1e-21 mm", which --height refuses.
TEST(CliNoonMark, TheHeightPrintedIsTheHeightRead) {
  for (const char* text : {"0.1", "0.25", "1", "120", "120.25", "99999.9", "100000", "12345.678901", "0.30000000000000004",
                           "１２０．５"}) {
    const double read = cli::ReadHeightMm("--height", text);
    const std::string printed = paper::MillimetresText(read).toStdString();
    EXPECT_EQ(printed.find_first_not_of("0123456789."), std::string::npos) << text << " printed as " << printed;
    EXPECT_EQ(cli::ReadHeightMm("--height", printed), read) << text << " printed as " << printed;
  }
  for (const char* text : {"0.09", "0.000000000000000000001", "1e-21", "0", "100000.1"}) {
    EXPECT_THROW(cli::ReadHeightMm("--height", text), cli::ValueError) << text;
  }
  // And on the sheet itself.
  const Result result = RunCommand({"noonmark", "--latitude", "35.6812", "-l", "139.7671", "-z", "Asia/Tokyo",
                                    "--height", "120.25", "--lang", "en", "-f", "svg"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(paper::testing::SvgText(QByteArray::fromStdString(result.out)).contains("nodus 120.25 mm above it"));
}

// A zone's noon mark is read on the clock of its winter: the same figure as the
// fixed offset of that clock. Dublin's tz data call UTC+01:00 standard, and its
// mark was set for 11:00 of the winter clock.
TEST(CliNoonMark, TheClockIsTheZonesWinterClock) {
  const struct {
    const char* zone;
    const char* winter;
    int status;  // 1: at longitude 0 the clocks of the far east read 12:00 at night, refused
  } kCases[] = {
      {"Europe/Dublin", "UTC", 0},
      {"Europe/Berlin", "UTC+01:00", 0},
      {"Australia/Sydney", "UTC+10:00", 1},
      {"Africa/Casablanca", "UTC+01:00", 0},
      {"Asia/Tokyo", "UTC+09:00", 1},
  };
  for (const auto& c : kCases) {
    auto csv = [](const char* zone) {
      return RunCommand({"noonmark", "--latitude", "40", "-l", "0", "-z", zone, "--height", "500", "--year", "2026",
                         "-f", "csv"});
    };
    const Result zone = csv(c.zone);
    const Result winter = csv(c.winter);
    ASSERT_EQ(zone.status, c.status) << c.zone << ": " << zone.err;
    EXPECT_EQ(winter.status, c.status) << c.winter << ": " << winter.err;
    EXPECT_EQ(zone.out, winter.out) << c.zone;
    EXPECT_EQ(zone.err, winter.err) << c.zone;
  }
  // The sheet names both clocks and says when to read it in summer.
  const Result sheet = RunCommand({"noonmark", "--latitude", "53.35", "-l", "-6.26", "-z", "Europe/Dublin", "--height",
                                   "100", "--lang", "en", "-f", "svg"});
  ASSERT_EQ(sheet.status, 0) << sheet.err;
  const QString text = paper::testing::SvgText(QByteArray::fromStdString(sheet.out)).remove(QLatin1Char(' '));
  EXPECT_TRUE(text.contains("standardtimeUTC+00:00,summertimeUTC+01:00")) << text.toStdString();
  EXPECT_TRUE(text.contains("duringsummertime,readitat13:00bytheclock")) << text.toStdString();
}

// The number after "facing " on the first line of `text`.
double FacingDegrees(const std::string& text) {
  EXPECT_EQ(text.rfind("facing ", 0), 0u) << text;
  return std::stod(text.substr(7));
}

// A wall's facing from a rod's shadow: the Sun's azimuth then, less the angle.
// The azimuths are PyEphem's (4.1.4) for the same places and instants, so each
// case checks the conversion of the clock time as well as the Sun.
TEST(CliFacing, FacingsAgreeWithAnEphemerisSun) {
  const struct {
    std::vector<std::string> args;
    double ephemeris_facing;  // PyEphem's azimuth less the angle
    const char* meaning;
  } kCases[] = {
      // Tokyo, 05:30 UTC: PyEphem's Sun at azimuth 256.2590.
      {{"--latitude", "35.6812", "-l", "139.7671", "-z", "Asia/Tokyo", "--at", "2026-05-10T14:30", "--shadow-angle",
        "12.5"},
       243.7590, "south of west"},
      // Berlin in summer time (UTC+02:00), 10:30 UTC: 161.6100.
      {{"--latitude", "52.52", "-l", "13.405", "-z", "Europe/Berlin", "--at", "2026-06-29T12:30", "--shadow-angle",
        "-20"},
       181.6100, "west of south"},
      // Berlin on the morning summer time ends, after the change (UTC+01:00), 09:30 UTC: 158.5701.
      {{"--latitude", "52.52", "-l", "13.405", "-z", "Europe/Berlin", "--at", "2026-10-25T10:30", "--shadow-angle",
        "30"},
       128.5701, "38.6° south of east"},
      // Sydney in its summer (UTC+11:00), 02:00 UTC, the Sun in the north: 4.6589.
      {{"--latitude", "-33.8688", "-l", "151.2093", "-z", "Australia/Sydney", "--at", "2026-01-15T13:00",
        "--shadow-angle", "0"},
       4.6589, "east of north"},
      // Honolulu (UTC-10:00), 20:00 UTC: 113.5372; the same instant written in UTC.
      {{"--latitude", "21.3069", "-l", "-157.8583", "-z", "Pacific/Honolulu", "--at", "2026-03-20T10:00",
        "--shadow-angle", "-35"},
       148.5372, "east of south"},
      {{"--latitude", "21.3069", "-l", "-157.8583", "-z", "Asia/Tokyo", "--at", "2026-03-20T20:00Z", "--shadow-angle",
        "-35"},
       148.5372, "east of south"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args{"facing"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result result = RunCommand(args);
    ASSERT_EQ(result.status, 0) << c.args[7] << ": " << result.err;
    EXPECT_NEAR(FacingDegrees(result.out), c.ephemeris_facing, 0.05 + 0.03) << c.args[7];  // printed to 0.1
    EXPECT_NE(result.out.find(c.meaning), std::string::npos) << result.out;
    const auto lines = Lines(result.out, "\n");
    ASSERT_EQ(lines.size(), 3u) << result.out;
    EXPECT_EQ(lines[1], "give dial and noonmark --facing " + result.out.substr(7, result.out.find("°") - 7));
  }
}

TEST(CliFacing, RefusalsSayWhy) {
  const std::vector<std::string> berlin = {"facing", "--latitude", "52.52", "-l", "13.405", "-z", "Europe/Berlin"};
  const struct {
    std::vector<std::string> args;
    int status;
    const char* mentions;
  } kCases[] = {
      {{"--at", "2026-06-29T23:30", "--shadow-angle", "5"}, 1, "the Sun was below the horizon"},
      {{"--at", "2026-06-29T12:30", "--shadow-angle", "95"}, 1, "on or behind the wall"},
      {{"--at", "2026-06-29T12:30", "--shadow-angle", "-90"}, 1, "on or behind the wall"},
      {{"--at", "2026-06-29T12:30", "--shadow-angle", "181"}, 1, "--shadow-angle '181' is not an angle"},
      {{"--at", "2026-06-29T12:30", "--shadow-angle", "12,5"}, 1, "--shadow-angle '12,5'"},
      {{"--at", "2026-03-29T02:30", "--shadow-angle", "0"}, 1, "never showed on Europe/Berlin's clocks"},
      {{"--at", "2026-10-25T02:30", "--shadow-angle", "0"}, 1, "showed twice"},
      {{"--at", "2026-06-29", "--shadow-angle", "0"}, 1, "is not a clock time"},
      {{"--at", "2026-06-29T12:30"}, 2, "facing needs --shadow-angle DEG"},
      {{"--shadow-angle", "0"}, 2, "facing needs --at TIME and --shadow-angle DEG, or --from FILE"},
      {{"--from", "-", "--at", "2026-06-29T12:30"}, 2, "not --at"},
      {{"--at", "2026-06-29T12:30", "--shadow-angle", "0", "2026"}, 2, "2026"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = berlin;
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result result = RunCommand(args);
    EXPECT_EQ(result.status, c.status) << c.mentions;
    EXPECT_EQ(result.out, "") << c.mentions;
    EXPECT_NE(result.err.find(c.mentions), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  EXPECT_EQ(RunCommand({"facing", "-l", "13.4", "--at", "2026-06-29T12:30", "--shadow-angle", "0"}).status, 2)
      << "no latitude";
}

// Several readings from a file: each one's facing by its line, then the mean and
// the spread; a line that gives none is named by its number and skipped.
TEST(CliFacing, ReadingsFromAFileGiveEachAndTheirMean) {
  QTemporaryDir folder;
  const QString path = folder.filePath("readings.txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  // Tokyo: at 14:30 the Sun stands at azimuth 256.2590 (PyEphem), so an angle of
  // 12.5 gives 243.759 and one of 12.9 gives 243.359: the mean is 243.559 and the
  // spread (n - 1) 0.283.
  file.write("# the south-west wall\n"
             "2026-05-10T14:30 12.5\n"
             "\n"
             "2026-05-10T14:30 12.9\r\n"
             "2026-05-10T23:30 12.5\n"
             "2026-05-10T14:30\n"
             "2026-05-10T14:30 twelve\n");
  file.close();
  const Result result = RunCommand({"facing", "--latitude", "35.6812", "-l", "139.7671", "-z", "Asia/Tokyo", "--from",
                                    path.toStdString()});
  EXPECT_EQ(result.status, 1);
  const auto lines = Lines(result.out, "\n");
  ASSERT_EQ(lines.size(), 5u) << result.out;
  EXPECT_EQ(lines[0].rfind("line 2: facing ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("line 4: facing ", 0), 0u) << lines[1];
  EXPECT_NEAR(std::stod(lines[0].substr(15)), 243.759, 0.08);
  EXPECT_NEAR(std::stod(lines[1].substr(15)), 243.359, 0.08);
  ASSERT_EQ(lines[2].rfind("mean of 2 readings: facing ", 0), 0u) << lines[2];
  EXPECT_NEAR(std::stod(lines[2].substr(27)), 243.559, 0.08);
  EXPECT_EQ(lines[3], "spread 0.3° (standard deviation); line 2 lies farthest from the mean, 0.2°");
  EXPECT_EQ(lines[4].rfind("give dial and noonmark --facing 243.", 0), 0u) << lines[4];
  const auto complaints = Lines(result.err, "\n");
  ASSERT_EQ(complaints.size(), 3u) << result.err;
  EXPECT_NE(complaints[0].find("line 5: the Sun was below the horizon"), std::string::npos) << complaints[0];
  EXPECT_NE(complaints[1].find("line 6: '2026-05-10T14:30' is not a reading"), std::string::npos) << complaints[1];
  EXPECT_NE(complaints[2].find("line 7: ANGLE 'twelve' is not an angle"), std::string::npos) << complaints[2];

  // Facings either side of north average to north, not south.
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("2026-05-10T14:30 -102.0\n2026-05-10T14:30 -105.0\n");
  file.close();
  const Result north = RunCommand({"facing", "--latitude", "35.6812", "-l", "139.7671", "-z", "Asia/Tokyo", "--from",
                                   path.toStdString()});
  EXPECT_EQ(north.status, 1) << "both put the Sun behind the wall: " << north.err;
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  // The Sun at azimuth 84.1137 (PyEphem): facings 5.1 and 355.1, whose mean is 0.1, not 180.1.
  file.write("2026-05-10T06:40 79\n2026-05-10T06:40 89\n");
  file.close();
  const Result wrap = RunCommand({"facing", "--latitude", "35.6812", "-l", "139.7671", "-z", "Asia/Tokyo", "--from",
                                  path.toStdString()});
  ASSERT_EQ(wrap.status, 0) << wrap.err;
  const auto wrap_lines = Lines(wrap.out, "\n");
  ASSERT_EQ(wrap_lines.size(), 5u) << wrap.out;
  const double mean = std::stod(wrap_lines[2].substr(27));
  EXPECT_LT(std::min(mean, 360 - mean), 0.2) << wrap_lines[2];
  EXPECT_NE(wrap_lines[2].find("east of north"), std::string::npos) << wrap_lines[2];
  EXPECT_EQ(wrap_lines[3], "spread 7.1° (standard deviation); line 1 lies farthest from the mean, 5.0°");
}

// The analemmatic dial's setting-out distances: the centre, the foci, the hour
// points of standard time (and of summer time), the dates on the north-south axis.
TEST(CliAnalemmatic, CsvGivesTheSettingOutDistances) {
  const struct {
    const char* zone;
    const char* latitude;
    const char* longitude;
    bool summer;
    const char* noon_label;  // the hour point nearest noon's, labelled
    double noon_x_m;         // M sin(H) with H from the zone's standard meridian
  } kCases[] = {
      // Tokyo lies 4.7671 degrees east of 135: the 12:00 point 3 sin(4.7671) east.
      {"Asia/Tokyo", "35.6812", "139.7671", false, "12:00", 0.249},
      // Berlin's standard meridian is 15 E, in winter: 12:00 is 1.595 degrees west.
      {"Europe/Berlin", "52.52", "13.405", true, "12:00", -0.084},
      // Dublin's clocks keep UTC+00:00 in winter and UTC+01:00 in summer: the lower is
      // standard time, though the zone's data calls the winter time the exception.
      {"Europe/Dublin", "53.35", "-6.26", true, "12:00", -0.327},
      // Sydney, south of the equator, in summer time in December.
      {"Australia/Sydney", "-33.8688", "151.2093", true, "12:00", 0.063},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = {"analemmatic", "--latitude", c.latitude, "-l", c.longitude, "-z", c.zone,
                                     "--size", "3", "--year", "2026", "-f", "csv"};
    if (c.summer) args.push_back("--summer");
    const Result result = RunCommand(args);
    ASSERT_EQ(result.status, 0) << c.zone << ": " << result.err;
    const auto records = Lines(result.out, "\r\n");
    ASSERT_GT(records.size(), 4u);
    EXPECT_EQ(records[0], "kind,label,x_m,y_m");
    EXPECT_EQ(records[1], "centre,,0.000,0.000");
    std::map<std::string, int> kinds;
    std::vector<std::string> dates;
    for (std::size_t i = 1; i < records.size(); ++i) {
      const auto fields = CsvFields(records[i]);
      ASSERT_EQ(fields.size(), 4u) << records[i];
      ++kinds[fields[0]];
      for (const int f : {2, 3}) {  // metres to the millimetre
        EXPECT_EQ(fields[f].size() - fields[f].find('.'), 4u) << records[i];
      }
      if (fields[0] == "hour" && fields[1] == c.noon_label) {
        EXPECT_NEAR(std::stod(fields[2]), c.noon_x_m, 0.0011) << c.zone;
      }
      if (fields[0] == "date") {
        EXPECT_EQ(fields[2], "0.000") << records[i];
        dates.push_back(fields[1]);
      }
      if (fields[0] == "hour" || fields[0] == "summer") {
        EXPECT_EQ(fields[1].size(), 5u) << records[i];
        EXPECT_EQ(fields[1][2], ':') << records[i];
      }
    }
    EXPECT_EQ(kinds["centre"], 1);
    EXPECT_EQ(kinds["focus"], 2);
    EXPECT_EQ(kinds["date"], 16) << "the 1st of each month and the four seasons";
    EXPECT_EQ(kinds["summer"], c.summer ? kinds["hour"] : 0) << c.zone;
    EXPECT_TRUE(std::is_sorted(dates.begin(), dates.end()));
    EXPECT_EQ(dates.front(), "2026-01-01");
    // Summer numerals name the standard hour's point an hour later.
    if (c.summer) {
      const std::size_t twelve = result.out.find("\r\nhour,12:00,");
      const std::size_t thirteen = result.out.find("\r\nsummer,13:00,");
      ASSERT_NE(twelve, std::string::npos);
      ASSERT_NE(thirteen, std::string::npos);
      EXPECT_EQ(result.out.substr(twelve + 13, 12), result.out.substr(thirteen + 15, 12)) << c.zone;
    }
  }
}

TEST(CliAnalemmatic, RefusalsSayWhy) {
  const std::vector<std::string> tokyo = {"analemmatic", "--latitude", "35.6812", "-l", "139.7671",
                                          "-z",          "Asia/Tokyo", "--year",  "2026"};
  const struct {
    std::vector<std::string> args;
    int status;
    const char* mentions;
  } kCases[] = {
      {{"--size", "3", "--summer", "-f", "csv"}, 1, "--summer: Asia/Tokyo keeps no summer time in 2026"},
      {{"--size", "0", "-f", "csv"}, 1, "--size '0' is not a length 0 < M <= 1000"},
      {{"--size", "1000.5", "-f", "csv"}, 1, "--size '1000.5'"},
      {{"--size", "3", "--scale", "50", "-o", "-", "-f", "svg"}, 1, "--scale '50' is not a scale 1:N"},
      {{"--size", "3", "--scale", "1:0", "-o", "-", "-f", "svg"}, 1, "--scale '1:0'"},
      {{"--size", "3", "--scale", "1:2.5", "-o", "-", "-f", "svg"}, 1, "--scale '1:2.5'"},
      {{"--size", "3", "--scale", "1:10", "-o", "-", "-f", "svg"}, 1,
       "analemmatic: at 1:10 the plan is"},
      {{"--size", "3", "--scale", "1:10", "-o", "-", "-f", "svg"}, 1, "a4 holds"},
      {{"--size", "3", "--scale", "1:10", "-o", "-", "-f", "svg"}, 1, "; 1:40 fits"},
      {{"--size", "3", "-f", "png"}, 1, "--format 'png' is not csv, svg or pdf"},
      {{"-f", "csv"}, 2, "analemmatic needs --size M"},
      {{"--size", "3", "--year", "0", "-f", "csv"}, 1, "--year '0' is before year 1"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = tokyo;
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result result = RunCommand(args);
    EXPECT_EQ(result.status, c.status) << c.mentions;
    EXPECT_EQ(result.out, "") << c.mentions;
    EXPECT_NE(result.err.find(c.mentions), std::string::npos) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
  }
  const Result equator = RunCommand({"analemmatic", "--latitude", "-0.9", "-l", "0", "-z", "UTC", "--size", "3",
                                     "-f", "csv"});
  EXPECT_EQ(equator.status, 1);
  EXPECT_NE(equator.err.find("within 1 degree of the equator"), std::string::npos) << equator.err;
}

// The card's kinds from the command line, and their refusals.
TEST(CliCard, KindsOfCardAndTheirRefusals) {
  const std::vector<std::string> berlin = {"card", "2026", "-l", "13.4050", "-z", "Europe/Berlin", "-f", "svg",
                                           "--lang", "en", "-o", "-"};
  const struct {
    std::vector<std::string> args;
    int status;
    const char* mentions;  // in the page, or the complaint
  } kCases[] = {
      {{}, 0, "Kind: longitude and equation of time"},
      {{"--no-longitude"}, 0, "Kind: equation of time alone"},
      {{"--mean-years", "4"}, 0, "Sundial correction card, 2026–2029"},
      {{"--mean-years=400"}, 0, "2026–2425"},
      {{"--mean-years", "0"}, 1, "--mean-years '0' is not a whole number 1..400"},
      {{"--mean-years", "401"}, 1, "--mean-years '401'"},
      {{"--mean-years", "4.0"}, 1, "--mean-years '4.0'"},
      {{"--no-longitude=yes"}, 2, "--no-longitude"},
  };
  for (const auto& c : kCases) {
    std::vector<std::string> args = berlin;
    args.insert(args.end(), c.args.begin(), c.args.end());
    const Result result = RunCommand(args);
    EXPECT_EQ(result.status, c.status) << c.mentions << ": " << result.err;
    EXPECT_NE((c.status == 0 ? result.out : result.err).find(c.mentions), std::string::npos) << c.mentions;
  }
  const Result late = RunCommand({"card", "32766", "-l", "0", "-z", "UTC", "--mean-years", "3", "-o", "-", "-f", "svg"});
  EXPECT_EQ(late.status, 1);
  EXPECT_NE(late.err.find("--mean-years '3' runs past the year 32767"), std::string::npos) << late.err;
}

// The noon mark on a plate of any facing: the floor and the walls of --surface are
// plates too, giving the same rows (x east on a wall facing north, where the
// plate's own x runs west); days without a point are named on standard error.
TEST(CliNoonMark, PlatesIncludeTheFloorAndTheWalls) {
  auto run = [](const char* latitude, const char* longitude, const char* zone, std::vector<std::string> more) {
    std::vector<std::string> args = {"noonmark", "--latitude", latitude, "-l", longitude, "-z", zone,
                                     "--height", "100", "--year", "2026", "-f", "csv"};
    args.insert(args.end(), more.begin(), more.end());
    return RunCommand(args);
  };
  const Result floor = run("35.6812", "139.7671", "Asia/Tokyo", {});
  const Result flat_plate = run("35.6812", "139.7671", "Asia/Tokyo", {"--facing", "77", "--tilt", "0"});
  const Result wall = run("35.6812", "139.7671", "Asia/Tokyo", {"--surface", "wall", "--time", "13:40"});
  const Result south_plate = run("35.6812", "139.7671", "Asia/Tokyo", {"--facing", "180", "--time", "13:40"});
  for (const Result* r : {&floor, &flat_plate, &wall, &south_plate}) {
    ASSERT_EQ(r->status, 0) << r->err;
    EXPECT_EQ(r->err, "");
  }
  EXPECT_EQ(flat_plate.out, floor.out) << "a plate lying flat is the floor";
  EXPECT_EQ(south_plate.out, wall.out) << "--facing 180 is the wall facing south";

  const Result north_wall = run("-33.8688", "151.2093", "Australia/Sydney", {"--surface", "wall"});
  const Result north_plate = run("-33.8688", "151.2093", "Australia/Sydney", {"--facing", "0", "--tilt", "90"});
  ASSERT_EQ(north_wall.status + north_plate.status, 0) << north_wall.err << north_plate.err;
  const auto wall_rows = Lines(north_wall.out, "\r\n");
  const auto plate_rows = Lines(north_plate.out, "\r\n");
  ASSERT_EQ(wall_rows.size(), plate_rows.size());
  ASSERT_EQ(wall_rows.size(), 366u);
  for (std::size_t i = 1; i < wall_rows.size(); ++i) {
    const auto a = CsvFields(wall_rows[i]);
    const auto b = CsvFields(plate_rows[i]);
    EXPECT_EQ(a[0], b[0]);
    EXPECT_EQ(std::stod(a[1]), -std::stod(b[1])) << a[0] << ": x east on the wall, west (to the right) on the plate";
    EXPECT_EQ(a[2], b[2]);
    // The shadow lies on the far side of the foot from the Sun: east of it when the
    // Sun stands west of north (azimuth over 180 counts as west).
    const double azimuth = std::stod(a[4]);
    if (std::stod(a[1]) != 0) {
      EXPECT_EQ(std::stod(a[1]) > 0, azimuth > 180 && azimuth < 360) << wall_rows[i];
    }
  }

  // Inside the tropics the noon Sun stands behind a wall facing the equator for
  // weeks: the rows are those of the other days, and standard error says which.
  const Result honolulu = run("21.3069", "-157.8583", "Pacific/Honolulu", {"--surface", "wall"});
  EXPECT_EQ(honolulu.status, 0);
  EXPECT_EQ(Lines(honolulu.out, "\r\n").size(), 1u + 285);
  EXPECT_EQ(honolulu.err, "orvalin-cli: noonmark: no shadow on the wall at 12:00 on 80 days: 2026-05-12 to "
                          "2026-07-30\n");

  const struct {
    std::vector<std::string> more;
    int status;
    const char* mentions;
  } kRefusals[] = {
      {{"--facing", "90"}, 1, "noonmark: on no day of 2026 at 12:00 does the nodus's shadow fall on the plate"},
      {{"--facing", "180", "--tilt", "180"}, 1, "on no day of 2026"},
      {{"--surface", "wall", "--facing", "180"}, 2, "noonmark takes --surface or --facing and --tilt, not both"},
      {{"--surface", "floor", "--tilt", "10"}, 2, "not both"},
      {{"--facing", "360.5"}, 1, "--facing '360.5' is not an azimuth 0..360"},
      {{"--facing", "-10"}, 1, "--facing '-10'"},
      {{"--facing", "180", "--tilt", "180.5"}, 1, "--tilt '180.5' is not a tilt 0..180"},
  };
  for (const auto& c : kRefusals) {
    const Result result = run("35.6812", "139.7671", "Asia/Tokyo", c.more);
    EXPECT_EQ(result.status, c.status) << c.mentions;
    EXPECT_EQ(result.out, "") << c.mentions;
    EXPECT_NE(result.err.find(c.mentions), std::string::npos) << result.err;
  }
}

}  // namespace
