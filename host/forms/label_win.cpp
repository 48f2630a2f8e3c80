#include "label_win.h"

Label::Label() : ChildControl(L"DriftmantleLabel"), font_(FormFont()) {
  SetBackground(ControlBackground::Transparent);
}

void Label::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  SetText(caption_);
  Repaint();
}

void Label::SetFont(const FontSpec& font) {
  font_ = Font(font);
  Repaint();
}

void Label::SetForeColour(COLORREF colour) {
  foreColour_ = colour;
  Repaint();
}

void Label::SetAlignment(TextAlignment alignment) {
  alignment_ = alignment;
  Repaint();
}

void Label::Paint(HDC surface, SIZE size) {
  HGDIOBJ previousFont = SelectObject(surface, font_.handle());
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
  const SIZE size = ClientSize();
  const bool over = at.x >= 0 && at.y >= 0 && at.x < size.cx && at.y < size.cy;
  if (button == MouseButton::Left && over && onClick) onClick();
}
