#pragma once

#include <windows.h>

#include "forms/dpi_scale.h"
#include "forms/font_description.h"
#include "forms/gdi_objects_win.h"

// The system's description of a font at the given resolution: the size in points becomes a
// character height in pixels (negative, so the size excludes the internal leading).
LOGFONTW LogFontOf(const FontDescription& font, int dotsPerInch);

// The font at the given dots per inch, for a window on a monitor of that resolution.
OwnedFont CreateFontForDpi(const FontDescription& font, int dotsPerInch);

// The one owner of a control's text font: it knows the font's description and the dots per inch
// of the monitor it is drawn on, and makes the font when first asked for after a change of
// either, so a control told both while it is built makes its font once.
class ScaledFont {
 public:
  explicit ScaledFont(FontDescription description = FormFont(), int dpi = kDesignDpi)
      : description_(std::move(description)), dpi_(dpi) {}

  const FontDescription& description() const { return description_; }
  int dpi() const { return dpi_; }
  // Replaces the font now. False, keeping the previous one, when the system refuses it.
  bool Set(const FontDescription& description);
  void SetDpi(int dpi);
  // Null when the system refuses the font.
  HFONT get() const;

 private:
  FontDescription description_;
  int dpi_;
  mutable OwnedFont font_;  // made on first use
};
