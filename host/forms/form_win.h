#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "forms/dpi_scale.h"
#include "forms/scaled_child_win.h"
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
  // The dots per inch the form is laid out for: its monitor's when it was made, then the last
  // one the system announced.
  int dpi() const { return dpi_; }
  // The form a window of this program belongs to: the form itself or one of its controls at any
  // depth. Null for any other window.
  static Form* Holding(HWND window);

 protected:
  virtual void OnLoad() {}
  virtual void OnResize() {}
  // Whether the unload may go on; the handler may also end the program itself.
  virtual bool OnQueryUnload() { return true; }
  virtual void OnUnload() {}
  // Moved to a monitor of another resolution: every control on the form is laid out again for
  // dpi from its 96-dpi place, then the form takes the place the system suggests. A form that
  // draws more for its dpi does so after calling this.
  virtual void OnDpiChanged(int dpi, const RECT& suggested);
  // Any message the form itself does not handle: the result, or nothing to leave it to the
  // system's default handling.
  virtual std::optional<LRESULT> OnOtherMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

 private:
  friend class FormTimer;
  friend class ScaledChild;
  void Adopt(ScaledChild& child);
  void Forget(ScaledChild& child);
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
  int dpi_ = kDesignDpi;
  std::vector<ScaledChild*> children_;  // in the order they were made
};

// Runs the message loop until the last form is gone.
int RunForms();
