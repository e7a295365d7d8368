// SPDX-License-Identifier: MIT
#include "graph/frm2kin.h"

#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "graph/chart_export.h"
#include "graph/chart_geometry.h"
#include "graph/equation_of_time_curve.h"
#include "graph/rate_of_change_curve.h"
#include "graph/version_message.h"
#include "platform/core/convert.h"
#include "platform/core/palette.h"
#include "platform/core/version.h"
#include "platform/forms/text_box.h"
#include "platform/forms/window_fonts.h"
#include "session/session.h"

namespace graph {
namespace {

using namespace platform::fonts;
using namespace chart;

// The highest palette index a curve uses; Back cycles 0..12.
constexpr int16_t kLastCurveColour = 12;

std::optional<std::string> ChooseImageFileByDialog(QWidget* parent) {
  const QString png = QStringLiteral("PNG 画像 (*.png)");
  const QString svg = QStringLiteral("SVG 画像 (*.svg)");
  const QString pdf = QStringLiteral("PDF (*.pdf)");
  QString chosen_type = png;
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("画像として保存"),
                                              QDir::home().filePath(QStringLiteral("均時差.png")),
                                              png + ";;" + svg + ";;" + pdf, &chosen_type);
  if (path.isEmpty()) return std::nullopt;
  // A name typed without a known extension gets the one of the type chosen.
  if (!ChartFormatOfFileName(path.toStdString())) {
    path += chosen_type == svg ? QStringLiteral(".svg") : chosen_type == pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
  }
  return path.toStdString();
}

bool ShowPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("印刷"));
  return dialog.exec() == QDialog::Accepted;
}

// Writes the whole file or leaves what was there; returns what went wrong.
std::optional<std::string> WriteWholeFile(const std::string& path, const QByteArray& bytes) {
  QSaveFile file(QString::fromStdString(path));
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return std::nullopt;
  file.cancelWriting();
  return file.errorString().toStdString();
}

void ReportFailure(const std::string& text) {
  platform::Runtime::Get().ShowMessageBox({"Orvalin", text, platform::kOkOnly, true});
}

}  // namespace

Frm2kin::Frm2kin(session::Session& session)
    : Form("Orvalin表示", 10050, 7065),
      session_(session),
      choose_image_file_(ChooseImageFileByDialog),
      print_dialog_(ShowPrintDialog) {}

