// SPDX-License-Identifier: MIT
#include "platform/forms/form.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "platform/forms/app_icon.h"
#include "platform/forms/command_button.h"
#include "platform/forms/form_window.h"
#include "platform/core/geometry.h"
#include "platform/fonts/text_fit.h"
#include "platform/forms/spin_control.h"

namespace platform {
namespace {

// The Menu key reaches the window as a context-menu request that Qt passes on to
// the focused control (in the chart window, the year box with its own copy menu).
// This filter on the window takes the request and opens the form's menu instead.
class KeyboardContextMenuFilter : public QObject {
 public:
  KeyboardContextMenuFilter(QWidget* window, std::function<void()> open)
      : QObject(window), window_(window), open_(std::move(open)) {
    window_->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    // The window system's window exists once the widget is shown.
    if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle() &&
        window_->windowHandle() != handle_) {
      handle_ = window_->windowHandle();
      handle_->installEventFilter(this);
    }
    if (watched == handle_ && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
      open_();
      return true;
    }
    return false;
  }

 private:
  QWidget* window_;
  QPointer<QWindow> handle_;
  std::function<void()> open_;
};

}  // namespace

Form::Form(std::string caption, int client_width_twips, int client_height_twips)
    : caption_(std::move(caption)),
      client_width_twips_(client_width_twips),
      client_height_twips_(client_height_twips) {
  Runtime::Get().Register(this);
}

Form::~Form() {
  Runtime::Get().Unregister(this);
  delete window_;
}

void Form::Show() {
  if (Runtime::Get().HasEnded()) return;
  if (!IsLoaded()) Load();
  if (!IsLoaded() || Runtime::Get().HasEnded()) return;  // Form_Load may have ended the program
  // The owner's window is created and shown before this one: Qt would drop a
  // transient parent that has no native window yet.
  if (owner_ && owner_->Window()) {
    window_->winId();
    owner_->Window()->winId();
    window_->windowHandle()->setTransientParent(owner_->Window()->windowHandle());
  }
  window_->show();
  RaiseWindow(window_);
  Runtime::Get().Activate(this);
}

void Form::Hide() {
  if (!IsLoaded()) return;
  window_->hide();
  Runtime::Get().Deactivate(this);
}

void Form::SetEnabled(bool enabled) {
  if (Runtime::Get().HasEnded()) return;
  if (!IsLoaded()) Load();
  if (!IsLoaded()) return;
  window_->setEnabled(enabled);
}

void Form::Unload() {
  if (!IsLoaded()) return;
  Form_Unload();
  DestroyWindow();
  Runtime::Get().Deactivate(this);
  Runtime::Get().Unloaded(this);
}

void Form::DestroyWindow() {
  if (!window_) return;
  window_->hide();
  // The window may be unloading from inside one of its own event handlers (a menu
  // command, its close box): delete it once control is back in the event loop.
  window_->deleteLater();
  window_ = nullptr;
  client_ = nullptr;
  context_menu_ = nullptr;
  tab_stops_.clear();
}

bool Form::IsLoaded() const { return window_ != nullptr; }
bool Form::IsVisible() const { return window_ && window_->isVisible(); }
bool Form::IsEnabled() const { return window_ && window_->isEnabled(); }
QMainWindow* Form::Window() const { return window_; }

std::string Form::Caption() const { return caption_; }

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (window_) window_->setWindowTitle(QString::fromStdString(caption_));
}

void Form::Load() {
  window_ = new FormWindow(this);
  window_->setWindowTitle(QString::fromStdString(caption_));
  window_->setWindowIcon(AppIcon());
  window_->setFont(MakeFont(kDefaultWindowFont));
  client_ = new FormClient(window_, client_width_twips_, client_height_twips_);
  window_->setCentralWidget(client_);
  Build();
  ApplyTabOrder();
  window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  window_->adjustSize();
  Form_Load();
}

void Form::ApplyTabOrder() {
  std::stable_sort(tab_stops_.begin(), tab_stops_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_stops_.size(); ++i) {
    QWidget::setTabOrder(tab_stops_[i - 1].second, tab_stops_[i].second);
  }
}

