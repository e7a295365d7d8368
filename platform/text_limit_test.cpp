// SPDX-License-Identifier: MIT
#include "platform/text_limit.h"

#include <gtest/gtest.h>

namespace {

TEST(LimitInsertion, KeepsWhatFitsOfTheInsertedText) {
  const struct {
    const char16_t* before;
    const char16_t* edited;
    int max_length;
    const char16_t* kept;
    int cursor;  // −1: the edit stands as it is
  } kCases[] = {
      {u"2002", u"20023", 6, u"20023", -1},
      {u"200", u"2001234", 6, u"200123", 6},           // paste at the end, cut
      {u"2002", u"2X0002", 5, u"2X002", 2},            // typed in the middle
      {u"123456", u"1234567", 6, u"123456", 6},
      {u"100", u"1007", 2, u"100", 3},                 // over the limit already: no insertion
      {u"100", u"10", 2, u"10", -1},                   // but it can be shortened
      {u"12", u"1abc", 2, u"1a", 2},                   // a selection replaced by a longer paste
      {u"", u"a\U0001F600b", 2, u"a", 1},              // never half a surrogate pair
      {u"", u"\U0001F600", 2, u"\U0001F600", -1},
  };
  for (const auto& c : kCases) {
    const auto limited = platform::LimitInsertion(QString::fromUtf16(c.before), QString::fromUtf16(c.edited),
                                                  c.max_length);
    EXPECT_EQ(limited.text, QString::fromUtf16(c.kept)) << QString::fromUtf16(c.edited).toStdString();
    EXPECT_EQ(limited.cursor, c.cursor) << QString::fromUtf16(c.edited).toStdString();
  }
}

}  // namespace
