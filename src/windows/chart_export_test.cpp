// SPDX-License-Identifier: MIT
// The chart as files and on paper: the context menu of the graph window, the SVG's
// and the PDF's contents, the PNG drawn from the chart model against the window.
#include "chart_drawing/chart_export.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QWindow>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <sys/resource.h>

#include <clocale>
#include <cmath>
#include <csignal>
#include <map>

#include "chart/chart.h"
#include "platform/core/geometry.h"
#include "chart_drawing/chart_painter.h"
#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"
#include "windows/testing/program_fixture.h"

namespace {

using chart::ChartFormat;

// What an SVG holds: its size attributes, the vertices of each stroked path by its
// stroke colour, and the texts with their font families.
struct SvgContents {
  QString width, height;
  std::map<QString, std::vector<QPointF>> vertices_by_stroke;
  std::map<QString, QString> family_by_text;
  bool parsed = false;
};

SvgContents ReadSvg(const QByteArray& bytes) {
  SvgContents svg;
  QXmlStreamReader xml(bytes);
  std::vector<QString> strokes{QStringLiteral("none")};
  QString text_family;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == QLatin1String("g")) strokes.pop_back();
    if (!xml.isStartElement()) continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (xml.name() == QLatin1String("svg")) {
      svg.width = attributes.value("width").toString();
      svg.height = attributes.value("height").toString();
    } else if (xml.name() == QLatin1String("g")) {
      strokes.push_back(attributes.hasAttribute("stroke") ? attributes.value("stroke").toString() : strokes.back());
    } else if (xml.name() == QLatin1String("path")) {
      std::vector<QPointF>& vertices = svg.vertices_by_stroke[strokes.back()];
      static const QRegularExpression kVertex(QStringLiteral("[ML]\\s*([-0-9.e]+)[ ,]([-0-9.e]+)"));
      for (const auto& m : kVertex.globalMatch(attributes.value("d").toString())) {
        vertices.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
      }
    } else if (xml.name() == QLatin1String("text")) {
      text_family = attributes.value("font-family").toString();
      svg.family_by_text[xml.readElementText()] = text_family;
    }
  }
  svg.parsed = !xml.hasError();
  return svg;
}

bool HasVertexNear(const std::vector<QPointF>& vertices, QPointF at, double tolerance_pixels) {
  for (const QPointF& v : vertices) {
    if (std::fabs(v.x() - at.x()) <= tolerance_pixels && std::fabs(v.y() - at.y()) <= tolerance_pixels) return true;
  }
  return false;
}

int CountPdfPages(const QByteArray& pdf) {
  static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
  int pages = 0;
  for (auto it = kPage.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) ++pages;
  return pages;
}

QString PdfMediaBox(const QByteArray& pdf) {
  static const QRegularExpression kBox(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]"));
  return kBox.match(QString::fromLatin1(pdf)).captured(1).simplified();
}

class ChartExport : public ProgramTest {
 protected:
  // The README's chart: -2000 in black, 4000 in blue, and the rate of 4000 in red.
  void DrawTwoYearsAndARate() {
    Start();
    ConfirmYear("-2000");
    Choose(frm2kin_, "mnuhyouji");
    Choose(frm2kin_, "mnureturn");
    ConfirmYear("4000");
    Choose(frm2kin_, "mnuhyouji");
    Choose(frm2kin_, "mnu1");
  }
  // Saves through the context menu as if the file dialog had answered `path`.
  void SaveAs(const QString& path) {
    frm2kin_.SetImageFileChooser([path](QWidget*) { return path.toStdString(); });
    Choose(frm2kin_, "ctxsave");
  }
};