void Form::RequestClose() {
  Runtime::Get().Dispatch(this, [this] { CloseBoxPressed(); });
}

void Form::Run(const std::function<void()>& procedure) { Runtime::Get().Dispatch(this, procedure); }

// Outer frame margins: the window system's once the window has a frame, else
// those of another window of the program seen earlier, else none.
static QMargins FrameMarginsOf(const QWidget* window) {
  static QMargins last_known;
  if (window && window->windowHandle()) {
    const QMargins margins = window->windowHandle()->frameMargins();
    if (!margins.isNull()) last_known = margins;
  }
  return last_known;
}

float Form::Width() const {
  if (!window_) return 0;
  const QMargins frame = FrameMarginsOf(window_);
  return PixelsToTwips(window_->width() + frame.left() + frame.right());
}

float Form::Height() const {
  if (!window_) return 0;
  const QMargins frame = FrameMarginsOf(window_);
  return PixelsToTwips(window_->height() + frame.top() + frame.bottom());
}

float Form::ScreenWidth() { return PixelsToTwips(QGuiApplication::primaryScreen()->geometry().width()); }
float Form::ScreenHeight() { return PixelsToTwips(QGuiApplication::primaryScreen()->geometry().height()); }

void Form::SetTop(float twips) {
  top_twips_ = twips;
  MoveWindow();
}

void Form::SetLeft(float twips) {
  left_twips_ = twips;
  MoveWindow();
}

void Form::MoveWindow() {
  if (!window_) return;
  const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
  window_->move(origin + QPoint(TwipsToPixels(left_twips_), TwipsToPixels(top_twips_)));
}

void Form::Centre() {
  const CentredPosition position = CentreOnScreen(ScreenWidth(), ScreenHeight(), Width(), Height());
  SetTop(position.top_twips);
  SetLeft(position.left_twips);
  const QMargins frame = FrameMarginsOf(window_);
  recentre_when_framed_ = true;
  centred_frame_width_ = frame.left() + frame.right();
  centred_frame_height_ = frame.top() + frame.bottom();
}

void Form::FrameMarginsChanged() {
  if (!recentre_when_framed_ || !window_ || !window_->windowHandle()) return;
  const QMargins frame = window_->windowHandle()->frameMargins();
  if (frame.isNull()) return;
  recentre_when_framed_ = false;
  if (frame.left() + frame.right() != centred_frame_width_ || frame.top() + frame.bottom() != centred_frame_height_) {
    Centre();
    recentre_when_framed_ = false;
  }
}

void Form::PSet(float x_twips, float y_twips, Colour colour) {
  if (client_) client_->PSet(x_twips, y_twips, colour);
}

void Form::Cls() {
  if (client_) client_->Cls();
}

void Form::SetWindowFont(const FontSpec& font) { window_->setFont(MakeFont(font)); }

static void Place(QWidget* widget, const char* name, Placement at) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(TwipsToPixels(at.left), TwipsToPixels(at.top), TwipsToPixels(at.width),
                      TwipsToPixels(at.height));
}

TextBox* Form::AddTextBox(const char* name, Placement at, int tab_index, const FontSpec* font, int max_length) {
  auto* box = new TextBox(client_, max_length);
  Place(box, name, at);
  if (font) box->setFont(MakeFont(*font));
  tab_stops_.emplace_back(tab_index, box);
  return box;
}

CommandButton* Form::AddButton(const char* name, Placement at, int tab_index, const char* caption,
                               const FontSpec* font, std::function<void()> on_click) {
  auto* button = new CommandButton(QString::fromUtf8(caption), client_);
  Place(button, name, at);
  button->setAccessibleName(QString::fromUtf8(caption));
  if (font) button->setFont(MakeFont(*font));
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, button, [this, on_click] { Run(on_click); });
  tab_stops_.emplace_back(tab_index, button);
  return button;
}

