// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "platform/forms/form.h"

namespace platform {
class CommandButton;
class SpinControl;
class TextBox;
}  // namespace platform
namespace windows {
class Session;
}

namespace windows {

// The year entry window: the first window of the program, where the calculation
// year is typed, cleared, set to the present year and confirmed.
class Frm1kin : public platform::Form {
 public:
  explicit Frm1kin(windows::Session& session);

  void txt1kin_KeyDown(int16_t& KeyCode, int16_t Shift);
  void cmd1kin_Click();  // 再入力: clear the box
  void cmd2kin_Click();  // 決定: confirm the year
  void cmd3kin_Click();  // 本 年: the present year
  void Command1_Click(); // 終 了: end the program

 protected:
  void Build() override;
  void Form_Load() override;
  void Form_Activate() override;
  // Closing the first window ends the program, even with the other windows loaded
  // and hidden: otherwise a process would go on with no window to reach it by.
  void CloseBoxPressed() override;

 private:
  std::string PresentYearText() const;

  windows::Session& session_;
  platform::TextBox* txt1kin = nullptr;
  platform::CommandButton* cmd1kin = nullptr;
  platform::CommandButton* cmd2kin = nullptr;
  platform::CommandButton* cmd3kin = nullptr;
  platform::CommandButton* Command1 = nullptr;
  platform::SpinControl* UpDown1 = nullptr;
};

}  // namespace windows
