#pragma once

#include <cstdint>
#include <string>

// What a text font is made from; replaced as a whole, never edited in place.
struct FontDescription {
  std::wstring name;
  double sizePoints = 0.0;
  std::int16_t weight = 0;
  std::int16_t charset = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  bool operator==(const FontDescription&) const = default;
};

// The font of the host's forms and controls: "ＭＳ Ｐゴシック" at 9.75 points, normal weight,
// Shift-JIS.
inline FontDescription FormFont() {
  constexpr double kFormFontPoints = 9.75;
  constexpr std::int16_t kNormalWeight = 400;
  constexpr std::int16_t kShiftJisCharset = 128;
  return {L"ＭＳ Ｐゴシック", kFormFontPoints, kNormalWeight, kShiftJisCharset};
}
