// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <sstream>

#include "cli/chart_image.h"

namespace {

struct Result {
  int status;
  std::string out;
  std::string err;
};

Result RunCommand(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = cli::RunCli(args, out, err, cli::RenderChartImage);
  return {status, out.str(), err.str()};
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
  for (const auto& c : kCases) {
    const Result result = RunCommand(c.args);
    EXPECT_EQ(result.status, 0) << c.line;
    EXPECT_EQ(result.out, c.line);
    EXPECT_EQ(result.err, "");
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
  EXPECT_EQ(CsvFields(records[0]), (std::vector<std::string>{"date", "minutes", "seconds", "decimal_minutes"}));
  EXPECT_EQ(CsvFields(records[42]), (std::vector<std::string>{"2002-02-11", "- 14", "16.3", "-14.271947"}));
  EXPECT_EQ(CsvFields(records[307]), (std::vector<std::string>{"2002-11-03", "+ 16", "28.2", "16.470496"}));
  for (const std::string& record : records) EXPECT_EQ(CsvFields(record).size(), 4u) << record;
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
                                               {"table", "--help"}, {"chart", "--help"}}) {
    const Result result = RunCommand(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out.rfind("Usage: orvalin-cli", 0), 0u) << args[0];
  }
  EXPECT_NE(RunCommand({"at", "--help"}).out.find("Universal Time"), std::string::npos);
  EXPECT_EQ(RunCommand({"--version"}).out, "2.0.18\n");
}

}  // namespace
