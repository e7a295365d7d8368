// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <string>
#include <vector>

#include "windows/program_windows.h"
#include "platform/forms/command_button.h"
#include "platform/forms/runtime.h"
#include "platform/forms/text_box.h"

// The whole program offscreen: the three windows registered as main() does, a fixed
// clock, and recorders in place of message boxes, sound and the end of the process.
class ProgramTest : public testing::Test {
 protected:
  ProgramTest();
  ~ProgramTest() override;

  // Starts the program as main() does: the year entry window is shown.
  void Start();

  // Finds a control or menu item of a loaded window by its name; fails the test if absent.
  static platform::TextBox* Box(platform::Form& form, const char* name);
  static platform::CommandButton* Button(platform::Form& form, const char* name);
  static QAction* MenuItem(platform::Form& form, const char* name);
  static QWidget* FocusOf(platform::Form& form);

  // User actions.
  static void Click(platform::Form& form, const char* button);
  static void Choose(platform::Form& form, const char* menu_item);
  static void PressKey(QWidget* target, int qt_key);
  // Replaces a box's text as the user would (select all, type or paste).
  static void Type(platform::Form& form, const char* box, const std::string& text);
  static void CloseBox(platform::Form& form);
  // Pixels plotted on a window's drawing surface (0 when not loaded).
  static int PlottedPixels(platform::Form& form);
  // Colour (0xRRGGBB) of the surface pixel a twip position falls on; -1 when unplotted.
  static long SurfaceColourAt(platform::Form& form, float x_twips, float y_twips);

  // Runs pending deferred deletions of unloaded windows.
  static void SettleEvents();

  // Confirms a year from the year entry window.
  void ConfirmYear(const std::string& text);

  // What the recorders saw.
  struct Event {
    std::string kind;  // "message" or "sound"
    std::string title;
    std::string text;
  };
  std::vector<Event> events_;
  int ends_ = 0;
  std::vector<Event> Messages() const;
  platform::LocalDateTime clock_{2026, 12, 7, 13};

  windows::ProgramWindows windows_;
  windows::Frm1kin& frm1kin_ = windows_.year_entry;
  windows::Frm2kin& frm2kin_ = windows_.chart;
  windows::Frm4kin& frm4kin_ = windows_.detail_window;
};
