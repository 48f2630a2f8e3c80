#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/font_win.h"

// An editable combo box: the system's own, with a text the user may type and a list to pick
// from.
class ComboBox {
 public:
  ComboBox() = default;
  ~ComboBox();
  ComboBox(const ComboBox&) = delete;
  ComboBox& operator=(const ComboBox&) = delete;

  // bounds is the edit field's rectangle; the list opens below it. The font is made for a
  // monitor of dpi dots per inch. False when the box cannot be made.
  bool Create(HWND parent, RECT bounds, const FontDescription& font, int dpi);
  // Moves the box and makes its font again for a monitor of these dots per inch.
  void LayOut(RECT bounds, int dpi);
  HWND window() const { return window_; }
  void SetText(const std::wstring& text);
  std::wstring Text() const;
  void SetList(const std::vector<std::wstring>& entries);
  void SetEnabled(bool enabled);

 private:
  HWND window_ = nullptr;
  FontDescription description_;
  OwnedFont font_;
};
