#include "preview_form_win.h"

#include "host_state.h"
#include "picture_win.h"
#include "resource_ids.h"
#include "shared_names.h"

// Borderless, so that its client area is the whole preview area.
PreviewForm::PreviewForm() : Form(kPreviewCaption, WS_POPUP) { SetBackColour(RGB(0, 0, 0)); }

void PreviewForm::OnLoad() {
  Img_Prev.Create(window());
  Img_Prev.SetPicture(std::make_shared<Picture>(LoadPictureResource(IDR_PREVIEW_PICTURE)));
}

void PreviewForm::OnUnload() { LastApiResult = PostMessageA(window(), WM_CLOSE, 0, 0); }

bool ShowPreview(HWND previewWindow) {
  // A handle that names no window would leave an invisible form, and the process, alive forever.
  if (!IsWindow(previewWindow)) return false;
  RECT area = {};
  LastApiResult = GetWindowRect(previewWindow, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  static PreviewForm previewForm;
  previewForm.Load();
  HWND form = previewForm.window();
  // A child must not keep WS_POPUP: a window with both may take the activation from the
  // display settings window it lives in.
  const LONG style = GetWindowLongA(form, GWL_STYLE);
  LastApiResult = SetWindowLongA(form, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
  LastApiResult =
      static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(SetParent(form, previewWindow)));
  previewForm.Move(0, 0, width, height);
  previewForm.Img_Prev.Move(0, 0, width, height);
  previewForm.Show();
  return true;
}
