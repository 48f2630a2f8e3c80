#include "controls/button_painter_win.h"

#include <stdexcept>

#include "controls/face_drawing_win.h"
#include "controls/face_pictures_win.h"

namespace {

// What the face is cleared to; the gradient and the border cover it wherever they reach.
COLORREF FaceBackground() { return GetSysColor(COLOR_BTNFACE); }

}  // namespace

void ButtonPainter::Compose(const FaceComposition& face) {
  const SIZE size = window_.ClientSize();
  const HDC dc = face_.Fit(size, FaceBackground());
  if (dc == nullptr) throw std::runtime_error("no surface for the button face");
  bool composed = ClearFace(dc, size, FaceBackground());
  composed &= FillFaceGradient(dc, face.vertices);
  composed &= DrawBorderPieces(dc, FacePicture(face.image, face.dpi), face.pieces);
  if (background_ == BackgroundStyle::Opaque) window_.Repaint();
  if (!composed) throw std::runtime_error("button face drawn in part");
}

void ButtonPainter::PlaceCaption(const CaptionBox& box) {
  caption_.Place(box);
  CaptionChanged();
}

void ButtonPainter::SetCaptionLook(CaptionLook look) {
  caption_.SetLook(look);
  CaptionChanged();
}

void ButtonPainter::SetCaptionColour(std::uint32_t colour) {
  caption_.SetColour(static_cast<COLORREF>(colour));
  CaptionChanged();
}

void ButtonPainter::SetCaptionText(const std::wstring& text) {
  caption_.SetText(text);
  // The window's own text names the button to screen readers and automation.
  if (window_.window() != nullptr) SetWindowTextW(window_.window(), text.c_str());
  CaptionChanged();
}

void ButtonPainter::SetCaptionFont(const ButtonFont& font) {
  if (!caption_.SetFont(font)) throw std::runtime_error("caption font refused");
  CaptionChanged();
}

void ButtonPainter::SetBackground(BackgroundStyle style) {
  background_ = style;
  window_.SetBackground(style);
}

void ButtonPainter::Draw(HDC dc) const {
  if (background_ == BackgroundStyle::Opaque) face_.CopyTo(dc, 0, 0);
  caption_.Draw(dc);
}

void ButtonPainter::SetCaptionDpi(int dpi) {
  caption_.SetDpi(dpi);
  CaptionChanged();
}

void ButtonPainter::CaptionChanged() {
  if (window_.window() != nullptr) InvalidateRect(window_.window(), nullptr, FALSE);
}
