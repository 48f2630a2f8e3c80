#include "forms/child_control_win.h"

#include <windowsx.h>

#include "forms/application_win.h"
#include "forms/gdi_objects_win.h"
#include "forms/surface_win.h"
#include "forms/window_class_win.h"
#include "forms/window_dpi_win.h"

namespace {

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// The messages of a mouse button going down or up.
struct ButtonMessage {
  UINT message;
  MouseButton button;
  bool down;
};
constexpr ButtonMessage kButtonMessages[] = {
    {WM_LBUTTONDOWN, MouseButton::Left, true},   {WM_LBUTTONUP, MouseButton::Left, false},
    {WM_RBUTTONDOWN, MouseButton::Right, true},  {WM_RBUTTONUP, MouseButton::Right, false},
    {WM_MBUTTONDOWN, MouseButton::Middle, true}, {WM_MBUTTONUP, MouseButton::Middle, false},
};

}  // namespace

ChildControl::~ChildControl() {
  if (window_ != nullptr) {
    // The object is going: no message of the window's end may reach it.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool ChildControl::Create(HWND parent, RECT design, DWORD extraStyle) {
  if (window_ != nullptr) return true;
  design_ = design;
  dpi_ = JoinFormOf(parent);
  OnDpiChanged(dpi_);
  return CreateAt(parent, ScaledRect(design, dpi_), extraStyle);
}

bool ChildControl::Create(HWND parent) {
  if (window_ != nullptr) return true;
  dpi_ = JoinFormOf(parent);
  OnDpiChanged(dpi_);
  return CreateAt(parent, {}, 0);
}

bool ChildControl::CreateAt(HWND parent, RECT bounds, DWORD extraStyle) {
  RegisterWindowClass(className_, WindowProc);
  return CreateWindowExW(0, className_, text_.c_str(),
                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | extraStyle,
                         bounds.left, bounds.top, bounds.right - bounds.left,
                         bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleW(nullptr),
                         this) != nullptr;
}

// Fonts first, then the place: a control whose size changes draws itself once, at the new dpi.
void ChildControl::SetDpi(int dpi) {
  dpi_ = dpi;
  OnDpiChanged(dpi);
  if (window_ == nullptr || !design_) return;
  const SIZE before = ClientSize();
  const RECT at = ScaledRect(*design_, dpi);
  Move(at.left, at.top, at.right - at.left, at.bottom - at.top);
  const SIZE after = ClientSize();
  if (after.cx == before.cx && after.cy == before.cy) OnSize(after);
}

void ChildControl::Move(int left, int top, int width, int height) {
  if (window_ != nullptr) MoveWindow(window_, left, top, width, height, TRUE);
}

SIZE ChildControl::ClientSize() const {
  RECT client = {};
  if (window_ != nullptr) GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

bool ChildControl::IsOnControl(POINT at) const {
  const SIZE size = ClientSize();
  return at.x >= 0 && at.y >= 0 && at.x < size.cx && at.y < size.cy;
}

void ChildControl::SetBackground(BackgroundStyle background) {
  background_ = background;
  Repaint();
}

void ChildControl::SetBackColour(COLORREF colour) {
  backColour_ = colour;
  Repaint();
}

void ChildControl::SetText(const std::wstring& text) {
  text_ = text;
  if (window_ != nullptr) SetWindowTextW(window_, text_.c_str());
}

void ChildControl::Repaint() {
  if (window_ == nullptr) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

LRESULT CALLBACK ChildControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ChildControl* control = WindowOwner<ChildControl>(window, message, lParam);
  if (control == nullptr || message == WM_NCDESTROY) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return control->HandleMessage(message, wParam, lParam);
}

LRESULT ChildControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  for (const ButtonMessage& mouse : kButtonMessages) {
    if (mouse.message != message) continue;
    if (mouse.down) {
      ButtonDown(mouse.button, PointOf(lParam));
    } else {
      ButtonUp(mouse.button, PointOf(lParam));
    }
    return 0;
  }
  switch (message) {
    case WM_PAINT:
      PaintWindow();
      return 0;
    case WM_ERASEBKGND:
      // Asked by a transparent child for what lies behind it (or by the system, just before
      // the same pixels arrive from the off-screen surface).
      DrawWhole(reinterpret_cast<HDC>(wParam), ClientSize());
      return 1;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      CaptureChanged(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_SETFOCUS:
      OnFocusGained();
      return 0;
    case WM_KILLFOCUS:
      OnFocusLost();
      return 0;
    case WM_SIZE:
      OnSize({LOWORD(lParam), HIWORD(lParam)});
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_SETCURSOR:
      if (ShowApplicationPointer() || SetOwnPointer()) return TRUE;
      break;
    default:
      break;
  }
  if (const std::optional<LRESULT> handled = OnMessage(message, wParam, lParam)) return *handled;
  return DefWindowProcW(window_, message, wParam, lParam);
}

void ChildControl::ButtonDown(MouseButton button, POINT at) {
  const bool focusable = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_TABSTOP) != 0;
  // The focus arrives before the press itself is handled, as with the system's buttons.
  if (button == MouseButton::Left && focusable && GetFocus() != window_) SetFocus(window_);
  if (buttonsDown_ == 0) SetCapture(window_);
  buttonsDown_ |= static_cast<int>(button);
  OnMouseDown(button, at);
}

void ChildControl::ButtonUp(MouseButton button, POINT at) {
  buttonsDown_ &= ~static_cast<int>(button);
  // Released before the handler runs: a click may open a window that wants the mouse.
  if (buttonsDown_ == 0 && GetCapture() == window_) ReleaseCapture();
  OnMouseUp(button, at);
}

void ChildControl::CaptureChanged(HWND taker) {
  if (taker == window_ || buttonsDown_ == 0) return;
  buttonsDown_ = 0;
  OnPressAbandoned();
}

bool ChildControl::SetOwnPointer() {
  if (pointer_ == nullptr) return false;
  SetCursor(pointer_);
  return true;
}

void ChildControl::PaintWindow() {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window_, &paint);
  const SIZE size = ClientSize();
  Surface surface(screen, size);
  if (surface) {
    DrawWhole(surface.dc(), size);
    surface.CopyTo(screen, 0, 0);
  }
  EndPaint(window_, &paint);
}

void ChildControl::DrawWhole(HDC surface, SIZE size) {
  FillBackground(surface, size);
  Paint(surface, size);
}

void ChildControl::FillBackground(HDC surface, SIZE size) {
  if (background_ == BackgroundStyle::Opaque) {
    FillSolid(surface, {0, 0, size.cx, size.cy}, backColour_);
    return;
  }
  // Transparent: the container paints its own background under the control's rectangle.
  HWND parent = GetParent(window_);
  POINT origin = {0, 0};
  MapWindowPoints(window_, parent, &origin, 1);
  POINT previous;
  SetWindowOrgEx(surface, origin.x, origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface), 0);
  SetWindowOrgEx(surface, previous.x, previous.y, nullptr);
}
