// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/services.h"

class QMainWindow;
class QWidget;

namespace platform {

class RuntimeError;

// A window as the runtime keeps track of it: what activation and the dispatcher
// ask of it. platform::Form is the one kind there is; the runtime sits below it
// and sees no more of it than this.
class RuntimeWindow {
 public:
  virtual bool IsLoaded() const = 0;
  virtual bool IsVisible() const = 0;
  virtual bool IsEnabled() const = 0;
  virtual QMainWindow* Window() const = 0;  // null while not loaded

 protected:
  ~RuntimeWindow() = default;

 private:
  friend class Runtime;
  // Runs the window's Form_Activate procedure.
  virtual void RunActivate() = 0;
  // Takes the loaded window away without running Form_Unload (the program ends).
  virtual void DestroyWindow() = 0;
};

// Brings a top-level window to the front and asks the window system to activate it.
void RaiseWindow(QWidget* window);

// The forms runtime: which forms exist, which one is active, the one event
// dispatcher, the end of the program, and the replaceable desktop services.
// One instance for the process (Get()); tests call Reset() between cases.
class Runtime {
 public:
  static Runtime& Get();

  // Starts over for the next test: no form is active or remembered as activated,
  // the program has not ended, and the services are the real ones again. The forms
  // stay registered (each unregisters itself when destroyed), loaded or not as they
  // were. The sound player becomes the silent default: the program that wants
  // sound installs its player with SetSoundPlayer.
  void Reset();

  // Runs an event procedure of `owner`. Nothing runs after End(), nor for a form
  // that is not loaded or is disabled (a disabled window takes no input, its menus
  // included). A RuntimeError abandons the procedure: it is reported in the
  // "Orvalin" message box, the focus goes to the control that caused it (or back to
  // where it was), and the program goes on.
  void Dispatch(RuntimeWindow* owner, const std::function<void()>& procedure);

  // Ends the program at once: every window goes, no further procedure runs and no
  // Form_Unload runs. Then calls the end handler (quits the event loop).
  void End();
  bool HasEnded() const { return ended_; }

  RuntimeWindow* ActiveForm() const { return active_; }

  // Marks the control whose contents raised the runtime error being thrown, so that
  // the report returns the focus there.
  void SetErrorFocus(QWidget* control) { error_focus_ = control; }
  void ReportRuntimeError(const RuntimeError& error);

  // Services, replaceable by tests.
  void ShowMessageBox(const MessageBoxRequest& request);
  LocalDateTime Now() const;
  void PlaySound(const std::string& path);
  void SetMessageBoxPresenter(std::function<void(const MessageBoxRequest&)> presenter);
  void SetClock(std::function<LocalDateTime()> clock);
  void SetSoundPlayer(std::function<void(const std::string&)> player);
  void SetEndHandler(std::function<void()> handler);

  // Called by Form only. Activate runs the form's Form_Activate.
  void Register(RuntimeWindow* form);
  void Unregister(RuntimeWindow* form);
  void Activate(RuntimeWindow* form);
  void Deactivate(RuntimeWindow* form);  // `form` was hidden, disabled or unloaded
  void Unloaded(RuntimeWindow* form);

 private:
  Runtime();
  RuntimeWindow* MostRecentActivatable(const RuntimeWindow* except) const;

  std::vector<RuntimeWindow*> forms_;
  std::vector<RuntimeWindow*> activation_order_;  // least recent first
  RuntimeWindow* active_ = nullptr;
  bool ended_ = false;
  QWidget* error_focus_ = nullptr;
  std::function<void(const MessageBoxRequest&)> message_box_;
  std::function<LocalDateTime()> clock_;
  std::function<void(const std::string&)> sound_;
  std::function<void()> end_handler_;
};

}  // namespace platform
