#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/font_win.h"
#include "forms/scaled_child_win.h"

// An editable combo box: the system's own, with a text the user may type and a list to pick
// from. It follows the dots per inch of the form it is on.
class ComboBox final : public ScaledChild {
 public:
  ComboBox() = default;
  ~ComboBox();

  // design is the edit field's rectangle in the 96-dpi layout; the list opens below it. False
  // when the box cannot be made.
  bool Create(HWND parent, RECT design, const FontDescription& font);
  // Moves the box and makes its font again for a monitor of these dots per inch.
  void SetDpi(int dpi) override;
  HWND window() const { return window_; }
  void SetText(const std::wstring& text);
  std::wstring Text() const;
  void SetList(const std::vector<std::wstring>& entries);
  void SetEnabled(bool enabled);

 private:
  HWND window_ = nullptr;
  RECT design_ = {};
  ScaledFont font_;
};