TEST_F(ChartExport, ContextMenuOffersSaveAndPrintAndLeavesTheMenuBarAlone) {
  Start();
  ConfirmYear("2002");
  QMenu* menu = frm2kin_.ContextMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 2);
  EXPECT_EQ(menu->actions()[0]->text().toStdString(), "画像として保存…");
  EXPECT_EQ(menu->actions()[1]->text().toStdString(), "印刷…");
  EXPECT_EQ(frm2kin_.Window()->menuBar()->actions().size(), 3) << "ファイル, 描画, ヘルプ only";
  EXPECT_EQ(frm2kin_.Client()->contextMenuPolicy(), Qt::CustomContextMenu);
  frm2kin_.OpenContextMenu({100, 100});
  EXPECT_TRUE(menu->isVisible());
  menu->hide();
  // The Menu key: the window system asks the window, whichever control has the focus.
  Box(frm2kin_, "Text1")->setFocus();
  QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
  QApplication::sendEvent(frm2kin_.Window()->windowHandle(), &menu_key);
  EXPECT_TRUE(menu->isVisible()) << "the chart's menu, not the year box's own";
  menu->hide();
  // The menu goes with the unloaded window and comes back with the next load.
  CloseBox(frm2kin_);
  SettleEvents();
  ConfirmYear("2002");
  ASSERT_NE(frm2kin_.ContextMenu(), nullptr);
  EXPECT_EQ(frm2kin_.ContextMenu()->actions().size(), 2);
}

TEST_F(ChartExport, EverythingIsRefusedWhileTheDetailWindowIsOpen) {
  Start();
  ConfirmYear("2002");
  int dialogs = 0;
  frm2kin_.SetImageFileChooser([&dialogs](QWidget*) { return ++dialogs, std::optional<std::string>(); });
  frm2kin_.SetPrintDialog([&dialogs](QPrinter&, QWidget*) { return ++dialogs, false; });
  Choose(frm2kin_, "mnuday");
  ASSERT_FALSE(frm2kin_.IsEnabled());
  frm2kin_.OpenContextMenu({100, 100});
  EXPECT_FALSE(frm2kin_.ContextMenu()->isVisible());
  emit frm2kin_.Client()->customContextMenuRequested({100, 100});
  EXPECT_FALSE(frm2kin_.ContextMenu()->isVisible());
  QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
  QApplication::sendEvent(frm2kin_.Window()->windowHandle(), &menu_key);
  EXPECT_FALSE(frm2kin_.ContextMenu()->isVisible());
  for (const char* item : {"ctxsave", "ctxprint", "context_menu_key"}) Choose(frm2kin_, item);
  EXPECT_EQ(dialogs, 0);
  EXPECT_FALSE(frm2kin_.ContextMenu()->isVisible());
}

TEST_F(ChartExport, SvgIsTheChartAtTrueSizeWithCurvesThroughThePlottedPoints) {
  DrawTwoYearsAndARate();
  const SvgContents svg = ReadSvg(chart::EncodeChart(frm2kin_.ChartDrawn(), chart::ChartFormat::kSvg, false));
  ASSERT_TRUE(svg.parsed);
  // 10050 × 7065 twips at 1440 twips an inch.
  EXPECT_NEAR(svg.width.chopped(2).toDouble(), 10050 / 1440.0 * 25.4, 0.001) << svg.width.toStdString();
  EXPECT_NEAR(svg.height.chopped(2).toDouble(), 7065 / 1440.0 * 25.4, 0.001) << svg.height.toStdString();
  EXPECT_TRUE(svg.width.endsWith("mm"));

  const auto minus_2000 = chart::SweepEquationOfTime(-2000);
  const auto year_4000 = chart::SweepEquationOfTime(4000);
  const auto rate_4000 = chart::SweepRateOfChange(4000);
  const struct {
    const char* what;
    const char* stroke;
    const chart::CurveSample& sample;
  } kPoints[] = {
      {"-2000, 1 January", "#000000", minus_2000.front()},
      {"-2000, mid February", "#000000", minus_2000[283]},
      {"-2000, early November", "#000000", minus_2000[2040]},
      {"-2000, last sample", "#000000", minus_2000.back()},
      {"4000, 1 January", "#000080", year_4000.front()},
      {"4000, mid May", "#000080", year_4000[900]},
      {"4000, last sample", "#000080", year_4000.back()},
      {"rate 4000, first sample", "#ff0000", rate_4000.front()},
      {"rate 4000, mid year", "#ff0000", rate_4000[1826]},
      {"rate 4000, last sample", "#ff0000", rate_4000.back()},
  };
  for (const auto& p : kPoints) {
    const auto found = svg.vertices_by_stroke.find(p.stroke);
    ASSERT_NE(found, svg.vertices_by_stroke.end()) << "no path stroked " << p.stroke;
    const QPointF at(p.sample.plot_x_twips / 15.0, p.sample.plot_y_twips / 15.0);
    EXPECT_TRUE(HasVertexNear(found->second, at, 0.002)) << p.what << " at " << at.x() << "," << at.y();
  }
  EXPECT_EQ(svg.vertices_by_stroke.at("#000000").size(), minus_2000.size());
  EXPECT_EQ(svg.vertices_by_stroke.at("#ff0000").size(), rate_4000.size());

  for (const char* text : {"+20", "0", "-20", "1/1", "12/1", "年", "4000"}) {
    const auto found = svg.family_by_text.find(QString::fromUtf8(text));
    ASSERT_NE(found, svg.family_by_text.end()) << "no text " << text;
    EXPECT_TRUE(found->second.startsWith("IPA")) << text << " in " << found->second.toStdString()
                                                 << ": the face that draws it, not the Windows name";
  }
}

