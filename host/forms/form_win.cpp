#include "forms/form_win.h"

#include <iterator>
#include <string_view>

#include "forms/application_win.h"
#include "forms/form_timer_win.h"
#include "forms/gdi_objects_win.h"
#include "forms/window_class_win.h"
#include "forms/window_dpi_win.h"

namespace {

constexpr wchar_t kFormClass[] = L"DriftmantleForm";
// Counted from the window's first message to its last, so a form destroyed in any way, even
// half made, is counted out.
int openForms = 0;

void FormWindowGone() {
  if (--openForms == 0) PostQuitMessage(0);
}

}  // namespace

Form::Form(std::wstring caption, DWORD style) : caption_(std::move(caption)), style_(style) {}

Form::~Form() {
  for (ScaledChild* child : children_) child->form_ = nullptr;
  if (window_ != nullptr) {
    // No handler may run on a form that is being taken apart; the count still sees the end.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool Form::Load() {
  if (window_ != nullptr) return true;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kFormClass, WindowProc);
  window_ = CreateWindowExW(0, kFormClass, caption_.c_str(), style_, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  dpi_ = WindowDpi(window_);
  for (FormTimer* timer : timers_) timer->Arm();
  OnLoad();
  return true;
}

void Form::Show() {
  if (window_ == nullptr && !Load()) return;
  // Resized once before the first paint; the size the system reports while showing the window
  // for the first time is the one just handled.
  if (!displayed_) OnResize();
  ShowWindow(window_, SW_SHOW);
  displayed_ = true;
  UpdateWindow(window_);
}

void Form::ShowModal() {
  Show();
  MSG message;
  while (window_ != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and Escape work as in any dialog.
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool Form::Unload() {
  if (window_ == nullptr) return true;
  if (!OnQueryUnload()) return false;
  DestroyWindow(window_);
  return window_ == nullptr;
}

void Form::Move(int left, int top, int width, int height) {
  if (window_ != nullptr) MoveWindow(window_, left, top, width, height, TRUE);
}

Form* Form::Holding(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  wchar_t className[std::size(kFormClass) + 1] = {};
  if (root == nullptr ||
      GetClassNameW(root, className, static_cast<int>(std::size(className))) == 0 ||
      std::wstring_view(className) != kFormClass) {
    return nullptr;
  }
  return reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

void Form::Adopt(ScaledChild& child) {
  child.form_ = this;
  children_.push_back(&child);
}

void Form::Forget(ScaledChild& child) {
  std::erase(children_, &child);
  child.form_ = nullptr;
}

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  for (ScaledChild* child : children_) child->SetDpi(dpi);
  Move(suggested.left, suggested.top, suggested.right - suggested.left,
       suggested.bottom - suggested.top);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) ++openForms;
  Form* form = WindowOwner<Form>(window, message, lParam);
  if (message == WM_NCDESTROY) {
    FormWindowGone();
    return 0;
  }
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->HandleMessage(message, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_QUERYENDSESSION:
      // Log-off or shutdown asks every form to unload, as a close would; a form that refuses
      // holds the session open.
      return Unload() ? TRUE : FALSE;
    case WM_SIZE:
      if (displayed_) OnResize();
      return 0;
    case WM_SETCURSOR:
      if (ShowApplicationPointer()) return TRUE;
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_TIMER:
      DispatchTimer(wParam);
      return 0;
    case WM_COMMAND:
      // Escape in a modal form, which the dialog manager turns into a cancel command, closes it
      // as the close box does.
      if (LOWORD(wParam) == IDCANCEL) Unload();
      return 0;
    case WM_DESTROY:
      OnUnload();
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      if (const std::optional<LRESULT> result = OnOtherMessage(message, wParam, lParam)) {
        return *result;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

HDC Form::Canvas() {
  if (window_ == nullptr) return nullptr;
  RECT client;
  GetClientRect(window_, &client);
  return canvas_.Fit({client.right, client.bottom}, backColour_);
}

void Form::Refresh() {
  if (window_ != nullptr)
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::PaintBackground(HDC deviceContext) {
  if (canvas_.CopyTo(deviceContext, 0, 0)) return;
  RECT client;
  GetClientRect(window_, &client);
  FillSolid(deviceContext, client, backColour_);
}

void Form::DispatchTimer(UINT_PTR id) {
  for (FormTimer* timer : timers_) {
    if (timer->id() == id) {
      timer->Fire();
      return;
    }
  }
}

int RunForms() {
  MSG message;
  while (openForms > 0 && GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