QLabel* Form::AddLabel(const char* name, Placement at, const char* caption, const FontSpec* font,
                       Qt::Alignment alignment) {
  auto* label = new QLabel(QString::fromUtf8(caption), client_);
  Place(label, name, at);
  if (font) label->setFont(MakeFont(*font));
  label->setAlignment(alignment | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  // The layouts were sized for the Windows faces; where a stand-in face needs more
  // room, the label grows away from its aligned edge instead of clipping its text.
  label->setGeometry(GrownCaptionRect(label->geometry(), label->fontMetrics().size(Qt::TextSingleLine, label->text()),
                                      alignment));
  return label;
}

SpinControl* Form::AddSpin(const char* name, Placement at, int tab_index, TextBox* buddy, int minimum,
                           int maximum, int initial) {
  auto* spin = new SpinControl(client_, buddy, minimum, maximum, initial);
  Place(spin, name, at);
  // A screen reader names a spin control and its arrows after the box it steps.
  spin->SetFieldName(buddy->accessibleName());
  tab_stops_.emplace_back(tab_index, spin);
  return spin;
}

void Form::AddLine(const LineShape& line) { client_->AddLine(line); }

QMenu* Form::AddMenu(const char* name, const char* caption) {
  QMenu* menu = window_->menuBar()->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromUtf8(name));
  return menu;
}

QAction* Form::AddMenuItem(QMenu* menu, const char* name, const char* caption, std::function<void()> procedure) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromUtf8(name));
  // trigger() fires even on a disabled window; the dispatcher refuses it there.
  QObject::connect(action, &QAction::triggered, action, [this, procedure] { Run(procedure); });
  return action;
}

void Form::AddMenuSeparator(QMenu* menu) { menu->addSeparator(); }

void Form::SetAccessibleName(QWidget* control, const char* name) {
  control->setAccessibleName(QString::fromUtf8(name));
}

void Form::DescribeSurface(const std::string& name, const std::string& description) {
  if (!client_) return;
  client_->setAccessibleName(QString::fromStdString(name));
  client_->setAccessibleDescription(QString::fromStdString(description));
}

void Form::SetOwner(Form* owner) {
  owner_ = owner;
  window_->SetOwned(owner != nullptr);
}

QAction* Form::AddContextMenuItem(const char* name, const char* caption, std::function<void()> procedure) {
  if (!context_menu_) {
    context_menu_ = new QMenu(window_);
    context_menu_->setObjectName(QStringLiteral("context_menu"));
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(client_, &QWidget::customContextMenuRequested, client_,
                     [this](const QPoint& at) { OpenContextMenu(at); });
    // From the keyboard (the Menu key, Shift+F10) the menu opens in the middle of the
    // client area, wherever the focus is inside the window.
    new KeyboardContextMenuFilter(window_, [this] { OpenContextMenu(client_->rect().center()); });
    auto* open_by_key = new QAction(window_);
    open_by_key->setObjectName(QStringLiteral("context_menu_key"));
    open_by_key->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    open_by_key->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(open_by_key, &QAction::triggered, open_by_key,
                     [this] { OpenContextMenu(client_->rect().center()); });
    window_->addAction(open_by_key);
  }
  QAction* action = context_menu_->addAction(QString::fromUtf8(caption));
  action->setObjectName(QString::fromUtf8(name));
  QObject::connect(action, &QAction::triggered, action, [this, procedure] { Run(procedure); });
  return action;
}

void Form::OpenContextMenu(QPoint at_pixels) {
  Run([this, at_pixels] {
    if (context_menu_ && client_) context_menu_->popup(client_->mapToGlobal(at_pixels));
  });
}

void Form::SetFocusTo(QWidget* control) {
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  // A box the program fills and focuses has its text selected, so that typing
  // replaces it ("2026" then 1999 typed gave "202619"), as Tab does.
  if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
  // The program moves the focus in answer to keys (Enter, a confirmation): show
  // where it went, as keyboard navigation does, so a keyboard user can follow it.
  if (window_) window_->setAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace platform
