#pragma once

#include <windows.h>

#include <memory>

#include "flake_sprite.h"
#include "forms/form_timer_win.h"
#include "forms/form_win.h"
#include "forms/image_control_win.h"
#include "preview/frame_bitmap_win.h"
#include "preview/preview_snow.h"

// Driftmantle_R: the saver's snow, falling, inside the display settings' preview area. The still
// of the snow shows until the first frame, and again should the snow fail.
class PreviewForm final : public Form {
 public:
  PreviewForm();
  ImageControl Img_Prev;

  // Frames of snow shown so far; none while the still shows.
  int framesShown() const { return framesShown_; }

 protected:
  void OnLoad() override;
  void OnUnload() override;

 private:
  // About 30 frames a second: two ticks of the 15.6 ms system timer where timers keep to it.
  static constexpr UINT kFrameMilliseconds = 31;
  // While nobody can see the preview, only whether that has changed is asked, this often: a
  // child window hears nothing when its parent is hidden or shown.
  static constexpr UINT kHiddenPollMilliseconds = 250;

  void OnFrameTick();
  bool StartSnow();
  void ShowFrame();
  // Back to the still, for good.
  void StopSnow();

  FlakeSprite sprite_{0, 0, {}};
  std::unique_ptr<FrameBitmap> frame_;
  std::unique_ptr<PreviewSnow> snow_;
  int framesShown_ = 0;
  FormTimer frameTimer_{*this, kFrameMilliseconds, TimerStart::kEnabled, [this] { OnFrameTick(); }};
};

// Makes the preview form a child covering the preview window and shows it; the snow starts at
// the form's first tick. Null, with nothing shown, when the handle names no window, or when the
// system would not make the form its child: there is nothing to preview into, and the caller
// ends the program.
PreviewForm* ShowPreview(HWND previewWindow);
