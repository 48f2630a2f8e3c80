#include "forms/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct ScannedNumber {
  std::size_t end = 0;  // first position not taken into the number
  bool hasDigits = false;
  double value = 0.0;
};

bool IsLeadingBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int HexDigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

std::size_t SkipBlanks(std::wstring_view text, std::size_t at) {
  while (at < text.size() && IsLeadingBlank(text[at])) ++at;
  return at;
}

ScannedNumber ScanHex(std::wstring_view text, std::size_t at) {
  ScannedNumber number{at, false, 0.0};
  for (; number.end < text.size(); ++number.end) {
    const int digit = HexDigitValue(text[number.end]);
    if (digit < 0) break;
    number.value = number.value * 16.0 + digit;
    number.hasDigits = true;
  }
  return number;
}

std::size_t TakeDigits(std::wstring_view text, std::size_t at, std::string& out) {
  while (at < text.size() && IsDigit(text[at])) out.push_back(static_cast<char>(text[at++]));
  return at;
}

// The exponent is taken only when it is complete, so "1e" and "1e+" read as 1.
std::size_t TakeExponent(std::wstring_view text, std::size_t at, std::string& out) {
  if (at >= text.size() || (text[at] != L'E' && text[at] != L'e')) return at;
  std::size_t next = at + 1;
  std::string exponent = "e";
  if (next < text.size() && (text[next] == L'+' || text[next] == L'-')) {
    exponent.push_back(static_cast<char>(text[next++]));
  }
  if (next >= text.size() || !IsDigit(text[next])) return at;
  next = TakeDigits(text, next, exponent);
  out += exponent;
  return next;
}

double ConvertDecimal(const std::string& ascii, bool negative) {
  double value = 0.0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Underflow also reports out of range; only a large exponent overflows.
    const bool tooLarge = ascii.find("e-") == std::string::npos;
    value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

ScannedNumber ScanDecimal(std::wstring_view text, std::size_t at) {
  ScannedNumber number{at, false, 0.0};
  bool negative = false;
  if (at < text.size() && (text[at] == L'+' || text[at] == L'-')) negative = text[at++] == L'-';
  std::string ascii;
  std::size_t next = TakeDigits(text, at, ascii);
  if (next < text.size() && text[next] == L'.') {
    ascii.push_back('.');
    next = TakeDigits(text, next + 1, ascii);
  }
  number.hasDigits = ascii.find_first_of("0123456789") != std::string::npos;
  if (!number.hasDigits) return number;
  next = TakeExponent(text, next, ascii);
  // The conversion wants a digit before the point.
  if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
  number.end = next;
  number.value = ConvertDecimal(ascii, negative);
  return number;
}

ScannedNumber ScanNumber(std::wstring_view text, std::size_t at) {
  if (at + 1 < text.size() && text[at] == L'&' && (text[at + 1] == L'H' || text[at + 1] == L'h')) {
    return ScanHex(text, at + 2);
  }
  return ScanDecimal(text, at);
}

template <typename Integer>
std::optional<Integer> ToInteger(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = RoundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Integer>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
    return std::nullopt;
  }
  return static_cast<Integer>(rounded);
}

std::wstring AsciiToText(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

double ReadLeadingNumber(std::wstring_view text) {
  const ScannedNumber number = ScanNumber(text, SkipBlanks(text, 0));
  return number.hasDigits ? number.value : 0.0;
}

std::optional<double> ParseNumber(std::wstring_view text) {
  const ScannedNumber number = ScanNumber(text, SkipBlanks(text, 0));
  if (!number.hasDigits || !std::isfinite(number.value)) return std::nullopt;
  if (SkipBlanks(text, number.end) != text.size()) return std::nullopt;
  return number.value;
}

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1.0;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::optional<std::int16_t> ToInteger16(double value) { return ToInteger<std::int16_t>(value); }
std::optional<std::int32_t> ToInteger32(double value) { return ToInteger<std::int32_t>(value); }

std::wstring FormatDigitsOrEmpty(std::int32_t value) {
  if (value == 0) return {};
  return AsciiToText(std::to_string(value));
}

std::wstring SignedDecimal(std::int32_t value) {
  const std::string digits = std::to_string(value);
  return AsciiToText(value < 0 ? digits : " " + digits);
}
