// SPDX-License-Identifier: MIT
#include "platform/forms/text_box.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

#include "platform/fonts/text_fit.h"
#include "platform/forms/text_limit.h"

namespace platform {
namespace {

// Qt's line edit keeps 2 pixels inside its frame on either side; the layouts'
// narrow boxes keep 1.
constexpr int kFramePixels = 1;  // the border of the style sheet
constexpr int kQtTextMarginPixels = 2;
constexpr int kTextGapPixels = 1;
constexpr int kCursorPixels = 1;

}  // namespace

TextBox::TextBox(QWidget* parent, int max_length) : QLineEdit(parent), max_length_(max_length) {
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A one-pixel border and no padding, as the layouts' narrow boxes were drawn for:
  // the toolkit's own frame would scroll a four-digit year out of sight.
  setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); padding: 0px;"
                               " background: palette(button); }"
                               "QLineEdit:focus { border: 1px solid palette(highlight); }"));
  setTextMargins(kTextGapPixels - kQtTextMarginPixels, 0, kTextGapPixels - kQtTextMarginPixels, 0);
  // textEdited fires for the user's edits only (typing, paste, input method), never
  // for SetText, so the program can write longer texts than the user may type.
  connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) { LimitUserEdit(edited); });
  connect(this, &QLineEdit::cursorPositionChanged, this, [this] { RememberState(); });
  connect(this, &QLineEdit::selectionChanged, this, [this] { RememberState(); });
}

void TextBox::RememberState() {
  // Mid-edit (the text already changed, the edit not yet seen) the state before
  // the edit must stay as it was.
  if (text() != last_text_) return;
  replace_start_ = hasSelectedText() ? selectionStart() : cursorPosition();
  replace_length_ = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
}

int TextBox::TextRoomPixels() const {
  return width() - 2 * (kFramePixels + kTextGapPixels) - kCursorPixels;
}

void TextBox::FitText(const QString& longest) { setFont(FittedFont(font(), longest, TextRoomPixels())); }

std::string TextBox::Text() const { return text().toStdString(); }

void TextBox::SetText(const std::string& text) {
  setText(QString::fromStdString(text));
  last_text_ = this->text();
  RememberState();
}

void TextBox::SetKeyDownHandler(std::function<void(int16_t&, int16_t)> handler) {
  key_down_ = std::move(handler);
}

void TextBox::LimitUserEdit(const QString& edited) {
  const LimitedEdit limited = LimitInsertion(last_text_, replace_start_, replace_length_, edited, max_length_);
  if (limited.cursor >= 0) {
    setText(limited.text);
    setCursorPosition(limited.cursor);
  }
  last_text_ = text();
  RememberState();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (key_down_) {
    int16_t key_code = KeyCodeOf(event->key());
    int16_t shift = 0;
    if (event->modifiers() & Qt::ShiftModifier) shift |= kShiftMask;
    if (event->modifiers() & Qt::ControlModifier) shift |= kCtrlMask;
    if (event->modifiers() & Qt::AltModifier) shift |= kAltMask;
    if (key_code != 0) {
      key_down_(key_code, shift);
      if (key_code == 0) {
        event->accept();
        return;
      }
    }
  }
  if (arrow_step_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    arrow_step_(event->key() == Qt::Key_Up);
    event->accept();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    PasteLine(QClipboard::Clipboard);
    event->accept();
    return;
  }
  // A key pressed with Alt, Ctrl or Meta held is a command, never text: Alt+F in a
  // window without menus typed "f" into the year. The box still sees the key
  // without its text, so Ctrl+A, C, X, Z keep their editing meaning.
  if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) {
    QKeyEvent command(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                      event->nativeVirtualKey(), event->nativeModifiers(), QString(), event->isAutoRepeat(),
                      event->count(), event->device());
    QLineEdit::keyPressEvent(&command);
    event->setAccepted(command.isAccepted());
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TextBox::PasteLine(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString line = PastedLine(QGuiApplication::clipboard()->text(mode));
  // As the toolkit's own paste: an empty clipboard still replaces a selection.
  if (!line.isEmpty() || hasSelectedText()) insert(line);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (QAction* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
    QObject::disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, this, [this] { PasteLine(QClipboard::Clipboard); });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the X selection.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() && !isReadOnly() &&
      rect().contains(event->position().toPoint())) {
    deselect();
    PasteLine(QClipboard::Selection);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasText()) return QLineEdit::dropEvent(event);
  QMimeData line;
  line.setText(PastedLine(event->mimeData()->text()));
  QDropEvent dropped(event->position(), event->possibleActions(), &line, event->buttons(), event->modifiers());
  dropped.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&dropped);
  event->setDropAction(dropped.dropAction());
  event->setAccepted(dropped.isAccepted());
}

int16_t KeyCodeOf(int qt_key) {
  if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return static_cast<int16_t>(qt_key);
  if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) return static_cast<int16_t>(qt_key);
  switch (qt_key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

}  // namespace platform
