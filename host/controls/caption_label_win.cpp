#include "controls/caption_label_win.h"

#include <utility>

#include "forms/font_win.h"

namespace {

constexpr UINT kTextFormat = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

}  // namespace

CaptionLabel::CaptionLabel() { SetFont(DesignFont()); }

bool CaptionLabel::SetFont(const ButtonFont& font) {
  OwnedFont created = CreateFontForDpi(font, dpi_);
  if (!created) return false;
  font_ = std::move(created);
  description_ = font;
  return true;
}

bool CaptionLabel::SetDpi(int dpi) {
  OwnedFont created = CreateFontForDpi(description_, dpi);
  if (!created) return false;
  font_ = std::move(created);
  dpi_ = dpi;
  return true;
}

void CaptionLabel::Place(const CaptionBox& box) {
  const LONG left = TwipsToPixels(box.leftTwips, dpi_);
  const LONG top = TwipsToPixels(box.topTwips, dpi_);
  box_ = {left, top, left + TwipsToPixels(box.widthTwips, dpi_),
          top + TwipsToPixels(kCaptionHeightTwips, dpi_)};
}

void CaptionLabel::Draw(HDC dc) const {
  if (text_.empty()) return;
  SelectedObject font(dc, font_.get());
  if (look_ == CaptionLook::Greyed) {
    DrawGreyed(dc);
    return;
  }
  const int previousMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = SetTextColor(dc, colour_);
  RECT box = box_;
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &box, kTextFormat);
  SetTextColor(dc, previousColour);
  SetBkMode(dc, previousMode);
}

// The system's look for disabled text: the glyphs embossed in the 3-D shadow and highlight
// colours, whatever the caption's own colour.
void CaptionLabel::DrawGreyed(HDC dc) const {
  SIZE extent = {};
  GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
  const int left = box_.left + (box_.right - box_.left - extent.cx) / 2;
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text_.c_str()),
             static_cast<WPARAM>(text_.size()), left, box_.top, extent.cx, extent.cy,
             DST_TEXT | DSS_DISABLED);
}
