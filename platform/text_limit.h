// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

struct LimitedEdit {
  QString text;
  int cursor;  // position after the kept insertion
};

// A text box's maximum length limits what the user types or pastes, not what the
// program writes. Given the text before and after one user edit, keeps as much of
// the inserted part as fits in `max_length` characters (UTF-16 units, never
// splitting a surrogate pair) and drops the rest, as a Windows edit control's text
// limit does. A text already over the limit (written by the program) takes no
// further insertion but can still be shortened.
LimitedEdit LimitInsertion(const QString& before, const QString& edited, int max_length);

}  // namespace platform
