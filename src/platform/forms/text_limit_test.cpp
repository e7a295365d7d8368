// SPDX-License-Identifier: MIT
#include "platform/forms/text_limit.h"

#include <gtest/gtest.h>

namespace {

TEST(LimitInsertion, KeepsWhatFitsOfTheInsertedText) {
  const struct {
    const char16_t* before;
    int start, length;  // what the edit replaced
    const char16_t* edited;
    int max_length;
    const char16_t* kept;
    int cursor;  // −1: the edit stands as it is
  } kCases[] = {
      {u"2002", 4, 0, u"20023", 6, u"20023", -1},
      {u"200", 3, 0, u"2001234", 6, u"200123", 6},        // paste at the end, cut
      {u"2002", 1, 0, u"2X0002", 5, u"2X002", 2},         // typed in the middle
      {u"123456", 6, 0, u"1234567", 6, u"123456", 6},
      {u"100", 3, 0, u"1007", 2, u"100", 3},              // over the limit already: no insertion
      {u"100", 2, 0, u"10", 2, u"10", -1},                // but it can be shortened
      {u"12", 0, 2, u"abc", 2, u"ab", 2},                 // the selection replaced by a longer paste
      // Replacing "5" by "😀5" keeps the emoji's two units, not the old 5.
      {u"5", 0, 1, u"\U0001F6005", 2, u"\U0001F600", 2},
      {u"123456", 0, 6, u"&HFFFFFFFF", 6, u"&HFFFF", 6},
      {u"", 0, 0, u"a\U0001F600b", 2, u"a", 1},           // never half a surrogate pair
      {u"", 0, 0, u"\U0001F600", 2, u"\U0001F600", -1},
      {u"ab", 9, 0, u"abcd", 3, u"abc", 3},               // a stale position: found by comparing
  };
  for (const auto& c : kCases) {
    const auto limited = platform::LimitInsertion(QString::fromUtf16(c.before), c.start, c.length,
                                                  QString::fromUtf16(c.edited), c.max_length);
    EXPECT_EQ(limited.text, QString::fromUtf16(c.kept)) << QString::fromUtf16(c.edited).toStdString();
    EXPECT_EQ(limited.cursor, c.cursor) << QString::fromUtf16(c.edited).toStdString();
  }
}

}  // namespace
