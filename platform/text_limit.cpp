// SPDX-License-Identifier: MIT
#include "platform/text_limit.h"

#include <algorithm>

namespace platform {

LimitedEdit LimitInsertion(const QString& before, const QString& edited, int max_length) {
  if (edited.size() <= max_length || edited.size() <= before.size()) {
    return {edited, -1};
  }
  // The edit replaced before[prefix, before.size() − suffix) by edited[prefix, edited.size() − suffix).
  const qsizetype shorter = std::min(before.size(), edited.size());
  qsizetype prefix = 0;
  while (prefix < shorter && before[prefix] == edited[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < shorter - prefix &&
         before[before.size() - 1 - suffix] == edited[edited.size() - 1 - suffix]) {
    ++suffix;
  }
  const qsizetype removed = before.size() - prefix - suffix;
  const QString inserted = edited.mid(prefix, edited.size() - prefix - suffix);
  qsizetype room = std::max<qsizetype>(0, max_length - (before.size() - removed));
  room = std::min(room, inserted.size());
  if (room > 0 && room < inserted.size() && inserted[room - 1].isHighSurrogate()) --room;
  const QString kept = inserted.left(room);
  return {edited.left(prefix) + kept + edited.right(suffix), static_cast<int>(prefix + kept.size())};
}

}  // namespace platform
