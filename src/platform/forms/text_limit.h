// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

struct LimitedEdit {
  QString text;
  int cursor;  // after the kept insertion; −1 when the edit stands as it is
};

// A text box's maximum length limits what the user types or pastes, not what the
// program writes. One user edit replaced `replaced_length` characters of `before`
// at `replaced_start` (the selection, or nothing at the cursor) and produced
// `edited`. Keeps as much of the inserted text as fits in `max_length` characters
// (UTF-16 units, never half a surrogate pair) and drops the rest, as a Windows edit
// control's text limit does. A text already over the limit (written by the program)
// takes no insertion but can still be shortened.
LimitedEdit LimitInsertion(const QString& before, int replaced_start, int replaced_length, const QString& edited,
                           int max_length);

// What a paste puts into a one-line box: the text before its first line break,
// without other control characters (the maximum length applies afterwards).
QString PastedLine(const QString& pasted);

}  // namespace platform
