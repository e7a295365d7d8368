// SPDX-License-Identifier: MIT
#include "platform/forms/text_limit.h"

#include <algorithm>

namespace platform {
namespace {

// Where `edited` differs from `before`: the common prefix and suffix lengths.
void CommonEnds(const QString& before, const QString& edited, qsizetype& prefix, qsizetype& suffix) {
  const qsizetype shorter = std::min(before.size(), edited.size());
  prefix = 0;
  while (prefix < shorter && before[prefix] == edited[prefix]) ++prefix;
  suffix = 0;
  while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == edited[edited.size() - 1 - suffix]) {
    ++suffix;
  }
}

}  // namespace

LimitedEdit LimitInsertion(const QString& before, int replaced_start, int replaced_length, const QString& edited,
                           int max_length) {
  if (edited.size() <= max_length || edited.size() <= before.size()) return {edited, -1};
  qsizetype start = replaced_start;
  qsizetype kept_tail = before.size() - replaced_start - replaced_length;
  const bool matches_replacement = start >= 0 && kept_tail >= 0 &&
                                   edited.size() >= start + kept_tail &&
                                   QStringView(edited).left(start) == QStringView(before).left(start) &&
                                   QStringView(edited).right(kept_tail) == QStringView(before).right(kept_tail);
  if (!matches_replacement) CommonEnds(before, edited, start, kept_tail);  // an edit of another shape
  const qsizetype inserted_length = edited.size() - start - kept_tail;
  const qsizetype remaining = start + kept_tail;  // characters of `before` the edit kept
  qsizetype room = std::clamp<qsizetype>(max_length - remaining, 0, inserted_length);
  if (room > 0 && room < inserted_length && edited[start + room - 1].isHighSurrogate()) --room;
  return {edited.left(start + room) + edited.right(kept_tail), static_cast<int>(start + room)};
}

QString PastedLine(const QString& pasted) {
  QString line;
  for (const QChar c : pasted) {
    if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\u0085') break;
    if (c.category() != QChar::Other_Control) line += c;
  }
  return line;
}

}  // namespace platform
