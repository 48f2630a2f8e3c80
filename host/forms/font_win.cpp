#include "forms/font_win.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kPointsPerInch = 72.0;

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

OwnedFont CreateFontForDpi(const FontDescription& font, int dotsPerInch) {
  const LOGFONTW description = LogFontOf(font, dotsPerInch);
  return OwnedFont(CreateFontIndirectW(&description));
}

bool ScaledFont::Set(const FontDescription& description) {
  OwnedFont created = CreateFontForDpi(description, dpi_);
  if (!created) return false;
  font_ = std::move(created);
  description_ = description;
  return true;
}

void ScaledFont::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  font_ = {};
}

HFONT ScaledFont::get() const {
  if (!font_) font_ = CreateFontForDpi(description_, dpi_);
  return font_.get();
}
