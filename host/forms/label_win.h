#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "forms/child_control_win.h"
#include "forms/font_win.h"

enum class TextAlignment { Left, Centre };

// A label: text in a font and colour over the container's background, wrapped within its width.
// Its window text is its caption, so the system and screen readers can name it.
class Label final : public ChildControl {
 public:
  Label();

  void SetCaption(const std::wstring& caption);
  const std::wstring& caption() const { return caption_; }
  void SetFont(const FontDescription& font);
  void SetForeColour(COLORREF colour);
  void SetAlignment(TextAlignment alignment);

  // Raised when a mouse button goes down on the label.
  std::function<void(MouseButton)> onMouseDown;
  // Raised when the left button goes down and up again over the label.
  std::function<void()> onClick;

 protected:
  void Paint(HDC surface, SIZE size) override;
  void OnMouseDown(MouseButton button, POINT at) override;
  void OnMouseUp(MouseButton button, POINT at) override;
  void OnSize(SIZE size) override;
  void OnDpiChanged(int dpi) override { font_.SetDpi(dpi); }

 private:
  void FitToText();

  std::wstring caption_;
  ScaledFont font_;
  COLORREF foreColour_ = RGB(0, 0, 0);
  TextAlignment alignment_ = TextAlignment::Left;
};
