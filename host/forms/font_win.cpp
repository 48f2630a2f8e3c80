#include "forms/font_win.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPointsPerInch = 72.0;

int ScreenDotsPerInch() {
  const ScreenContext screen;
  return GetDeviceCaps(screen.dc(), LOGPIXELSY);
}

}  // namespace

LOGFONTW LogFontOf(const FontDescription& font, int dotsPerInch) {
  LOGFONTW description = {};
  description.lfHeight =
      -static_cast<LONG>(std::lround(font.sizePoints * dotsPerInch / kPointsPerInch));
  description.lfWeight = font.bold ? std::max<LONG>(font.weight, FW_BOLD) : font.weight;
  description.lfItalic = font.italic;
  description.lfUnderline = font.underline;
  description.lfStrikeOut = font.strikethrough;
  description.lfCharSet = static_cast<BYTE>(font.charset);
  // The name is cut, not overrun, when it is longer than the system allows.
  font.name.copy(description.lfFaceName, LF_FACESIZE - 1);
  return description;
}

OwnedFont CreateScreenFont(const FontDescription& font) {
  return CreateFontForDpi(font, ScreenDotsPerInch());
}

OwnedFont CreateFontForDpi(const FontDescription& font, int dotsPerInch) {
  const LOGFONTW description = LogFontOf(font, dotsPerInch);
  return OwnedFont(CreateFontIndirectW(&description));
}
