// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "platform/forms/form.h"

class QPrinter;
class QWidget;

namespace windows {
class Session;
}

namespace windows {

// The chart window: a fixed grid of the equation of time over one year (840..9780
// twips across for 365.25 days, 159 twips a minute around the zero line at 3300),
// on which the menu commands plot the curves of one or more years.
class Frm2kin : public platform::Form {
 public:
  explicit Frm2kin(windows::Session& session);

  // Window-level state: kept across hide, show and unload for the whole run.
  double PointX = 0;           // twips, x of the last equation-of-time point
  float PointY = 0;            // twips, y of that point
  double CurveJulianDay = 0;   // days, one step after the last sample of the sweep
  int16_t ColorIndex = 0;      // QBColor index of the next equation-of-time curve, 0..12

  void mnureturn_Click();  // 戻 る: back to the year entry, next colour
  void mnuend_Click();     // 均時差計算を終了
  void mnuhyouji_Click();  // draw the equation-of-time curve
  void mnu1_Click();       // draw the rate-of-change curve
  void mnucls_Click();     // erase the curves
  void mnuday_Click();     // open the detail window
  void mnuver_Click();     // version box, then the notification sound
  // The chart's context menu (chart_context_menu.cpp).
  void ctxsave_Click();    // 画像として保存…: the chart as PNG, SVG or PDF
  void ctxprint_Click();   // 印刷…: the chart on paper at its true size

  // The chart as drawn: the frame's colours, the year in the box, each curve as
  // plotted. Empty while the window is not loaded.
  const chart::Chart& ChartDrawn() const { return chart_; }

  // The file dialog and the print dialog, replaceable by tests. The file chooser
  // returns the path chosen (with the extension of the type chosen) or nothing;
  // the print dialog sets up the printer and says whether to print.
  using ImageFileChooser = std::function<std::optional<std::string>(QWidget* parent)>;
  using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
  void SetImageFileChooser(ImageFileChooser chooser) { choose_image_file_ = std::move(chooser); }
  void SetPrintDialog(PrintDialog dialog) { print_dialog_ = std::move(dialog); }

 protected:
  void Build() override;
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

 private:
  void BuildChart();
  void BuildMenus();
  void BuildContextMenu();
  // Tells a screen reader which curves the chart shows.
  void CurveDrawn(std::string curve);
  void RecordCurve(chart::ChartCurve curve);

  windows::Session& session_;
  ImageFileChooser choose_image_file_;
  PrintDialog print_dialog_;
  platform::TextBox* Text1 = nullptr;
  chart::Chart chart_;
  std::vector<std::string> drawn_curves_;  // "2002年", "2002年の一次微分", in drawing order
};

}  // namespace windows
