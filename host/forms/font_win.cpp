#include "font_win.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kPointsPerInch = 72.0;

}  // namespace

FontSpec FormFont() { return {L"ＭＳ Ｐゴシック", 9.75, FW_NORMAL, SHIFTJIS_CHARSET, false}; }

Font::Font(const FontSpec& spec) {
  HDC screen = GetDC(nullptr);
  const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTW font = {};
  // A negative height asks for the character height without the internal leading, as point
  // sizes are meant.
  font.lfHeight = -static_cast<LONG>(std::lround(spec.sizePoints * dotsPerInch / kPointsPerInch));
  font.lfWeight = spec.weight;
  font.lfCharSet = spec.charset;
  font.lfUnderline = spec.underline ? TRUE : FALSE;
  font.lfQuality = DEFAULT_QUALITY;
  spec.name.copy(font.lfFaceName, LF_FACESIZE - 1);
  handle_ = CreateFontIndirectW(&font);
}

Font::~Font() {
  if (handle_ != nullptr) DeleteObject(handle_);
}

Font::Font(Font&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}
