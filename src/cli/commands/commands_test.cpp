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
#include "cli/commands/command_table.h"
#include "platform/core/testing/scoped_locale.h"

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
  for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"}, {"at", "--help"},
                                               {"table", "--help"}, {"noon", "--help"}, {"chart", "--help"}}) {
    const Result result = RunCommand(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("Usage: orvalin-cli", 0), 0u) << args[0];
  }
  EXPECT_NE(RunCommand({"at", "--help"}).out.find("Universal Time"), std::string::npos);
  EXPECT_NE(RunCommand({"noon", "--help"}).out.find("12 h - DEG/15 h - E/60 h"), std::string::npos) << "the method";
  EXPECT_EQ(RunCommand({"--version"}).out, "orvalin-cli 2.0.18\n");
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
      {{"-V"}, "orvalin-cli 2.0.18\n"},
      {{"table", "2002", "--version"}, "orvalin-cli 2.0.18\n"},
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

}  // namespace
