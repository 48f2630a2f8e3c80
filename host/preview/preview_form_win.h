#pragma once

#include <windows.h>

#include "form_win.h"
#include "image_control_win.h"

// Driftmantle_R: the still of the snow shown inside the display settings' preview area.
class PreviewForm final : public Form {
 public:
  PreviewForm();
  ImageControl Img_Prev;

 protected:
  void OnLoad() override;
  void OnUnload() override;
};

// Makes the preview form a child covering the preview window and shows it. False, with nothing
// shown, when the handle names no window: there is nothing to preview into.
bool ShowPreview(HWND previewWindow);
