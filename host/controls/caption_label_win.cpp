#include "controls/caption_label_win.h"

#include <utility>

#include "forms/font_win.h"

namespace {

constexpr UINT kTextFormat = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

}  // namespace

void CaptionLabel::Place(const CaptionBox& box) {
  const LONG left = TwipsToPixels(box.leftTwips, box.dpi);
  const LONG top = TwipsToPixels(box.topTwips, box.dpi);
  box_ = {left, top, left + TwipsToPixels(box.widthTwips, box.dpi),
          top + TwipsToPixels(kCaptionHeightTwips, box.dpi)};
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
