// SPDX-License-Identifier: MIT
#include "windows/frm4kin.h"

#include "advance/one_day_advance.h"
#include "engine/day_argument.h"
#include "engine/module1.h"
#include "platform/forms/command_button.h"
#include "platform/core/convert.h"
#include "platform/forms/text_box.h"
#include "platform/fonts/window_fonts.h"
#include "windows/session.h"

namespace windows {
namespace {

using namespace platform::fonts;

}  // namespace

Frm4kin::Frm4kin(windows::Session& session) : Form("均時差詳細", 6420, 1935), session_(session) {}

void Frm4kin::Build() {
  // Modal over the chart: it belongs to the chart's window.
  SetOwner(&session_.frm2kin());
  AddLabel("Label1", {360, 240, 1335, 315}, "計算日時：", &kPGothic1425);
  txt1 = AddTextBox("txt1", {1800, 240, 795, 315}, 0, &kPGothic135, 2);
  SetAccessibleName(txt1, "月");
  AddSpin("UpDown1", {2640, 240, 240, 360}, 15, txt1, 1, 12, 1);
  AddLabel("Label2", {3000, 360, 315, 315}, "月", &kPGothic12);
  txt2 = AddTextBox("txt2", {3360, 240, 675, 360}, 1, &kPGothic135, 2);
  SetAccessibleName(txt2, "日");
  AddSpin("UpDown2", {4080, 240, 240, 360}, 16, txt2, 1, 31, 1);
  AddLabel("Label3", {4440, 360, 315, 315}, "日", &kPGothic12);
  txt3 = AddTextBox("txt3", {4920, 240, 555, 360}, 2, &kPGothic135, 2);
  SetAccessibleName(txt3, "時");
  AddSpin("UpDown3", {5520, 240, 240, 360}, 17, txt3, 0, 23, 0);
  AddLabel("Label4", {5880, 360, 315, 315}, "時", &kPGothic12);

  Command1 = AddButton("Command1", {360, 720, 1095, 372}, 6, "再入力", &kPGothic975, [this] { Command1_Click(); });
  AddButton("Command2", {1680, 720, 1095, 372}, 7, "戻\u3000る", &kPGothic975, [this] { Command2_Click(); });
  AddButton("Command4", {3000, 720, 1095, 372}, 14, "一日漸進", nullptr, [this] { Command4_Click(); });
  btnok = AddButton("btnok", {4320, 720, 1815, 375}, 13, "計算開始", &kPGothic1125, [this] { btnok_Click(); });

  AddLine({240, 1320, 6240, 1320, false, 2, true, platform::RGB(0x80, 0x80, 0x80)});

  AddLabel("Label8", {1320, 1440, 1215, 315}, "均時差：", &kPGothic1425);
  txt5 = AddTextBox("txt5", {2520, 1440, 792, 270}, 8, &kPGothic135, 4);
  SetAccessibleName(txt5, "均時差 分");
  AddLabel("Label6", {3480, 1440, 315, 315}, "分", &kPGothic135);
  txt6 = AddTextBox("txt6", {3960, 1440, 732, 270}, 10, &kPGothic135, 4);
  SetAccessibleName(txt6, "均時差 秒");
  AddLabel("Label7", {4860, 1440, 315, 315}, "秒", &kPGothic135);
  // The longest value each box shows.
  for (platform::TextBox* box : {txt1, txt2, txt3}) box->FitText(QStringLiteral("99"));
  txt5->FitText(QStringLiteral("- 16"));
  txt6->FitText(QStringLiteral("59.9"));

  BuildMenus();
}

void Frm4kin::BuildMenus() {
  QMenu* mnufile = AddMenu("mnufile", "ファイル(&F)");
  AddMenuItem(mnufile, "mnurep", "再入力(&R)", [this] { Command1_Click(); });
  AddMenuItem(mnufile, "mnuback", "戻る(&B)", [this] { Command2_Click(); });
  AddMenuSeparator(mnufile);
  AddMenuItem(mnufile, "mnuend", "Orvalinを終了(&E)", [this] { mnuend_Click(); });
  QMenu* mnucalc = AddMenu("mnucalc", "計算(&C)");
  AddMenuItem(mnucalc, "mnust", "計算開始(&S)", [this] { btnok_Click(); });
  AddMenuItem(mnucalc, "mnuzen", "一日漸進(&D)", [this] { Command4_Click(); });
}

void Frm4kin::Form_Load() { Centre(); }

void Frm4kin::Form_Activate() {
  SetCaption("均時差詳細（" + platform::NumberToText(session_.CalcYear) + "年)");
  WritePresentMonthDayHour();
  ClearResults();
  SetFocusTo(btnok);
}

void Frm4kin::Form_Unload() { session_.frm2kin().SetEnabled(true); }

void Frm4kin::WritePresentMonthDayHour() {
  // The clock is read anew for each box; the present year is not used.
  auto& runtime = platform::Runtime::Get();
  txt1->SetText(platform::NumberToText(runtime.Now().month));
  txt2->SetText(platform::NumberToText(runtime.Now().day));
  txt3->SetText(platform::NumberToText(runtime.Now().hour));
}

void Frm4kin::ClearResults() {
  txt5->SetText("");
  txt6->SetText("");
}

void Frm4kin::btnok_Click() {
  const float hour = Read(txt3, platform::TextToSingle);
  const float day = Read(txt2, platform::TextToSingle);
  const float day_value = Module1::DayArgument(day, hour);
  const float month = Read(txt1, platform::TextToSingle);
  Module1::EquationOfTimeAt(session_.CalcYear, month, day_value);
  txt5->SetText(Module1::EotMinutesText);
  txt6->SetText(platform::SingleToText(Module1::EotSeconds));
  SetFocusTo(Command1);
}

void Frm4kin::Command1_Click() {
  ClearResults();
  WritePresentMonthDayHour();
  SetFocusTo(btnok);
}

void Frm4kin::Command2_Click() {
  ClearResults();
  session_.frm2kin().SetEnabled(true);
  Hide();
}

void Frm4kin::Command4_Click() {
  std::optional<advance::AdvancedDate> date;
  try {
    date = advance::AdvanceOneDay(txt1->Text(), txt2->Text(), txt3->Text(), session_.CalcYear);
  } catch (const advance::AdvanceError& error) {
    platform::Runtime::Get().SetErrorFocus(error.box() == advance::DetailBox::Month ? txt1 : txt2);
    throw;
  }
  if (!date) {
    SetFocusTo(txt1);
    return;
  }
  if (date->month_text != txt1->Text()) txt1->SetText(date->month_text);
  txt2->SetText(date->day_text);
}

void Frm4kin::mnuend_Click() {
  Unload();
  platform::Runtime::Get().End();
}

}  // namespace windows

