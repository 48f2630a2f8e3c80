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

  // bounds is the edit field's rectangle; the list opens below it. False when it cannot be made.
  bool Create(HWND parent, RECT bounds, const FontDescription& font);
  HWND window() const { return window_; }
  void SetText(const std::wstring& text);
  std::wstring Text() const;
  void SetList(const std::vector<std::wstring>& entries);
  void SetEnabled(bool enabled);

 private:
  HWND window_ = nullptr;
  OwnedFont font_;
};