TEST_F(ChartExport, PdfIsOnePageTheSizeOfTheChart) {
  DrawTwoYearsAndARate();
  const QByteArray pdf = chart::EncodeChart(frm2kin_.ChartDrawn(), chart::ChartFormat::kPdf, false);
  ASSERT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_EQ(CountPdfPages(pdf), 1);
  // 502.5 × 353.25 points; page sizes are whole points.
  EXPECT_EQ(PdfMediaBox(pdf), "0 0 503.000000 353.000000");
  EXPECT_TRUE(pdf.contains("/FontName /IPAPGothic") || pdf.contains("IPAPGothic")) << "the Japanese face is embedded";
}

TEST_F(ChartExport, SavedFilesAreWhatTheMenuPromises) {
  DrawTwoYearsAndARate();
  QTemporaryDir folder;
  const QImage window = frm2kin_.Client()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const struct {
    const char* name;
    const char* starts_with;
  } kFiles[] = {{"chart.png", "\x89PNG"}, {"chart.SVG", "<?xml"}, {"chart.pdf", "%PDF-"}};
  for (const auto& f : kFiles) {
    const QString path = folder.filePath(f.name);
    SaveAs(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.name;
    EXPECT_TRUE(file.readAll().startsWith(f.starts_with)) << f.name;
  }
  EXPECT_EQ(QImage(folder.filePath("chart.png")).convertToFormat(QImage::Format_ARGB32), window)
      << "the PNG is the window's surface, pixel for pixel";
  EXPECT_TRUE(Messages().empty());
}

// Under a French locale Qt's error text was French in the middle of a Japanese message.
TEST_F(ChartExport, AFailedSaveOrPrintIsReportedInJapaneseAndLeavesNoFile) {
  DrawTwoYearsAndARate();
  QTemporaryDir folder;
  QDir(folder.path()).mkdir(QStringLiteral("taken.svg"));
  const std::string locale = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "fr_FR.UTF-8");
  std::signal(SIGXFSZ, SIG_IGN);  // as the program's main() does
  const struct {
    const char* what;
    QString path;
    rlim_t size_limit_bytes;
    const char* reason;
  } kFailures[] = {
      {"folder missing", folder.filePath("missing/chart.svg"), RLIM_INFINITY, "ファイルまたはフォルダーが見つかりません"},
      {"a folder by that name", folder.filePath("taken.svg"), RLIM_INFINITY, "同じ名前のフォルダーがあります"},
      {"file-size limit", folder.filePath("chart.svg"), 4096, "ファイルが大きすぎます"},
      {"unknown type", folder.filePath("chart.gif"), RLIM_INFINITY, "画像の種類が分かりません"},
  };
  for (const auto& f : kFailures) {
    events_.clear();
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit before = limit;
    limit.rlim_cur = f.size_limit_bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    SaveAs(f.path);
    setrlimit(RLIMIT_FSIZE, &before);
    ASSERT_EQ(Messages().size(), 1u) << f.what;
    const std::string text = Messages()[0].text;
    EXPECT_NE(text.find(f.path.toStdString()), std::string::npos) << f.what;
    EXPECT_NE(text.find(f.reason), std::string::npos) << f.what << ": " << text;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList()) << f.what << ": a file was left";
  }
  const QString unprintable = folder.filePath("missing/printed.pdf");
  frm2kin_.SetPrintDialog([&unprintable](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(unprintable);
    return true;
  });
  events_.clear();
  Choose(frm2kin_, "ctxprint");
  ASSERT_EQ(Messages().size(), 1u) << "printing into a missing folder";
  EXPECT_EQ(Messages()[0].text, "印刷できませんでした。\n" + unprintable.toStdString() + "\nファイルまたはフォルダーが見つかりません");
  std::signal(SIGXFSZ, SIG_DFL);
  std::setlocale(LC_ALL, locale.c_str());
}

