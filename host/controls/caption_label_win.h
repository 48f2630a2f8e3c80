#pragma once

#include <windows.h>

#include <string>

#include "controls/button_face.h"
#include "forms/font_win.h"

// The button's caption: a windowless label, its text centred across the box it is placed in.
// It keeps what it is told and draws it on demand, over whatever lies below.
class CaptionLabel {
 public:
  const std::wstring& text() const { return text_; }
  void SetText(const std::wstring& text) { text_ = text; }
  // False, keeping the previous font, when the system refuses the new one.
  bool SetFont(const ButtonFont& font) { return font_.Set(font); }
  // The font made again for the dots per inch of the button's monitor.
  void SetDpi(int dpi) { font_.SetDpi(dpi); }
  void SetColour(COLORREF colour) { colour_ = colour; }
  void SetLook(CaptionLook look) { look_ = look; }
  void Place(const CaptionBox& box);

  void Draw(HDC dc) const;

 private:
  void DrawGreyed(HDC dc) const;

  std::wstring text_;
  ScaledFont font_{DesignFont()};
  COLORREF colour_ = RGB(0, 0, 0);
  CaptionLook look_ = CaptionLook::Enabled;
  RECT box_ = {};
};
