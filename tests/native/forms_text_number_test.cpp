#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "forms/number_text.h"
#include "forms/text_rules.h"

namespace {
constexpr double kInfinity = std::numeric_limits<double>::infinity();
}

TEST(NumberText, ReadLeadingNumberSkipsBlanksAndStopsAtTheFirstNonNumber) {
  // clang-format off
  const std::pair<const wchar_t*, double> cases[] = {
      {L"1234", 1234}, {L" \t\r\n 42", 42}, {L"12 34", 12}, {L"12abc", 12}, {L"2.7", 2.7},
      {L"-3", -3}, {L"+5", 5}, {L"-.25x", -0.25}, {L"7.", 7}, {L"1.5.3", 1.5}, {L"2E-2", 0.02},
      {L"1e+", 1}, {L"1,000", 1}, {L"&HFF", 255}, {L"  &h1aG", 26}, {L"&HFFFFFFFF", 4294967295.0},
      {L"1e999", kInfinity}, {L"1e-999", 0}, {L"", 0}, {L"abc", 0}, {L"- 5", 0}, {L".", 0},
      {L"&H", 0}, {L"&O17", 0}};
  // clang-format on
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ReadLeadingNumber(text), value) << testing::PrintToString(text);
  }
}

TEST(NumberText, ParseNumberAcceptsOnlyAWholeNumber) {
  EXPECT_EQ(ParseNumber(L" 2"), 2.0);
  EXPECT_EQ(ParseNumber(L"\t2.7 "), 2.7);
  EXPECT_EQ(ParseNumber(L"&H10"), 16.0);
  // The last two: an exponent with no digits in the text; the digit after its end is not its own.
  // clang-format off
  const std::wstring_view rejected[] = {
      L"", L"  ", L"abc", L"2abc", L"2 3", L"1e", L"-", L"1e999",
      std::wstring_view(L"1e5", 2), std::wstring_view(L"1e+5", 3)};
  // clang-format on
  for (const std::wstring_view text : rejected) {
    EXPECT_EQ(ParseNumber(text), std::nullopt) << testing::PrintToString(text);
  }
}

TEST(NumberText, IntegersRoundHalvesToEvenAndMustFit) {
  const std::pair<double, double> halves[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},
                                              {-2.5, -2}, {-3.5, -4}, {2.5001, 3}, {-0.7, -1}};
  for (const auto& [value, rounded] : halves) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  EXPECT_EQ(ToInteger16(32767.0), 32767);
  EXPECT_EQ(ToInteger16(32767.5), std::nullopt);
  EXPECT_EQ(ToInteger16(-32768.5), -32768);
  EXPECT_EQ(ToInteger32(2147483647.5), std::nullopt);
  EXPECT_EQ(ToInteger32(std::nan("")), std::nullopt);
}

TEST(NumberText, FormatsWithTheHashPatternAndWithASignPosition) {
  EXPECT_EQ(FormatDigitsOrEmpty(0), L"");
  EXPECT_EQ(FormatDigitsOrEmpty(30), L"30");
  EXPECT_EQ(FormatDigitsOrEmpty(-3), L"-3");
  EXPECT_EQ(SignedDecimal(2), L" 2");
  EXPECT_EQ(SignedDecimal(0), L" 0");
  EXPECT_EQ(SignedDecimal(-1), L"-1");
  EXPECT_EQ(SignedDecimal(-3), L"-3");
}

TEST(TextRules, UpperCasePartsAndSearch) {
  EXPECT_EQ(UpperCase(L"snow.mp3 \u00e0\u00e4\u00f7\u00ff\uff53\u6c37"),
            L"SNOW.MP3 \u00c0\u00c4\u00f7\u0178\uff33\u6c37");
  EXPECT_EQ(FirstChars(L"ab", 5), L"ab");
  EXPECT_EQ(LastChars(L"snow.mp3", 3), L"mp3");
  EXPECT_EQ(MiddleChars(L"/p 1234", 4), L"1234");
  EXPECT_EQ(MiddleChars(L"/p", 4), L"");
  EXPECT_EQ(FindText(L"abcabc", L"bc", 3), 5u);
  EXPECT_EQ(FindText(L"abc", L"x"), 0u);
}
