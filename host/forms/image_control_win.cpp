#include "image_control_win.h"

#include "window_class_win.h"

#include <utility>

namespace {

constexpr wchar_t kImageClass[] = L"DriftmantleImage";

}  // namespace

ImageControl::~ImageControl() {
  if (window_ != nullptr && IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool ImageControl::Create(HWND parent) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kImageClass, WindowProc);
  window_ = CreateWindowExW(0, kImageClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, nullptr,
                            instance, this);
  return window_ != nullptr;
}

void ImageControl::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  if (window_ != nullptr) InvalidateRect(window_, nullptr, TRUE);
}

void ImageControl::Move(int left, int top, int width, int height) {
  if (window_ != nullptr) MoveWindow(window_, left, top, width, height, TRUE);
}

LRESULT CALLBACK ImageControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* control = reinterpret_cast<ImageControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (control != nullptr && message == WM_PAINT) {
    control->Paint();
    return 0;
  }
  if (control != nullptr && message == WM_NCDESTROY) control->window_ = nullptr;
  // Transparent where no picture lies: the parent's background shows through.
  if (message == WM_ERASEBKGND) {
    HWND parent = GetParent(window);
    POINT origin = {0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    HDC deviceContext = reinterpret_cast<HDC>(wParam);
    POINT previous;
    OffsetWindowOrgEx(deviceContext, origin.x, origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, wParam, 0);
    SetWindowOrgEx(deviceContext, previous.x, previous.y, nullptr);
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void ImageControl::Paint() {
  PAINTSTRUCT paint;
  HDC target = BeginPaint(window_, &paint);
  if (picture_) {
    const SIZE size = picture_.size();
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, picture_.bitmap());
    BitBlt(target, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
  }
  EndPaint(window_, &paint);
}
