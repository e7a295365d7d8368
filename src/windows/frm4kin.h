// SPDX-License-Identifier: MIT
#pragma once

#include "platform/forms/form.h"

namespace platform {
class CommandButton;
}
namespace windows {
class Session;
}

namespace windows {

// The detail window: the equation of time at one month, day and hour of the
// calculation year, and the one-day advance of that date.
class Frm4kin : public platform::Form {
 public:
  explicit Frm4kin(windows::Session& session);

  void btnok_Click();     // 計算開始: evaluate at the entered instant
  void Command1_Click();  // 再入力: the present month, day and hour again
  void Command2_Click();  // 戻　る: back to the chart
  void Command4_Click();  // 一日漸進: one day forward
  void mnuend_Click();    // Orvalinを終了(&E)

 protected:
  void Build() override;
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload() override;

 private:
  void BuildMenus();
  void WritePresentMonthDayHour();
  void ClearResults();

  windows::Session& session_;
  platform::TextBox* txt1 = nullptr;  // month
  platform::TextBox* txt2 = nullptr;  // day
  platform::TextBox* txt3 = nullptr;  // hour
  platform::TextBox* txt5 = nullptr;  // result: sign and whole minutes
  platform::TextBox* txt6 = nullptr;  // result: seconds
  platform::CommandButton* btnok = nullptr;
  platform::CommandButton* Command1 = nullptr;
};

}  // namespace windows
