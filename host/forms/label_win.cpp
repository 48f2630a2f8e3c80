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
  font_.Set(font);
  FitToText();
  Repaint();
}

// Laid out again, for a new size or dpi: the text may need more room.
void Label::OnSize(SIZE) { FitToText(); }

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
    const SelectedObject font(context.dc(), font_.get());
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
  HGDIOBJ previousFont = SelectObject(surface, font_.get());
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
