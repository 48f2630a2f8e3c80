#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "forms/background_style.h"
#include "forms/mouse_button.h"

// The plumbing every control that lives as a child window on a form shares: a window class per
// kind of control, the object behind the window, mouse and focus notifications with the button
// that changed, and painting into an off-screen surface that reaches the screen in one blit.
// A press captures the mouse until its release, so the release always reaches the control that
// saw the press.
class ChildControl {
 public:
  virtual ~ChildControl();
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  // Creates the window on the parent; false when it cannot be made. extraStyle adds to
  // WS_CHILD | WS_VISIBLE (WS_TABSTOP lets a left press take the focus).
  bool Create(HWND parent, RECT bounds = {}, DWORD extraStyle = 0);
  HWND window() const { return window_; }
  void Move(int left, int top, int width, int height);
  SIZE ClientSize() const;
  // Whether a point in client coordinates lies on the control.
  bool IsOnControl(POINT at) const;

  void SetBackground(BackgroundStyle background);
  void SetBackColour(COLORREF colour);
  COLORREF backColour() const { return backColour_; }
  // The control's own mouse pointer; null for the default arrow. It does not survive the
  // control's window: the caller owns it.
  void SetPointer(HCURSOR pointer) { pointer_ = pointer; }
  // Paints the control now, through the off-screen surface.
  void Repaint();
  // The window's own text, by which the system and screen readers name the control.
  void SetText(const std::wstring& text);

 protected:
  explicit ChildControl(const wchar_t* className) : className_(className) {}

  // Draws the control over its background on a surface of the control's size.
  virtual void Paint(HDC /*surface*/, SIZE /*size*/) {}
  virtual void OnMouseDown(MouseButton /*button*/, POINT /*at*/) {}
  virtual void OnMouseMove(POINT /*at*/) {}
  virtual void OnMouseUp(MouseButton /*button*/, POINT /*at*/) {}
  // The capture was taken away while a button was down: no release will come.
  virtual void OnPressAbandoned() {}
  virtual void OnFocusGained() {}
  virtual void OnFocusLost() {}
  virtual void OnSize(SIZE /*size*/) {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  // Any other message; nullopt leaves it to the system.
  virtual std::optional<LRESULT> OnMessage(UINT /*message*/, WPARAM, LPARAM) {
    return std::nullopt;
  }

 private:
  template <typename Owner>
  friend Owner* WindowOwner(HWND, UINT, LPARAM);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void ButtonDown(MouseButton button, POINT at);
  void ButtonUp(MouseButton button, POINT at);
  void CaptureChanged(HWND taker);
  bool SetOwnPointer();
  void PaintWindow();
  void DrawWhole(HDC surface, SIZE size);
  void FillBackground(HDC surface, SIZE size);

  const wchar_t* className_;
  HWND window_ = nullptr;
  std::wstring text_;
  BackgroundStyle background_ = BackgroundStyle::Opaque;
  COLORREF backColour_ = RGB(255, 255, 255);
  HCURSOR pointer_ = nullptr;
  int buttonsDown_ = 0;  // MouseButton bits pressed since the capture was taken
};
