#include <gtest/gtest.h>

#include "forms/argument_text.h"

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

// Windows may also start a saver by an unquoted path with blanks; the program's own path, long
// or short, in any letter case, is the name. A path that only begins like it is not.
TEST(ArgumentText, UnquotedOwnPathMayHoldBlanks) {
  const std::wstring path = L"C:\\Users\\Aki Mori\\AppData\\Local\\Programs\\氷花灯\\氷花灯.scr";
  const std::vector<std::wstring> own = {
      path, L"C:\\Users\\AKIMOR~1\\AppData\\Local\\Programs\\AF12~1\\AF12~1.SCR"};
  EXPECT_EQ(ArgumentTextOf(path + L" /s", own), L"/s");
  EXPECT_EQ(ArgumentTextOf(
                L"c:\\users\\aki mori\\appdata\\local\\programs\\氷花灯\\氷花灯.SCR /c:5", own),
            L"/c:5");
  EXPECT_EQ(ArgumentTextOf(own[1] + L" /p 77", own), L"/p 77");
  EXPECT_EQ(ArgumentTextOf(path, own), L"");
  EXPECT_EQ(ArgumentTextOf(path + L"x /s", own),
            L"Mori\\AppData\\Local\\Programs\\氷花灯\\氷花灯.scrx /s");
  EXPECT_EQ(ArgumentTextOf(L"C:\\Other Place\\x.scr /s", own), L"Place\\x.scr /s");
}
