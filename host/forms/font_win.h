#pragma once

#include <windows.h>

#include <string>

// What a control's text font is made from.
struct FontSpec {
  std::wstring name;
  double sizePoints = 0.0;
  int weight = FW_NORMAL;
  BYTE charset = DEFAULT_CHARSET;
  bool underline = false;
};

// The font of the host's forms and controls: "ＭＳ Ｐゴシック" at 9.75 points, Shift-JIS.
FontSpec FormFont();

// A GDI font made from a FontSpec at the screen's resolution; owns its handle.
class Font {
 public:
  Font() = default;
  explicit Font(const FontSpec& spec);
  ~Font();
  Font(Font&& other) noexcept;
  Font& operator=(Font&& other) noexcept;
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  HFONT handle() const { return handle_; }

 private:
  HFONT handle_ = nullptr;
};
