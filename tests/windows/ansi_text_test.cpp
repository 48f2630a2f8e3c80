// The forms runtime's ANSI text under a Japanese (932) and a Western (1252) code page. Expected
// bytes are written out by hand for each code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "forms/ansi_text_win.h"

namespace {

struct Case {
  const wchar_t* text;
  std::optional<std::string> in932;
  std::optional<std::string> in1252;
};

// Text the code page lacks is refused, even where a best-fit letter exists (U+0100 looks like A).
const Case kCases[] = {
    {L"", "", ""},
    {L"snow.mp3", "snow.mp3", "snow.mp3"},
    {L"\u97f3\u697d", "\x89\xB9\x8A\x79", std::nullopt},
    {L"M\u00fcsik", std::nullopt, "M\xFCsik"},
    {L"\u0100", std::nullopt, std::nullopt},
    {L"\u0414", "\x84\x44", std::nullopt},
    {L"a \ud55c", std::nullopt, std::nullopt},
};

}  // namespace

TEST(AnsiText, EncodesOnlyWhatTheCodePageHoldsAndDecodesItBack) {
  ASSERT_TRUE(GetACP() == 932 || GetACP() == 1252) << GetACP();
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    const std::optional<std::string> expected = GetACP() == 932 ? c.in932 : c.in1252;
    EXPECT_EQ(EncodeAnsi(c.text), expected);
    if (!expected) continue;
    EXPECT_EQ(EncodeAnsiLossy(c.text), *expected);
    EXPECT_EQ(DecodeAnsi(*expected), c.text);
  }
}

// The profile file keeps what the code page can hold and a question mark for the rest.
TEST(AnsiText, LossyFormMarksTextTheCodePageLacks) {
  EXPECT_EQ(EncodeAnsiLossy(L"a \ud55c"), "a ?");
}
