#include "settings/profile_encoding.h"

#include <cstdint>

namespace {

constexpr std::string_view kLittleEndianMark = "\xFF\xFE";
constexpr std::string_view kBigEndianMark = "\xFE\xFF";
constexpr std::size_t kMarkBytes = 2;
constexpr std::size_t kUnitBytes = 2;

constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char16_t kHighSurrogates = 0xD800;
constexpr char16_t kLowSurrogates = 0xDC00;
constexpr char16_t kSurrogateBits = 0x3FF;
constexpr int kSurrogateShift = 10;

bool IsHighSurrogate(char16_t unit) { return (unit & ~kSurrogateBits) == kHighSurrogates; }
bool IsLowSurrogate(char16_t unit) { return (unit & ~kSurrogateBits) == kLowSurrogates; }

char16_t UnitAt(std::string_view bytes, ProfileEncoding encoding) {
  const auto first = static_cast<unsigned char>(bytes[0]);
  const auto second = static_cast<unsigned char>(bytes[1]);
  return encoding == ProfileEncoding::kUtf16LittleEndian
             ? static_cast<char16_t>(first | second << 8)
             : static_cast<char16_t>(first << 8 | second);
}

void AppendUnit(std::string& bytes, char16_t unit, ProfileEncoding encoding) {
  const auto low = static_cast<char>(unit & 0xFF);
  const auto high = static_cast<char>(unit >> 8);
  if (encoding == ProfileEncoding::kUtf16LittleEndian) {
    bytes += low;
    bytes += high;
  } else {
    bytes += high;
    bytes += low;
  }
}

}  // namespace

ProfileEncoding EncodingOf(std::string_view file) {
  if (file.starts_with(kLittleEndianMark)) return ProfileEncoding::kUtf16LittleEndian;
  if (file.starts_with(kBigEndianMark)) return ProfileEncoding::kUtf16BigEndian;
  return ProfileEncoding::kAnsi;
}

std::u16string Utf16TextOf(std::string_view file, ProfileEncoding encoding) {
  std::u16string text;
  for (std::size_t at = kMarkBytes; at + kUnitBytes <= file.size(); at += kUnitBytes) {
    text += UnitAt(file.substr(at, kUnitBytes), encoding);
  }
  return text;
}

std::string EditUtf16File(std::string_view file, ProfileEncoding encoding, const Utf16Edit& edit) {
  const std::u16string edited = edit(Utf16TextOf(file, encoding));
  std::string bytes(file.substr(0, kMarkBytes));
  for (char16_t unit : edited) AppendUnit(bytes, unit, encoding);
  if (file.size() > kMarkBytes && file.size() % kUnitBytes != 0) bytes += file.back();
  return bytes;
}

std::u16string_view CutUnits(std::u16string_view text, std::size_t maxUnits) {
  if (text.size() <= maxUnits) return text;
  const bool pairCut = maxUnits > 0 && IsHighSurrogate(text[maxUnits - 1]);
  return text.substr(0, maxUnits - (pairCut ? 1 : 0));
}

std::u16string Utf16Of(std::wstring_view text) {
  std::u16string units;
  for (const wchar_t c : text) {
    const auto code = static_cast<char32_t>(c);
    if (code < kFirstSupplementary) {
      units += static_cast<char16_t>(code);
      continue;
    }
    // Only where wchar_t holds a whole code point.
    const char32_t offset = code - kFirstSupplementary;
    units += static_cast<char16_t>(kHighSurrogates + (offset >> kSurrogateShift));
    units += static_cast<char16_t>(kLowSurrogates + (offset & kSurrogateBits));
  }
  return units;
}

std::wstring WideOf(std::u16string_view units) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
    return std::wstring(units.begin(), units.end());
  }
  std::wstring text;
  for (std::size_t at = 0; at < units.size(); ++at) {
    const char16_t unit = units[at];
    if (IsHighSurrogate(unit) && at + 1 < units.size() && IsLowSurrogate(units[at + 1])) {
      const char32_t offset = static_cast<char32_t>(unit - kHighSurrogates) << kSurrogateShift |
                              static_cast<char32_t>(units[at + 1] - kLowSurrogates);
      text += static_cast<wchar_t>(kFirstSupplementary + offset);
      ++at;
      continue;
    }
    text += static_cast<wchar_t>(unit);  // a lone surrogate stays as it is
  }
  return text;
}
