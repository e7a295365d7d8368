// SPDX-License-Identifier: MIT
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace platform {

// Key codes as the KeyDown procedures receive them (Windows virtual-key codes).
inline constexpr int16_t kKeyEnter = 13;

// Shift state bits passed to KeyDown.
inline constexpr int16_t kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

// A one-line text box: text read and written as UTF-8, left-aligned on the system's
// button-face colour, with a maximum length that limits typing and pasting but not
// what the program writes. A paste (keys, context menu, middle button, drop) keeps
// one line of it; a key with Alt, Ctrl or Meta held never types.
class TextBox : public QLineEdit {
 public:
  TextBox(QWidget* parent, int max_length);

  std::string Text() const;
  void SetText(const std::string& text);  // does not move the focus

  // KeyDown(KeyCode, Shift): runs before the box handles the key; setting KeyCode
  // to 0 swallows the key.
  void SetKeyDownHandler(std::function<void(int16_t& key_code, int16_t shift)> handler);
  // What ↑ and ↓ do in the box (step_up true for ↑): an attached spin control
  // steps its value by them. Without one the box handles them itself.
  void SetArrowKeySteps(std::function<void(bool step_up)> step) { arrow_step_ = std::move(step); }
  int MaximumLength() const { return max_length_; }

  // Makes `longest` (the longest text the box holds as a value, "-32768") show in
  // full within the box's fixed width: the stand-in faces are wider than the ones
  // the layouts were drawn for. Takes the fixed-pitch twin of the face where its
  // digits are narrower, then condenses the face as far as needed. Call after the
  // box has its font and size.
  void FitText(const QString& longest);
  // The width, in pixels, a text may take without scrolling.
  int TextRoomPixels() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void PasteLine(QClipboard::Mode mode);
  void LimitUserEdit(const QString& edited);
  void RememberState();

  int max_length_;
  // The text and what an edit would replace (the selection, or nothing at the
  // cursor) as they stood before the user's latest edit.
  QString last_text_;
  int replace_start_ = 0;
  int replace_length_ = 0;
  std::function<void(int16_t&, int16_t)> key_down_;
  std::function<void(bool)> arrow_step_;
};

// The key code of a Qt key event, 0 for keys the procedures never look at.
int16_t KeyCodeOf(int qt_key);

}  // namespace platform
