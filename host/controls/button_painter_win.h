#pragma once

#include <windows.h>

#include "controls/button_face.h"
#include "controls/caption_label_win.h"
#include "forms/child_control_win.h"
#include "forms/surface_win.h"

// The button's face over a child window: each composition goes into an off-screen surface that
// lasts until the next one, and the window shows it with the caption on top in one blit.
class ButtonPainter final : public ButtonFace {
 public:
  explicit ButtonPainter(ChildControl& window) : window_(window) {}

  void Compose(const FaceComposition& face) override;
  void PlaceCaption(const CaptionBox& box) override;
  void SetCaptionLook(CaptionLook look) override;
  void SetCaptionColour(std::uint32_t colour) override;
  void SetCaptionText(const std::wstring& text) override;
  void SetCaptionFont(const ButtonFont& font) override;
  void SetBackground(BackgroundStyle style) override;

  // For the window's paint: the last composed face when opaque, then the caption.
  void Draw(HDC dc) const;
  // The caption's font from now on for a monitor of these dots per inch; the faces and the
  // caption's place come with their own.
  void SetCaptionDpi(int dpi);

 private:
  // The caption shows its change at the window's next paint.
  void CaptionChanged();

  ChildControl& window_;
  PersistentImage face_;
  CaptionLabel caption_;
  BackgroundStyle background_ = BackgroundStyle::Opaque;
};
