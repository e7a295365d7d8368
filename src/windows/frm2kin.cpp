// SPDX-License-Identifier: MIT
#include "windows/frm2kin.h"

#include <QMainWindow>
#include <QPalette>
#include <QPrinter>
#include <algorithm>

#include "windows/chart_context_menu.h"
#include "chart_drawing/chart_fonts.h"
#include "chart/chart_geometry.h"
#include "chart/equation_of_time_curve.h"
#include "chart/rate_of_change_curve.h"
#include "windows/version_message.h"
#include "platform/core/convert.h"
#include "platform/core/palette.h"
#include "platform/core/version.h"
#include "platform/forms/text_box.h"
#include "windows/session.h"

namespace windows {
namespace {

using namespace chart::area;

// The window's own font where the layout names none.
const platform::FontSpec* CaptionFontOfWindow(CaptionFont font) {
  return font == CaptionFont::kWindow ? nullptr : &chart::CaptionFontSpec(font);
}

// The frame's colours as the window shows them under the desktop's palette.
chart::ChartColours ColoursOf(const QPalette& palette) {
  const auto rgb = [&palette](QPalette::ColorRole role) {
    return static_cast<platform::Colour>(palette.color(QPalette::Active, role).rgb() & 0xFFFFFF);
  };
  return {rgb(QPalette::Window), rgb(QPalette::WindowText), rgb(QPalette::Button), rgb(QPalette::Dark),
          rgb(QPalette::Text)};
}

void ReportFailure(const std::string& text) {
  platform::Runtime::Get().ShowMessageBox({"Orvalin", text, platform::kOkOnly, true});
}

}  // namespace

Frm2kin::Frm2kin(windows::Session& session)
    : Form("Orvalin表示", kWidthOfAreaTwips, kHeightOfAreaTwips),
      session_(session),
      choose_image_file_(ChooseImageFileByDialog),
      print_dialog_(ShowPrintDialog) {}

void Frm2kin::Build() {
  BuildChart();
  BuildMenus();
  BuildContextMenu();
  // A new window starts blank, in the colours of the desktop it opens on.
  chart_ = chart::Chart{};
  chart_.colours = ColoursOf(Client()->palette());
  drawn_curves_.clear();
  CurveDrawn("");
}

void Frm2kin::CurveDrawn(std::string curve) {
  if (!curve.empty() && std::find(drawn_curves_.begin(), drawn_curves_.end(), curve) == drawn_curves_.end()) {
    drawn_curves_.push_back(std::move(curve));
  }
  std::string description = "描かれた曲線：";
  for (std::size_t i = 0; i < drawn_curves_.size(); ++i) description += (i ? "、" : "") + drawn_curves_[i];
  if (drawn_curves_.empty()) description += "なし";
  DescribeSurface("均時差のグラフ", description);
}

void Frm2kin::BuildChart() {
  for (const FrameLine& line : kFrameLines) {
    AddLine({line.x1, line.y1, line.x2, line.y2, line.dotted, line.width_pixels});
  }
  for (const FrameCaption& caption : kFrameCaptions) {
    AddLabel(caption.name, {caption.left, caption.top, caption.width, caption.height}, caption.text,
             CaptionFontOfWindow(caption.font), caption.right_aligned ? Qt::AlignRight : Qt::AlignLeft);
  }
  // Nothing reads the year back and every activation rewrites it, so it is read-only.
  Text1 = AddTextBox("Text1", {kYearBox.left, kYearBox.top, kYearBox.width, kYearBox.height}, 0, &chart::kYearBoxFont,
                     kYearBox.max_length);
  Text1->setReadOnly(true);
  Text1->FitText(QString::fromUtf8(kLongestYearText));
  SetAccessibleName(Text1, "計算年");
  AddLabel(kYearUnit.name, {kYearUnit.left, kYearUnit.top, kYearUnit.width, kYearUnit.height}, kYearUnit.text,
           CaptionFontOfWindow(kYearUnit.font));
}

void Frm2kin::BuildMenus() {
  QMenu* mnufile = AddMenu("mnufile", "ファイル(&F)");
  AddMenuItem(mnufile, "mnureturn", "戻 る", [this] { mnureturn_Click(); });
  AddMenuItem(mnufile, "mnuend", "均時差計算を終了", [this] { mnuend_Click(); });
  QMenu* mnucalc = AddMenu("mnucalc", "描画(&C)");
  AddMenuItem(mnucalc, "mnuhyouji", "Orvalin描画", [this] { mnuhyouji_Click(); });
  AddMenuItem(mnucalc, "mnu1", "一次微分グラフ描画", [this] { mnu1_Click(); });
  AddMenuItem(mnucalc, "mnucls", "グラフを消去", [this] { mnucls_Click(); });
  AddMenuSeparator(mnucalc);
  AddMenuItem(mnucalc, "mnuday", "均時差詳細", [this] { mnuday_Click(); });
  QMenu* mnuhelp = AddMenu("mnuhelp", "ヘルプ(&H)");
  AddMenuItem(mnuhelp, "mnuver", "バージョン情報(&V)", [this] { mnuver_Click(); });
}

void Frm2kin::Form_Load() { Centre(); }

void Frm2kin::Form_Activate() {
  Text1->SetText(platform::NumberToText(session_.CalcYear));
  chart_.year_text = Text1->Text();
}

void Frm2kin::Form_Unload() {
  chart_ = chart::Chart{};  // the curves go with the drawing
  Hide();
  session_.frm1kin().Show();
}

void Frm2kin::mnureturn_Click() {
  Hide();
  session_.frm1kin().Show();
  ColorIndex = chart::NextCurveColourIndex(ColorIndex);
}

void Frm2kin::mnuend_Click() {
  Unload();
  platform::Runtime::Get().End();
}

void Frm2kin::mnucls_Click() {
  Cls();
  chart_.ClearCurves();
  drawn_curves_.clear();
  CurveDrawn("");
}

void Frm2kin::mnuday_Click() {
  session_.frm4kin().Show();
  session_.frm4kin().SetEnabled(true);
  SetEnabled(false);
}

void Frm2kin::mnuhyouji_Click() {
  const platform::Colour colour = chart::CurveColour(ColorIndex);
  const std::vector<chart::CurveSample> samples = chart::SweepEquationOfTime(session_.CalcYear);
  for (const chart::CurveSample& sample : samples) {
    PointX = sample.x_twips;
    PointY = sample.plot_y_twips;
    PSet(sample.plot_x_twips, PointY, colour);
  }
  CurveJulianDay = chart::JulianDayAfterSweep(samples);
  RecordCurve(chart::CurveOf(chart::CurveKind::kEquationOfTime, session_.CalcYear, colour, samples));
  CurveDrawn(platform::NumberToText(session_.CalcYear) + "年");
}

void Frm2kin::mnu1_Click() {
  const std::vector<chart::CurveSample> samples = chart::SweepRateOfChange(session_.CalcYear);
  for (const chart::CurveSample& sample : samples) {
    PSet(sample.plot_x_twips, sample.plot_y_twips, chart::kRateColour);
  }
  RecordCurve(chart::CurveOf(chart::CurveKind::kRateOfChange, session_.CalcYear, chart::kRateColour, samples));
  CurveDrawn(platform::NumberToText(session_.CalcYear) + "年の一次微分");
}

void Frm2kin::RecordCurve(chart::ChartCurve curve) {
  // What the surface shows: nothing is plotted while the window is not loaded.
  if (Client()) chart_.AddCurve(std::move(curve));
}

void Frm2kin::mnuver_Click() {
  auto& runtime = platform::Runtime::Get();
  runtime.ShowMessageBox({kVersionTitle,
                          VersionMessageText(platform::kVersionMajor, platform::kVersionMinor,
                                             platform::kVersionRevision),
                          platform::kOkOnly});
  session_.SoundPath = std::string(kSoundFolder) + kSoundFile;
  runtime.PlaySound(session_.SoundPath);
}

void Frm2kin::BuildContextMenu() {
  AddContextMenuItem("ctxsave", "画像として保存…", [this] { ctxsave_Click(); });
  AddContextMenuItem("ctxprint", "印刷…", [this] { ctxprint_Click(); });
}

void Frm2kin::ctxsave_Click() {
  const std::optional<std::string> path = choose_image_file_(Window());
  if (!path || !Client()) return;
  const std::optional<chart::ChartFormat> format = chart::ChartFormatOfFileName(*path);
  if (!format) {
    ReportFailure("画像の種類が分かりません（.png、.svg、.pdf のいずれか）:\n" + *path);
    return;
  }
  if (const auto failure = SaveChartImage(*path, *format, chart_, Client()->devicePixelRatioF())) {
    ReportFailure("画像を保存できませんでした:\n" + *path + "\n" + *failure);
  }
}

void Frm2kin::ctxprint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("均時差"));
  if (!print_dialog_(printer, Window()) || !Client()) return;
  if (const auto failure = PrintChart(printer, chart_)) ReportFailure(*failure);
}

}  // namespace windows
