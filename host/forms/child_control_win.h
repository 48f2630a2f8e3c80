#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "forms/background_style.h"
#include "forms/dpi_scale.h"
#include "forms/mouse_button.h"
#include "forms/scaled_child_win.h"

// The plumbing every control that lives as a child window on a form shares: a window class per
// kind of control, the object behind the window, mouse and focus notifications with the button
// that changed, and painting into an off-screen surface that reaches the screen in one blit.
// A press captures the mouse until its release, so the release always reaches the control that
// saw the press. A control follows the dots per inch of the form it is on.
class ChildControl : public ScaledChild {
 public:
  virtual ~ChildControl();

  // Creates the window on the parent at the form's dpi; false when it cannot be made. The
  // bounds are the control's place in the 96-dpi layout, kept for every later change of dpi.
  // extraStyle adds to WS_CHILD | WS_VISIBLE (WS_TABSTOP lets a left press take the focus).
  bool Create(HWND parent, RECT design, DWORD extraStyle = 0);
  // Creates the window with no place of its own yet; Move gives it one in pixels, and a change
  // of dpi leaves it there.
  bool Create(HWND parent);
  HWND window() const { return window_; }
  int dpi() const { return dpi_; }
  void SetDpi(int dpi) override;
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
  // The size changed, or the control was laid out for another dpi, which it now has.
  virtual void OnSize(SIZE /*size*/) {}
  // Before the control is made or laid out again for dpi: it makes its fonts for it.
  virtual void OnDpiChanged(int /*dpi*/) {}
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
  bool CreateAt(HWND parent, RECT bounds, DWORD extraStyle);

  const wchar_t* className_;
  HWND window_ = nullptr;
  std::optional<RECT> design_;  // the place in the 96-dpi layout, if it has one
  int dpi_ = kDesignDpi;
  std::wstring text_;
  BackgroundStyle background_ = BackgroundStyle::Opaque;
  COLORREF backColour_ = RGB(255, 255, 255);
  HCURSOR pointer_ = nullptr;
  int buttonsDown_ = 0;  // MouseButton bits pressed since the capture was taken
};
