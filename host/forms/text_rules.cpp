#include "forms/text_rules.h"

namespace {

constexpr wchar_t kLatin1Multiply = L'\u00F7';  // lies among the lower-case letters, has no case
constexpr wchar_t kLatin1YDiaeresis = L'\u00FF';
constexpr wchar_t kLatinExtendedCapitalYDiaeresis = L'\u0178';
constexpr wchar_t kCaseDistance = 0x20;  // ASCII and Latin-1: lower = upper + 0x20

wchar_t UpperChar(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - kCaseDistance);
  if (c >= L'\u00E0' && c <= L'\u00FE' && c != kLatin1Multiply)
    return static_cast<wchar_t>(c - kCaseDistance);
  if (c == kLatin1YDiaeresis) return kLatinExtendedCapitalYDiaeresis;
  if (c >= L'\uFF41' && c <= L'\uFF5A')
    return static_cast<wchar_t>(c - kCaseDistance);  // full-width a to z
  return c;
}

}  // namespace

std::wstring UpperCase(std::wstring_view text) {
  std::wstring upper(text);
  for (wchar_t& c : upper) c = UpperChar(c);
  return upper;
}

std::wstring FirstChars(std::wstring_view text, std::size_t count) {
  return std::wstring(text.substr(0, count));
}

std::wstring LastChars(std::wstring_view text, std::size_t count) {
  if (count >= text.size()) return std::wstring(text);
  return std::wstring(text.substr(text.size() - count));
}

std::wstring MiddleChars(std::wstring_view text, std::size_t start, std::size_t count) {
  const std::size_t offset = start == 0 ? 0 : start - 1;
  if (offset >= text.size()) return {};
  return std::wstring(text.substr(offset, count));
}

std::size_t FindText(std::wstring_view text, std::wstring_view part, std::size_t start) {
  const std::size_t offset = start == 0 ? 0 : start - 1;
  if (offset > text.size()) return 0;
  const std::size_t found = text.find(part, offset);
  return found == std::wstring_view::npos ? 0 : found + 1;
}
