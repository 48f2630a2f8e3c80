#include <gtest/gtest.h>

#include "argument_text.h"

TEST(ArgumentText, FollowsTheProgramNameAndItsBlanks) {
  EXPECT_EQ(ArgumentTextOf(L"C:\\Windows\\saver.scr /s"), L"/s");
  EXPECT_EQ(ArgumentTextOf(L"saver.scr /p 1234"), L"/p 1234");
  EXPECT_EQ(ArgumentTextOf(L"saver.scr \t /c:99"), L"/c:99");
  EXPECT_EQ(ArgumentTextOf(L"saver.scr"), L"");
  EXPECT_EQ(ArgumentTextOf(L"saver.scr   "), L"");
  EXPECT_EQ(ArgumentTextOf(L""), L"");
}

// Windows quotes a program path that holds blanks; the blanks inside the quotes are the name's.
TEST(ArgumentText, QuotedProgramNameMayHoldBlanks) {
  EXPECT_EQ(ArgumentTextOf(L"\"C:\\Program Files\\氷花灯\\氷花灯.scr\" /S"), L"/S");
  EXPECT_EQ(ArgumentTextOf(L"\"C:\\My Saver\\x.scr\""), L"");
  EXPECT_EQ(ArgumentTextOf(L"\"C:\\My Saver\\x.scr\"/p 5"), L"/p 5");
  EXPECT_EQ(ArgumentTextOf(L"\"unterminated /s"), L"");
}
