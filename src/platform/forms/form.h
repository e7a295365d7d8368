// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "platform/fonts/fonts.h"
#include "platform/forms/form_client.h"
#include "platform/forms/form_window.h"
#include "platform/core/palette.h"
#include "platform/forms/runtime.h"
#include "platform/forms/text_box.h"

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;

namespace platform {

class CommandButton;
class SpinControl;

// Position and size of a control in twips.
struct Placement {
  int left, top, width, height;
};

// The base of every window of the program. The object lives for the whole run and
// holds the window-level variables of its subclass; the loaded window (a Qt window
// with its controls and drawing surface) exists from load to unload. Windows reach
// one another only through this interface.
class Form : public RuntimeWindow, private FormWindowEvents {
 public:
  Form(std::string caption, int client_width_twips, int client_height_twips);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Make visible: loads the window first if needed (Form_Load runs inside), shows it
  // and makes it the active form (Form_Activate follows unless it already was).
  void Show();
  // Hides the window; it stays loaded with its contents.
  void Hide();
  // A disabled window takes no mouse or keyboard input, menus and close box
  // included. Setting the flag of a window that is not loaded loads it.
  void SetEnabled(bool enabled);
  // Runs Form_Unload, then destroys the loaded window. Never cancelled.
  void Unload();

  bool IsLoaded() const override;
  bool IsVisible() const override;
  bool IsEnabled() const override;

  std::string Caption() const;
  void SetCaption(const std::string& caption);

  // Outer frame position and size in twips (single precision), and the screen's.
  float Top() const { return top_twips_; }
  float Left() const { return left_twips_; }
  void SetTop(float twips);
  void SetLeft(float twips);
  float Width() const;
  float Height() const;
  static float ScreenWidth();
  static float ScreenHeight();
  // Centres the outer frame on the screen, top first, then left.
  void Centre();

  // The persistent drawing surface.
  void PSet(float x_twips, float y_twips, Colour colour);
  void Cls();

  // The loaded window, for tests and screenshots; null when not loaded.
  QMainWindow* Window() const override;
  FormClient* Client() const { return client_; }
  // The client area's context menu; null when the form has none or is not loaded.
  QMenu* ContextMenu() const { return context_menu_; }
  // Opens the context menu at a point of the client area (pixels), through the
  // dispatcher: a disabled window refuses it.
  void OpenContextMenu(QPoint at_pixels);

 protected:
  // Creates the controls of the loaded window (runs inside load, before Form_Load).
  virtual void Build() = 0;
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_Unload() {}
  // The user closed the window through its frame: unload it.
  virtual void CloseBoxPressed() { Unload(); }

  // Runs an event procedure of this form through the runtime's dispatcher.
  void Run(const std::function<void()>& procedure);

  // Reads a box through a conversion; if the conversion raises a runtime error the
  // report returns the focus to that box.
  template <typename Convert>
  auto Read(TextBox* box, Convert convert) -> decltype(convert(std::string()));

  // Layout, for Build(). Names become the widgets' object names.
  void SetWindowFont(const FontSpec& font);
  TextBox* AddTextBox(const char* name, Placement at, int tab_index, const FontSpec* font, int max_length);
  CommandButton* AddButton(const char* name, Placement at, int tab_index, const char* caption,
                           const FontSpec* font, std::function<void()> on_click);
  QLabel* AddLabel(const char* name, Placement at, const char* caption, const FontSpec* font,
                   Qt::Alignment alignment = Qt::AlignLeft);
  SpinControl* AddSpin(const char* name, Placement at, int tab_index, TextBox* buddy, int minimum,
                       int maximum, int initial);
  void AddLine(const LineShape& line);
  QMenu* AddMenu(const char* name, const char* caption);
  QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, std::function<void()> procedure);
  void AddMenuSeparator(QMenu* menu);
  // An item of the client area's context menu (right button, the Menu key,
  // Shift+F10); the first one creates the menu. Runs through the dispatcher.
  QAction* AddContextMenuItem(const char* name, const char* caption, std::function<void()> procedure);
  void SetFocusTo(QWidget* control);
  // The window this one belongs to while both are shown: window managers keep this
  // one above it, minimise and restore the two together, and raise this one when
  // the owner is activated. Call in Build().
  void SetOwner(Form* owner);
  // What a screen reader says for a control: the label beside a box (a spin control
  // added afterwards takes its box's name); a button says its caption.
  static void SetAccessibleName(QWidget* control, const char* name);
  // What a screen reader says for the drawing surface.
  void DescribeSurface(const std::string& name, const std::string& description);

 private:
  void Load();
  void DestroyWindow() override;
  void RunActivate() override { Form_Activate(); }
  void RequestClose() override;
  void ApplyTabOrder();
  void MoveWindow();
  void FrameMarginsChanged() override;

  std::string caption_;
  int client_width_twips_;
  int client_height_twips_;
  float top_twips_ = 0;
  float left_twips_ = 0;
  FormWindow* window_ = nullptr;
  FormClient* client_ = nullptr;
  QMenu* context_menu_ = nullptr;  // owned by window_
  std::vector<std::pair<int, QWidget*>> tab_stops_;
  Form* owner_ = nullptr;
  // The window system tells a frame's size only once the window is on screen; a
  // centring done on load with a guessed frame is redone once with the real one.
  bool recentre_when_framed_ = false;
  int centred_frame_width_ = 0;
  int centred_frame_height_ = 0;
};

template <typename Convert>
auto Form::Read(TextBox* box, Convert convert) -> decltype(convert(std::string())) {
  try {
    return convert(box->Text());
  } catch (...) {
    Runtime::Get().SetErrorFocus(box);
    throw;
  }
}

}  // namespace platform
