#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "controls/button_painter_win.h"
#include "controls/command.h"
#include "controls/property_store.h"
#include "forms/child_control_win.h"

// Command as a child window on a form: the window's messages drive the button's state machine,
// its face is painted by a ButtonPainter, and its Click reaches the owner's handler. The window
// takes part in the Tab order, and Space or Enter presses it like a system button.
class CommandButton final : public ChildControl, private PointerPoll {
 public:
  explicit CommandButton(std::function<void()> onClick);

  // Creates the window and loads the button's stored properties ("Caption", "Font", "Enabled"
  // and the rest, each with its default when absent). False when the window cannot be made.
  bool Create(HWND parent, RECT bounds, PropertyStore& layout);
  Command& control() { return command_; }

 protected:
  void Paint(HDC surface, SIZE size) override;
  void OnMouseDown(MouseButton button, POINT at) override;
  void OnMouseMove(POINT at) override;
  void OnMouseUp(MouseButton button, POINT at) override;
  void OnPressAbandoned() override;
  void OnFocusGained() override;
  void OnFocusLost() override;
  void OnSize(SIZE size) override;
  void OnDpiChanged(int dpi) override { painter_.SetCaptionDpi(dpi); }
  void OnTimer(UINT_PTR id) override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Raises Click to the owner; the dialog's layout is fixed in its code, so property changes
  // need no saving and the ambient font is the button's design font.
  class ClickRelay final : public ButtonContainer {
   public:
    explicit ClickRelay(std::function<void()> onClick) : onClick_(std::move(onClick)) {}
    void RaiseClick() override {
      if (onClick_) onClick_();
    }
    void PropertyChanged(std::wstring_view) override {}
    ButtonFont AmbientFont() override { return DesignFont(); }

   private:
    std::function<void()> onClick_;
  };

  void Start(std::chrono::milliseconds period) override;
  bool Hovered() const;
  void ArmPoll();
  bool OverOwnWindow() override;
  std::optional<LRESULT> OnKey(UINT message, WPARAM key, LPARAM flags);

  std::chrono::milliseconds pollPeriod_{0};  // 0 until the button is initialised
  bool pollArmed_ = false;
  ButtonPainter painter_{*this};
  ClickRelay relay_;
  Command command_{painter_, *this, relay_};
};
