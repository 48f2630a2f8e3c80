#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "forms/number_text.h"
#include "forms/text_rules.h"

TEST(ReadLeadingNumber, SkipsLeadingBlanksAndStopsAtTheFirstNonNumber) {
  EXPECT_EQ(ReadLeadingNumber(L"1234"), 1234.0);
  EXPECT_EQ(ReadLeadingNumber(L"  \t\r\n 42"), 42.0);
  EXPECT_EQ(ReadLeadingNumber(L"12 34"), 12.0);
  EXPECT_EQ(ReadLeadingNumber(L"12abc"), 12.0);
  EXPECT_EQ(ReadLeadingNumber(L"2.7"), 2.7);
  EXPECT_EQ(ReadLeadingNumber(L"-3"), -3.0);
  EXPECT_EQ(ReadLeadingNumber(L"+5"), 5.0);
  EXPECT_EQ(ReadLeadingNumber(L".5"), 0.5);
  EXPECT_EQ(ReadLeadingNumber(L"-.25x"), -0.25);
  EXPECT_EQ(ReadLeadingNumber(L"7."), 7.0);
  EXPECT_EQ(ReadLeadingNumber(L"1.5.3"), 1.5);
  EXPECT_EQ(ReadLeadingNumber(L"1e3"), 1000.0);
  EXPECT_EQ(ReadLeadingNumber(L"2E-2"), 0.02);
  EXPECT_EQ(ReadLeadingNumber(L"1e"), 1.0);
  EXPECT_EQ(ReadLeadingNumber(L"1e+"), 1.0);
  EXPECT_EQ(ReadLeadingNumber(L"1,000"), 1.0);
}

TEST(ReadLeadingNumber, NoDigitsGiveZero) {
  for (const wchar_t* text : {L"", L"   ", L"abc", L"-", L"+", L".", L"-.", L"- 5", L"e5", L"&"}) {
    EXPECT_EQ(ReadLeadingNumber(text), 0.0) << testing::PrintToString(text);
  }
}

TEST(ReadLeadingNumber, AmpersandHIntroducesHexadecimalDigits) {
  EXPECT_EQ(ReadLeadingNumber(L"&HFF"), 255.0);
  EXPECT_EQ(ReadLeadingNumber(L"&hff"), 255.0);
  EXPECT_EQ(ReadLeadingNumber(L"  &H1aG"), 26.0);
  EXPECT_EQ(ReadLeadingNumber(L"&HFFFFFFFF"), 4294967295.0);
  EXPECT_EQ(ReadLeadingNumber(L"&H"), 0.0);
  EXPECT_EQ(ReadLeadingNumber(L"&HG1"), 0.0);
  EXPECT_EQ(ReadLeadingNumber(L"&O17"), 0.0);
}

TEST(ReadLeadingNumber, NumbersBeyondDoubleAreInfinite) {
  EXPECT_EQ(ReadLeadingNumber(L"1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadLeadingNumber(L"-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ReadLeadingNumber(L"1e-999"), 0.0);
}

TEST(ParseNumber, AcceptsOnlyTextThatIsANumberAsAWhole) {
  EXPECT_EQ(ParseNumber(L"2"), 2.0);
  EXPECT_EQ(ParseNumber(L" 2"), 2.0);
  EXPECT_EQ(ParseNumber(L"\t2.7 "), 2.7);
  EXPECT_EQ(ParseNumber(L"-3"), -3.0);
  EXPECT_EQ(ParseNumber(L"&H10"), 16.0);
  EXPECT_EQ(ParseNumber(L"1e2"), 100.0);
  for (const wchar_t* text : {L"", L"  ", L"abc", L"2abc", L"2 3", L"1e", L"-", L"&H", L"1e999"}) {
    EXPECT_EQ(ParseNumber(text), std::nullopt) << testing::PrintToString(text);
  }
}

TEST(IntegerConversion, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
  EXPECT_EQ(RoundHalfEven(-0.7), -1.0);
  EXPECT_EQ(RoundHalfEven(1e300), 1e300);
}

TEST(IntegerConversion, RefusesValuesThatDoNotFit) {
  EXPECT_EQ(ToInteger16(32767.0), 32767);
  EXPECT_EQ(ToInteger16(32767.5), std::nullopt);
  EXPECT_EQ(ToInteger16(-32768.5), -32768);
  EXPECT_EQ(ToInteger16(-32769.0), std::nullopt);
  EXPECT_EQ(ToInteger32(2147483647.0), 2147483647);
  EXPECT_EQ(ToInteger32(2147483647.5), std::nullopt);
  EXPECT_EQ(ToInteger32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(ToInteger32(std::nan("")), std::nullopt);
  EXPECT_EQ(ToInteger32(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(NumberFormatting, HashPatternLeavesZeroEmpty) {
  EXPECT_EQ(FormatDigitsOrEmpty(0), L"");
  EXPECT_EQ(FormatDigitsOrEmpty(1), L"1");
  EXPECT_EQ(FormatDigitsOrEmpty(30), L"30");
  EXPECT_EQ(FormatDigitsOrEmpty(12345), L"12345");
  EXPECT_EQ(FormatDigitsOrEmpty(-3), L"-3");
}

TEST(NumberFormatting, SignedDecimalKeepsAPositionForTheSign) {
  EXPECT_EQ(SignedDecimal(2), L" 2");
  EXPECT_EQ(SignedDecimal(0), L" 0");
  EXPECT_EQ(SignedDecimal(-3), L"-3");
  EXPECT_EQ(SignedDecimal(-32768), L"-32768");
}

TEST(TextRules, UpperCaseChangesLettersOnly) {
  EXPECT_EQ(UpperCase(L"snow.mp3"), L"SNOW.MP3");
  EXPECT_EQ(UpperCase(L"\u00e4\u00f7\u00ff\uff53"), L"\u00c4\u00f7\u0178\uff33");
  EXPECT_EQ(UpperCase(L"\u6c37\u82b1\u706f 1-9"), L"\u6c37\u82b1\u706f 1-9");
}

TEST(TextRules, PartsAndSearchCountFromOne) {
  EXPECT_EQ(FirstChars(L"abcdef", 2), L"ab");
  EXPECT_EQ(FirstChars(L"ab", 5), L"ab");
  EXPECT_EQ(LastChars(L"snow.mp3", 3), L"mp3");
  EXPECT_EQ(LastChars(L"ab", 5), L"ab");
  EXPECT_EQ(MiddleChars(L"/p 1234", 4), L"1234");
  EXPECT_EQ(MiddleChars(L"/p 1234", 2, 1), L"p");
  EXPECT_EQ(MiddleChars(L"/p", 4), L"");
  EXPECT_EQ(MiddleChars(L"abc", 0, 2), L"ab");
  EXPECT_EQ(FindText(L"playing stopped", L"stop"), 9u);
  EXPECT_EQ(FindText(L"abcabc", L"bc", 3), 5u);
  EXPECT_EQ(FindText(L"abc", L"x"), 0u);
  EXPECT_EQ(FindText(L"abc", L"c", 9), 0u);
}
