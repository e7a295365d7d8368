// SPDX-License-Identifier: MIT
#include "windows/frm1kin.h"

#include "platform/forms/command_button.h"
#include "platform/core/convert.h"
#include "platform/forms/spin_control.h"
#include "platform/forms/text_box.h"
#include "platform/fonts/window_fonts.h"
#include "windows/session.h"

namespace windows {
namespace {

using namespace platform::fonts;

}  // namespace

Frm1kin::Frm1kin(windows::Session& session) : Form("均時差計算年の入力（西 暦）", 5430, 1935), session_(session) {}

void Frm1kin::Build() {
  SetWindowFont(kPGothic105);
  txt1kin = AddTextBox("txt1kin", {1080, 240, 645, 264}, 0, &kPGothic12, 6);
  txt1kin->FitText(QStringLiteral("-32768"));
  SetAccessibleName(txt1kin, "計算年");
  txt1kin->SetText("1998");
  txt1kin->SetKeyDownHandler([this](int16_t& key_code, int16_t shift) {
    Run([this, &key_code, shift] { txt1kin_KeyDown(key_code, shift); });
  });
  AddLabel("lbl1kin", {240, 240, 855, 255}, "計算年：", &kGothic1125, Qt::AlignHCenter);
  // Two spaces after the first 年, a full-width １, the wave dash U+FF5E and a
  // closing ideographic space.
  AddLabel("lbl2kin", {2160, 250, 3135, 255}, "年  １月１日\uFF5E同年 12月31日まで\u3000", nullptr);
  cmd1kin = AddButton("cmd1kin", {1560, 1320, 1080, 372}, 3, "再入力", &kPGothic975, [this] { cmd1kin_Click(); });
  cmd2kin = AddButton("cmd2kin", {240, 840, 1152, 855}, 4, "決定", &kPGothic12, [this] { cmd2kin_Click(); });
  cmd3kin = AddButton("cmd3kin", {1560, 840, 1080, 372}, 5, "本 年", &kPGothic975, [this] { cmd3kin_Click(); });
  Command1 = AddButton("Command1", {4200, 1320, 1035, 372}, 6, "終 了", &kPGothic975, [this] { Command1_Click(); });
  UpDown1 = AddSpin("UpDown1", {1800, 240, 240, 270}, 7, txt1kin, 1850, 2050, 1850);
  AddLabel("Label1", {2880, 840, 2415, 255}, "（紀元前はマイナスとする）", &kPGothic975);
}

std::string Frm1kin::PresentYearText() const {
  return platform::NumberToText(platform::Runtime::Get().Now().year);
}

void Frm1kin::Form_Load() {
  txt1kin->SetText(PresentYearText());
  Centre();
}

void Frm1kin::Form_Activate() { SetFocusTo(txt1kin); }

void Frm1kin::txt1kin_KeyDown(int16_t& KeyCode, int16_t /*Shift*/) {
  if (!txt1kin->Text().empty() && KeyCode == platform::kKeyEnter) SetFocusTo(cmd2kin);
}

void Frm1kin::cmd2kin_Click() {
  if (txt1kin->Text().empty()) {
    SetFocusTo(txt1kin);
    return;
  }
  // The leading number, rounded halves to even; outside 16 bits it is an overflow
  // and nothing changes.
  const int16_t year = Read(txt1kin, [](const std::string& text) {
    return platform::RoundToInteger(platform::LeadingNumber(text));
  });
  session_.CalcYear = year;
  Hide();
  session_.frm2kin().Show();
}

void Frm1kin::cmd1kin_Click() {
  txt1kin->SetText("");
  SetFocusTo(txt1kin);
}

void Frm1kin::cmd3kin_Click() {
  txt1kin->SetText(PresentYearText());
  SetFocusTo(cmd2kin);
}

void Frm1kin::Command1_Click() {
  Unload();
  platform::Runtime::Get().End();
}

void Frm1kin::CloseBoxPressed() { Command1_Click(); }

}  // namespace windows
