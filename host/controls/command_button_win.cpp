#include "controls/command_button_win.h"

#include <utility>

namespace {

constexpr UINT_PTR kPointerPollTimer = 1;
// Bit 30 of a key message: the key was already down, so this is the keyboard's auto-repeat.
constexpr LPARAM kKeyWasDown = 1 << 30;

std::optional<ButtonKey> ButtonKeyOf(WPARAM key) {
  if (key == VK_SPACE) return ButtonKey::Space;
  if (key == VK_RETURN) return ButtonKey::Enter;
  return std::nullopt;
}

// Enter must reach the button rather than the dialog manager's default button.
bool IsEnterKey(const MSG* message) {
  return message != nullptr && message->wParam == VK_RETURN &&
         (message->message == WM_KEYDOWN || message->message == WM_KEYUP ||
          message->message == WM_CHAR);
}

}  // namespace

CommandButton::CommandButton(std::function<void()> onClick)
    : ChildControl(L"DriftmantleCommand"), relay_(std::move(onClick)) {}

bool CommandButton::Create(HWND parent, RECT bounds, PropertyStore& layout) {
  if (!ChildControl::Create(parent, bounds, WS_TABSTOP)) return false;
  command_.LoadProperties(layout);
  return true;
}

void CommandButton::Paint(HDC surface, SIZE) { painter_.Draw(surface); }

void CommandButton::OnMouseDown(MouseButton button, POINT) { command_.MouseDown(button); }

void CommandButton::OnMouseMove(POINT at) {
  if (IsOnControl(at)) {
    command_.MouseMoved();
    ArmPoll();
  } else if (GetCapture() == window()) {
    // Only a held button hears of moves off it. A move that reaches the button uncaptured with
    // a point off it is a stale one, delivered late, and says nothing about the pointer now.
    command_.MouseMovedOff();
  }
}

void CommandButton::OnMouseUp(MouseButton button, POINT at) {
  if (IsOnControl(at)) {
    command_.MouseUp(button);
    return;
  }
  // Released off the button: without the capture the release would never have come here, so
  // it clicks nothing, and the poll may not yet have seen the pointer go.
  command_.PointerLeft();
  command_.PressAbandoned();
}

void CommandButton::OnPressAbandoned() { command_.PressAbandoned(); }

void CommandButton::OnFocusGained() {
  command_.FocusGained();
  ArmPoll();
}

void CommandButton::OnFocusLost() { command_.FocusLost(); }

// The face follows the size and the dpi together: a change of dpi ends here too.
void CommandButton::OnSize(SIZE size) { command_.SizeChanged({size.cx, size.cy}, dpi()); }

void CommandButton::OnTimer(UINT_PTR id) {
  if (id != kPointerPollTimer) return;
  command_.PollTick();
  if (!Hovered()) {
    KillTimer(window(), kPointerPollTimer);
    pollArmed_ = false;
  }
}

bool CommandButton::Hovered() const {
  const ViewState state = command_.CurrentViewState();
  return state == ViewState::Hovered || state == ViewState::FocusedHovered;
}

// The poll's ticks can only take a hover look back, so its timer runs while there is one: an
// idle dialog is woken by nothing.
void CommandButton::ArmPoll() {
  if (pollPeriod_.count() == 0 || pollArmed_ || !Hovered()) return;
  pollArmed_ =
      SetTimer(window(), kPointerPollTimer, static_cast<UINT>(pollPeriod_.count()), nullptr) != 0;
}

std::optional<LRESULT> CommandButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON |
             (IsEnterKey(reinterpret_cast<const MSG*>(lParam)) ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
    case WM_KEYUP:
      return OnKey(message, wParam, lParam);
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> CommandButton::OnKey(UINT message, WPARAM key, LPARAM flags) {
  const std::optional<ButtonKey> buttonKey = ButtonKeyOf(key);
  if (!buttonKey) return std::nullopt;
  if (message == WM_KEYUP) {
    command_.KeyUp(*buttonKey);
  } else {
    command_.KeyDown(*buttonKey, (flags & kKeyWasDown) != 0 ? KeyStroke::Repeat : KeyStroke::First);
  }
  return 0;
}

void CommandButton::Start(std::chrono::milliseconds period) {
  pollPeriod_ = period;
  ArmPoll();
}

bool CommandButton::OverOwnWindow() {
  POINT pointer;
  if (!GetCursorPos(&pointer)) return true;  // nothing known: leave the look as it is
  return WindowFromPoint(pointer) == window();
}
