#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/surface_win.h"

class FormTimer;

// A form: a top-level window whose caption is its title, driven by load, resize, query-unload
// and unload events. The program lives while one of its forms exists.
class Form {
 public:
  // The style decides the border: WS_OVERLAPPEDWINDOW for an ordinary form, WS_POPUP for none.
  explicit Form(std::wstring caption, DWORD style = WS_OVERLAPPEDWINDOW);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window hidden and raises the load event. False when the window cannot be made.
  bool Load();
  // The first display raises resize, after load, so a resize handler sees the loaded controls.
  void Show();
  // Shows the form with no owner and returns once it is gone.
  void ShowModal();
  // Asks the form to unload: query-unload may refuse; otherwise the window is destroyed. True
  // when the form is gone.
  bool Unload();

  HWND window() const { return window_; }
  void SetBackColour(COLORREF colour) { backColour_ = colour; }
  // The form's persistent picture, the size of its client area, shown under its controls and
  // again whenever the form is uncovered; null before load. Refresh shows what was drawn.
  HDC Canvas();
  void Refresh();
  void Move(int left, int top, int width, int height);

 protected:
  virtual void OnLoad() {}
  virtual void OnResize() {}
  // Whether the unload may go on; the handler may also end the program itself.
  virtual bool OnQueryUnload() { return true; }
  virtual void OnUnload() {}
  // Moved to a monitor of another resolution: the form lays itself out for dpi and takes the
  // place the system suggests. By default it only takes the place.
  virtual void OnDpiChanged(int dpi, const RECT& suggested);
  // Any message the form itself does not handle: the result, or nothing to leave it to the
  // system's default handling.
  virtual std::optional<LRESULT> OnOtherMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

 private:
  friend class FormTimer;
  template <typename Owner>
  friend Owner* WindowOwner(HWND, UINT, LPARAM);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintBackground(HDC deviceContext);
  void DispatchTimer(UINT_PTR id);

  std::wstring caption_;
  DWORD style_;
  HWND window_ = nullptr;
  // Size changes before the first display are the window being made, not the user's.
  bool displayed_ = false;
  COLORREF backColour_ = RGB(0, 0, 0);
  PersistentImage canvas_;
  std::vector<FormTimer*> timers_;
};

// Runs the message loop until the last form is gone.
int RunForms();
