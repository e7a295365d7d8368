// SPDX-License-Identifier: MIT
#include "cli/drawing/qt_drawing.h"

#include <QByteArray>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "chart_drawing/chart_export.h"
#include "cli/io/errors.h"
#include "paper/analemmatic_sheet.h"
#include "paper/correction_card_sheet.h"
#include "paper/dial_sheet.h"
#include "paper/noon_mark_sheet.h"
#include "platform/fonts/fonts.h"

namespace cli {
namespace {

// The command's output is its text and its file; Qt's own notes (no runtime
// directory, and the like) are not part of it.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

std::string Bytes(const QByteArray& bytes) { return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())); }

std::string PaperName(paper::PaperSize paper) {
  switch (paper) {
    case paper::PaperSize::kA3:
      return "a3";
    case paper::PaperSize::kLetter:
      return "letter";
    case paper::PaperSize::kA4:
      break;
  }
  return "a4";
}

class GuiDrawing final : public Drawing {
 public:
  GuiDrawing() {
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepQtQuiet);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    platform::RegisterFontSubstitutions();
  }

  std::string Chart(const chart::Chart& chart, chart::ChartFormat format, bool legend) override {
    // Encoded in memory, so the only write that can fail is ours, reported once.
    const QByteArray bytes = chart::EncodeChart(chart, format, legend);
    if (bytes.isEmpty()) throw ValueError{"the chart could not be encoded"};
    return Bytes(bytes);
  }

  std::string CorrectionCard(const sundial::CorrectionCard& card, paper::SheetFormat format,
                             paper::SheetLanguage language) override {
    return Bytes(paper::EncodeCorrectionCard(card, format, language));
  }

  std::string NoonMark(const sundial::NoonMark& mark, const paper::NoonMarkSheetOptions& options,
                       paper::SheetFormat format) override {
    const paper::NoonMarkPages pages = paper::PlanNoonMarkPages(mark, options);
    const double longest_mm = std::max(pages.drawing.bounds.width, pages.drawing.bounds.height);
    const bool svg_holds_it = longest_mm <= paper::kMaxSvgSideMm;
    if (format == paper::SheetFormat::kPdf && pages.page_count > paper::kMaxNoonMarkPages) {
      throw ValueError{"noonmark: the figure needs " + std::to_string(pages.page_count) + " pages of " +
                       PaperName(options.paper) + ", more than " + std::to_string(paper::kMaxNoonMarkPages) +
                       "; use " + (svg_holds_it ? "--format svg or csv" : "--format csv") + ", or a smaller --height"};
    }
    if (format == paper::SheetFormat::kSvg && !svg_holds_it) {
      throw ValueError{"noonmark: the figure is " + std::to_string(std::lround(longest_mm / 1000)) +
                       " m long, and an SVG holds 100 m at most; use --format csv, or a smaller --height"};
    }
    return Bytes(paper::EncodeNoonMark(mark, pages, options, format));
  }

  std::string Dial(const paper::DialFigure& figure, const paper::DialSheetOptions& options,
                   paper::SheetFormat format) override {
    const paper::DialPages pages = paper::PlanDialPages(figure, options);
    const double longest_mm = std::max(pages.drawing.bounds.width, pages.drawing.bounds.height);
    const bool svg_holds_it = longest_mm <= paper::kMaxSvgSideMm;
    if (format == paper::SheetFormat::kPdf && pages.pages.page_count > paper::kMaxNoonMarkPages) {
      throw ValueError{"dial: the sheet needs " + std::to_string(pages.pages.page_count) + " pages of " +
                       PaperName(options.paper) + ", more than " + std::to_string(paper::kMaxNoonMarkPages) +
                       "; use " + (svg_holds_it ? "--format svg, dxf or csv" : "--format dxf or csv") +
                       ", or a smaller --height"};
    }
    if (format == paper::SheetFormat::kSvg && !svg_holds_it) {
      throw ValueError{"dial: the figure is " + std::to_string(std::lround(longest_mm / 1000)) +
                       " m long, and an SVG holds 100 m at most; use --format dxf or csv, or a smaller --height"};
    }
    return Bytes(paper::EncodeDial(figure, pages, options, format));
  }

  std::string AnalemmaticDial(const sundial::AnalemmaticDial& dial, const sundial::AnalemmaticInput& input,
                              const paper::AnalemmaticSheetOptions& options, paper::SheetFormat format) override {
    const paper::AnalemmaticPage page = paper::PlanAnalemmaticPage(dial, input, options);
    if (!page.fits) {
      const paper::RectMm& size = page.drawing.bounds;
      std::string message = "analemmatic: at 1:" + std::to_string(page.drawing.scale_denominator) + " the plan is " +
                            std::to_string(std::lround(size.width)) + " x " + std::to_string(std::lround(size.height)) +
                            " mm, and " + PaperName(options.paper) + " holds " +
                            std::to_string(std::lround(page.plan_area.width)) + " x " +
                            std::to_string(std::lround(page.plan_area.height)) + " mm";
      paper::AnalemmaticSheetOptions fitting = options;
      fitting.scale_denominator.reset();
      const paper::AnalemmaticPage fitted = paper::PlanAnalemmaticPage(dial, input, fitting);
      if (fitted.fits) message += "; 1:" + std::to_string(fitted.drawing.scale_denominator) + " fits";
      throw ValueError{message};
    }
    return Bytes(paper::EncodeAnalemmaticPage(dial, input, page, options, format));
  }

 private:
  int argc_ = 1;  // QGuiApplication keeps a reference to it
  char name_[12] = "orvalin-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

Drawing& QtDrawing() {
  static GuiDrawing drawing;
  return drawing;
}

}  // namespace cli
