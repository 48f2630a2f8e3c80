#include "forms/label_win.h"

#include "forms/gdi_objects_win.h"

Label::Label() : ChildControl(L"DriftmantleLabel") { SetBackground(BackgroundStyle::Transparent); }

void Label::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  SetText(caption_);
  FitToText();
  Repaint();
}

void Label::SetFont(const FontDescription& font) {
  description_ = font;
  font_ = {};
  FitToText();
  Repaint();
}

void Label::SetDpi(int dpi) {
  dpi_ = dpi;
  SetFont(description_);
}

// Made when first measured or drawn, so that a label given its font and resolution while the
// dialog is built makes the font once.
HFONT Label::Font() {
  if (!font_)
    font_ = dpi_ == 0 ? CreateScreenFont(description_) : CreateFontForDpi(description_, dpi_);
  return font_.get();
}

void Label::SetForeColour(COLORREF colour) {
  foreColour_ = colour;
  Repaint();
}

void Label::SetAlignment(TextAlignment alignment) {
  alignment_ = alignment;
  Repaint();
}

// A one-line label laid out for one font must not lose the end of its text, or an underline, in
// another that runs a little larger: it grows to hold its line, never shrinks.
void Label::FitToText() {
  if (window() == nullptr || caption_.empty()) return;
  TEXTMETRICW metrics = {};
  RECT needed = {0, 0, 0, 0};
  {
    const WindowContext context(window());
    const SelectedObject font(context.dc(), Font());
    GetTextMetricsW(context.dc(), &metrics);
    DrawTextW(context.dc(), caption_.c_str(), static_cast<int>(caption_.size()), &needed,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  }
  const SIZE size = ClientSize();
  if (size.cy >= 2 * metrics.tmHeight) return;  // room for more lines: it wraps instead
  const int width = needed.right > size.cx ? needed.right : size.cx;
  const int height = metrics.tmHeight > size.cy ? metrics.tmHeight : size.cy;
  if (width == size.cx && height == size.cy) return;
  SetWindowPos(window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Label::Paint(HDC surface, SIZE size) {
  HGDIOBJ previousFont = SelectObject(surface, Font());
  const int previousMode = SetBkMode(surface, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(surface, foreColour_);
  RECT box = {0, 0, size.cx, size.cy};
  // A path has no blanks to wrap at; the edit control's rule breaks it where the line ends.
  const UINT format = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX |
                      (alignment_ == TextAlignment::Centre ? DT_CENTER : DT_LEFT);
  DrawTextW(surface, caption_.c_str(), static_cast<int>(caption_.size()), &box, format);
  SetTextColor(surface, previousColour);
  SetBkMode(surface, previousMode);
  SelectObject(surface, previousFont);
}

void Label::OnMouseDown(MouseButton button, POINT) {
  if (onMouseDown) onMouseDown(button);
}

void Label::OnMouseUp(MouseButton button, POINT at) {
  if (button == MouseButton::Left && IsOnControl(at) && onClick) onClick();
}