void Frm2kin::Build() {
  BuildChart();
  BuildMenus();
  BuildContextMenu();
  drawn_curves_.clear();  // a new window starts blank
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
  // Axes: 1 January and the zero line, solid, 2 pixels.
  AddLine({kLeftTwips, kTopTwips, kLeftTwips, kBottomTwips, false, 2});
  AddLine({kLeftTwips, kZeroLineTwips, kRightTwips, kZeroLineTwips, false, 2});
  // Minute grid every 5 minutes, +20 at the top to −20 at the bottom.
  for (int y : {120, 915, 1710, 2505, 4095, 4890, 5685, 6480}) {
    AddLine({kLeftTwips, y, kRightTwips, y, true, 1});
  }
  // The first of each month (fixed positions, the same for every year) and the end.
  for (int x : {1599, 2285, 3044, 3779, 4538, 5278, 6032, 6791, 7526, 8285, 9020, 9780}) {
    AddLine({x, kTopTwips, x, kBottomTwips, true, 1});
  }

  const struct {
    const char* name;
    const char* caption;
    int top;
  } kMinuteLabels[] = {
      {"Label10", "+20", 0},  {"Label2", "+15", 780}, {"Label3", "+10", 1620},
      {"Label4", "+5", 2400}, {"Label5", "0", 3180},  {"Label6", "-5", 3960},
      {"Label7", "-10", 4800}, {"Label8", "-15", 5580}, {"Label9", "-20", 6360},
  };
  for (const auto& label : kMinuteLabels) {
    AddLabel(label.name, {240, label.top, 492, 252}, label.caption, &kPGothic12, Qt::AlignRight);
  }

  const struct {
    const char* name;
    const char* caption;
    int left, width;
  } kMonthLabels[] = {
      {"Label11", "1/1", 720, 252},   {"Label12", "2/1", 1500, 252},  {"Label13", "3/1", 2220, 252},
      {"Label14", "4/1", 3000, 252},  {"Label15", "5/1", 3660, 252},  {"Label16", "6/1", 4440, 252},
      {"Label17", "7/1", 5160, 252},  {"Label18", "8/1", 5940, 252},  {"Label19", "9/1", 6660, 252},
      {"Label20", "10/1", 7320, 432}, {"Label21", "11/1", 8100, 372}, {"Label22", "12/1", 8880, 372},
  };
  for (const auto& label : kMonthLabels) {
    AddLabel(label.name, {label.left, 6660, label.width, 252}, label.caption, nullptr);
  }

  // The year, inside the lower right corner of the grid. Nothing reads it back and
  // every activation rewrites it, so it is read-only.
  Text1 = AddTextBox("Text1", {8340, 6048, 972, 348}, 0, &kPGothic135, 6);
  Text1->setReadOnly(true);
  Text1->FitText(QStringLiteral("-32768"));
  SetAccessibleName(Text1, "計算年");
  AddLabel("Label1", {9420, 6080, 312, 252}, "年", &kHeiseiGothic12);
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

void Frm2kin::BuildContextMenu() {
  AddContextMenuItem("ctxsave", "画像として保存…", [this] { ctxsave_Click(); });
  AddContextMenuItem("ctxprint", "印刷…", [this] { ctxprint_Click(); });
}

void Frm2kin::Form_Load() { Centre(); }

void Frm2kin::Form_Activate() { Text1->SetText(platform::NumberToText(session_.CalcYear)); }

void Frm2kin::Form_Unload() {
  Hide();
  session_.frm1kin().Show();
}

void Frm2kin::mnureturn_Click() {
  Hide();
  session_.frm1kin().Show();
  ColorIndex = static_cast<int16_t>(ColorIndex + 1);
  if (ColorIndex > kLastCurveColour) ColorIndex = 0;
}

void Frm2kin::mnuend_Click() {
  Unload();
  platform::Runtime::Get().End();
}

void Frm2kin::mnucls_Click() {
  Cls();
  drawn_curves_.clear();
  CurveDrawn("");
}

void Frm2kin::mnuday_Click() {
  session_.frm4kin().Show();
  session_.frm4kin().SetEnabled(true);
  SetEnabled(false);
}

void Frm2kin::mnuhyouji_Click() {
  const platform::Colour colour = platform::QBColor(ColorIndex);
  const std::vector<CurveSample> samples = SweepEquationOfTime(session_.CalcYear);
  for (const CurveSample& sample : samples) {
    PointX = sample.x_twips;
    PointY = sample.plot_y_twips;
    PSet(sample.plot_x_twips, PointY, colour);
  }
  CurveJulianDay = JulianDayAfterSweep(samples);
  CurveDrawn(platform::NumberToText(session_.CalcYear) + "年");
}

void Frm2kin::mnu1_Click() {
  const platform::Colour red = platform::RGB(255, 0, 0);
  for (const CurveSample& sample : SweepRateOfChange(session_.CalcYear)) {
    PSet(sample.plot_x_twips, sample.plot_y_twips, red);
  }
  CurveDrawn(platform::NumberToText(session_.CalcYear) + "年の一次微分");
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

void Frm2kin::ctxsave_Click() {
  const std::optional<std::string> path = choose_image_file_(Window());
  if (!path || !Client()) return;
  const std::optional<ChartFormat> format = ChartFormatOfFileName(*path);
  if (!format) {
    ReportFailure("画像の種類が分かりません（.png、.svg、.pdf のいずれか）:\n" + *path);
    return;
  }
  const QByteArray bytes = EncodeChart(*Client(), *format);
  std::optional<std::string> failure = "画像を作れませんでした";
  if (!bytes.isEmpty()) failure = WriteWholeFile(*path, bytes);
  if (failure) ReportFailure("画像を保存できませんでした:\n" + *path + "\n" + *failure);
}

void Frm2kin::ctxprint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("均時差"));
  if (!print_dialog_(printer, Window()) || !Client()) return;
  if (!PrintChart(printer, *Client())) ReportFailure("印刷できませんでした。");
}

}  // namespace graph
