#include "preview/preview_form_win.h"

#include <ctime>
#include <optional>

#include "forms/picture_win.h"
#include "forms/window_dpi_win.h"
#include "preview/flake_sprite_win.h"
#include "preview/preview_parenting.h"
#include "random.h"
#include "resource_ids.h"
#include "shared_names.h"

// Borderless, so that its client area is the whole preview area.
PreviewForm::PreviewForm() : Form(kPreviewCaption, WS_POPUP) { SetBackColour(RGB(0, 0, 0)); }

void PreviewForm::OnLoad() {
  Img_Prev.Create(window());
  Img_Prev.SetPicture(std::make_shared<Picture>(LoadPictureResource(IDR_PREVIEW_PICTURE)));
}

void PreviewForm::OnUnload() {
  // The frame holds the window's drawing context, which must go back before the window goes.
  snow_.reset();
  frame_.reset();
  PostMessageA(window(), WM_CLOSE, 0, 0);
}

void PreviewForm::OnFrameTick() {
  if (!IsWindowVisible(window())) {
    if (snow_) snow_->Pause();
    if (frameTimer_.interval() != kHiddenPollMilliseconds) {
      frameTimer_.SetInterval(kHiddenPollMilliseconds);
    }
    return;
  }
  if (frameTimer_.interval() != kFrameMilliseconds) frameTimer_.SetInterval(kFrameMilliseconds);
  if (!snow_ && !StartSnow()) {
    StopSnow();
    return;
  }
  ShowFrame();
}

// The snow fills the form's client area, which covers the preview area.
bool PreviewForm::StartSnow() {
  RECT client = {};
  GetClientRect(window(), &client);
  if (client.right <= 0 || client.bottom <= 0) return false;
  if (!sprite_) sprite_ = LoadFlakeSprite();
  if (!sprite_) return false;
  frame_ = std::make_unique<FrameBitmap>(window(), SIZE{client.right, client.bottom});
  if (!*frame_) return false;
  snow_ = std::make_unique<PreviewSnow>(sprite_, client.right, client.bottom);
  return true;
}

void PreviewForm::ShowFrame() {
  if (!snow_->NextFrame(PreviewSnow::Clock::now(), frame_->pixels())) {
    StopSnow();
    return;
  }
  // The still goes with the first frame; hiding it asks the form to paint its background there,
  // which the frame has already covered.
  if (framesShown_ == 0) ShowWindow(Img_Prev.window(), SW_HIDE);
  if (!frame_->Show()) {
    StopSnow();
    return;
  }
  if (framesShown_++ == 0) ValidateRect(window(), nullptr);
}

void PreviewForm::StopSnow() {
  frameTimer_.SetEnabled(false);
  snow_.reset();
  frame_.reset();
  ShowWindow(Img_Prev.window(), SW_SHOW);
}

namespace {

std::optional<DpiAwareness> AwarenessOf(DPI_AWARENESS_CONTEXT context) {
  if (context == nullptr) return std::nullopt;
  return reinterpret_cast<DpiAwareness>(context);
}

// The preview's set-up steps over the system, for one preview window.
class SystemParenting final : public PreviewParentingSteps {
 public:
  SystemParenting(PreviewForm& form, HWND previewWindow)
      : form_(form), previewWindow_(previewWindow) {}

  std::optional<DpiAwareness> PreviewWindowAwareness() override {
    return AwarenessOf(WindowDpiAwareness(previewWindow_));
  }
  std::optional<DpiAwareness> SetThreadAwareness(DpiAwareness awareness) override {
    return AwarenessOf(SetThreadDpiAwareness(reinterpret_cast<DPI_AWARENESS_CONTEXT>(awareness)));
  }
  bool MakeFormAsChild() override;
  bool FormIsChildOfPreview() override { return GetParent(form_.window()) == previewWindow_; }
  void ShowForm() override { form_.Show(); }

 private:
  PreviewForm& form_;
  HWND previewWindow_;
};

bool SystemParenting::MakeFormAsChild() {
  RECT area = {};
  GetWindowRect(previewWindow_, &area);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (!form_.Load()) return false;
  HWND form = form_.window();
  // A child must not keep WS_POPUP: a window with both may take the activation from the
  // display settings window it lives in.
  const LONG style = GetWindowLongA(form, GWL_STYLE);
  SetWindowLongA(form, GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
  SetParent(form, previewWindow_);
  form_.Move(0, 0, width, height);
  form_.Img_Prev.Move(0, 0, width, height);
  return true;
}

}  // namespace

PreviewForm* ShowPreview(HWND previewWindow) {
  // A handle that names no window would leave an invisible form, and the process, alive forever.
  if (!IsWindow(previewWindow)) return nullptr;
  SeedRandom(static_cast<unsigned int>(std::time(nullptr)));
  static PreviewForm previewForm;
  SystemParenting steps(previewForm, previewWindow);
  if (ParentPreview(steps) != PreviewParenting::kShown) return nullptr;
  return &previewForm;
}