TEST_F(ChartExport, PrintsOnePageThroughThePrintDialog) {
  DrawTwoYearsAndARate();
  QTemporaryDir folder;
  const QString path = folder.filePath("printed.pdf");
  frm2kin_.SetPrintDialog([&path](QPrinter& printer, QWidget*) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return true;
  });
  Choose(frm2kin_, "ctxprint");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_EQ(CountPdfPages(pdf), 1);
  EXPECT_EQ(PdfMediaBox(pdf), "0 0 595.000000 842.000000") << "A4, as the dialog chose";
  EXPECT_TRUE(Messages().empty());
}

// The command line's chart, built from the sweeps without a window, against the
// window's picture of the same steps: every pixel, text and year box included.
TEST_F(ChartExport, TheChartDrawnFromTheSweepsIsTheWindowsPicture) {
  const struct {
    const char* what;
    std::vector<const char*> years;
    bool rate;
  } kCases[] = {
      {"one year", {"2002"}, false},
      {"the README's chart", {"-2000", "2002", "4000"}, true},
      {"the ends of the range", {"-32768", "32767"}, true},
  };
  Start();
  for (const auto& c : kCases) {
    std::vector<int16_t> years;
    for (std::size_t i = 0; i < c.years.size(); ++i) {
      if (i > 0) Choose(frm2kin_, "mnureturn");
      ConfirmYear(c.years[i]);
      Choose(frm2kin_, "mnuhyouji");
      years.push_back(static_cast<int16_t>(std::stoi(c.years[i])));
    }
    if (c.rate) Choose(frm2kin_, "mnu1");
    const QImage window = frm2kin_.Client()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const chart::Chart chart = chart::ChartOfYears(years, c.rate);
    const QImage drawn =
        QImage::fromData(chart::EncodeChart(chart, chart::ChartFormat::kPng, false)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(drawn.size(), window.size()) << c.what;
    int differing = 0;
    for (int y = 0; y < window.height(); ++y) {
      for (int x = 0; x < window.width(); ++x) differing += window.pixel(x, y) != drawn.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << c.what;
    // What the window recorded is what it plotted: the sweeps' positions, curve by curve.
    ASSERT_EQ(frm2kin_.ChartDrawn().curves.size(), chart.curves.size()) << c.what;
    for (std::size_t i = 0; i < chart.curves.size(); ++i) {
      EXPECT_EQ(frm2kin_.ChartDrawn().curves[i].points, chart.curves[i].points) << c.what << " curve " << i;
      EXPECT_EQ(frm2kin_.ChartDrawn().curves[i].colour, chart.curves[i].colour) << c.what << " curve " << i;
    }
    // The next case starts with an empty chart in black again.
    Choose(frm2kin_, "mnucls");
    while (frm2kin_.ColorIndex != 0) {
      Choose(frm2kin_, "mnureturn");
      ConfirmYear("2002");
    }
  }
}

// On a screen scaled by 2 the window's surface has twice the pixels and plots each
// sample in one of them (FormClient::PSet); the saved PNG has the same pixels, not
// the unscaled picture blown up.
TEST(ChartPng, AtTheWindowsDevicePixelRatioEachSampleIsTheDevicePixelTheWindowPlots) {
  const chart::Chart chart = chart::ChartOfYears({2002}, true);
  const QImage png =
      QImage::fromData(chart::EncodeChart(chart, chart::ChartFormat::kPng, false, 2)).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(png.size(), QSize(1340, 942));
  chart::Chart frame_only = chart;
  frame_only.ClearCurves();
  const QImage frame = QImage::fromData(chart::EncodeChart(frame_only, chart::ChartFormat::kPng, false, 2))
                           .convertToFormat(QImage::Format_ARGB32);
  std::map<std::pair<long, long>, platform::Colour> plotted;  // later curves over earlier
  for (const chart::ChartCurve& curve : chart.curves) {
    for (const chart::ChartPoint& point : curve.points) {
      plotted[{platform::PlottedPixel(point.x_twips, 2), platform::PlottedPixel(point.y_twips, 2)}] = curve.colour;
    }
  }
  int checked = 0, wrong = 0;
  for (const auto& [pixel, colour] : plotted) {
    const auto [x, y] = pixel;
    if (x < 0 || y < 0 || x >= png.width() || y >= png.height()) continue;
    // The grid, the axes and the captions lie over the surface, in the window too.
    if ((frame.pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF) != chart.colours.background) continue;
    ++checked;
    wrong += (png.pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF) != colour;
  }
  EXPECT_GT(checked, 4000);
  EXPECT_EQ(wrong, 0) << "of " << checked << " plotted device pixels";
}

// Files and paper carry a legend under the chart; the window's PNG and the chart
// above the legend stay as they were.
TEST_F(ChartExport, TheLegendNamesEachCurveInItsColourUnderTheChart) {
  DrawTwoYearsAndARate();
  const chart::Chart& chart = frm2kin_.ChartDrawn();
  const QSize plain = chart::ChartDrawingSize(chart, false);
  const QSize with_legend = chart::ChartDrawingSize(chart, true);
  EXPECT_EQ(with_legend.width(), plain.width());
  EXPECT_GT(with_legend.height(), plain.height());

  const SvgContents svg = ReadSvg(chart::EncodeChart(chart, chart::ChartFormat::kSvg, true));
  for (const char* text : {"-2000年", "4000年", "4000年 一次微分"}) {
    EXPECT_TRUE(svg.family_by_text.count(QString::fromUtf8(text))) << "no legend entry " << text;
  }
  const QImage png = QImage::fromData(chart::EncodeChart(chart, chart::ChartFormat::kPng, true));
  const QImage window = frm2kin_.Client()->grab().toImage().convertToFormat(png.format());
  ASSERT_EQ(png.size(), with_legend);
  EXPECT_EQ(png.copy(QRect(QPoint(0, 0), plain)), window) << "the chart above the legend is the window's";

  QTemporaryDir folder;
  SaveAs(folder.filePath("saved.pdf"));
  QFile saved(folder.filePath("saved.pdf"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_NE(PdfMediaBox(saved.readAll()), "0 0 503.000000 353.000000") << "the saved PDF is taller by its legend";
}

TEST(ChartFormat, FromTheFileNameOrTheName) {
  const struct {
    const char* file_name;
    std::optional<chart::ChartFormat> format;
  } kCases[] = {
      {"chart.png", chart::ChartFormat::kPng}, {"a.b/chart.SVG", chart::ChartFormat::kSvg}, {"chart.pdf", chart::ChartFormat::kPdf},
      {"chart", std::nullopt},          {"dir.svg/chart", std::nullopt},      {"chart.jpeg", std::nullopt},
      {".pdf", chart::ChartFormat::kPdf},      {"chart.pdf.", std::nullopt},
  };
  for (const auto& c : kCases) EXPECT_EQ(chart::ChartFormatOfFileName(c.file_name), c.format) << c.file_name;
  EXPECT_EQ(chart::ChartFormatNamed("Pdf"), chart::ChartFormat::kPdf);
  EXPECT_EQ(chart::ChartFormatNamed("jpg"), std::nullopt);
}

}  // namespace
