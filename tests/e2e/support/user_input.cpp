#include "user_input.h"

#include <chrono>
#include <vector>

#include "deadline.h"

namespace {

INPUT MouseInput(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

// A move to a screen point, in the 0..65535 scale absolute moves take.
INPUT MoveTo(int x, int y) {
  INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
  input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  return input;
}

INPUT KeyInput(WORD virtualKey, WORD scan, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool PointerAt(POINT at) {
  POINT now = {};
  return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
}

// Moves the pointer and waits until it stands there. NOTE: one move at a time: a move that
// follows another at once may be dropped, or the earlier one may arrive last.
//
// Under Wine the X server's view of the pointer comes back as input too, from the program under
// it, and on a busy machine late: a move to where the pointer stood one or two clicks ago can
// arrive after this one, and one that arrives between a press and its release takes the press
// off a button. So the pointer counts as settled only once it has read the point for a while
// (after 100 ms without a change Wine asks the X server itself); a late move seen meanwhile puts
// it back, before anything is pressed.
void MoveAndSettle(POINT at) {
  constexpr auto kStill = std::chrono::milliseconds(200);
  const Deadline deadline(std::chrono::seconds(5));
  while (!deadline.Passed()) {
    // Placing the pointer moves it for every program at once; the move after it is what a hand
    // sends, so the window under the pointer hears of it.
    SetCursorPos(at.x, at.y);
    Send({MoveTo(at.x, at.y)});
    if (!PollUntil(std::chrono::seconds(1), [&] { return PointerAt(at); })) continue;
    const bool strayed = PollUntil(
        kStill, [&] { return !PointerAt(at); }, std::chrono::milliseconds(10));
    if (!strayed) return;
  }
}

}  // namespace

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  SetActiveWindow(window);
}

void ClickMiddleOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ClickAt(POINT at) {
  MoveAndSettle(at);
  // NOTE: the system may still deliver a late move to where the pointer stood before, and a
  // press without a point of its own would land there.
  INPUT down = MoveTo(at.x, at.y);
  down.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  INPUT up = MoveTo(at.x, at.y);
  up.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  Send({down, up});
}

void PressKey(WORD virtualKey) {
  Send({KeyInput(virtualKey, 0, 0), KeyInput(virtualKey, 0, KEYEVENTF_KEYUP)});
}

bool PressKeyOnceInFront(HWND window, WORD virtualKey) {
  // A started program may take a few frames of a busy machine to show its window.
  constexpr auto kFrontTimeout = std::chrono::seconds(10);
  if (!PollUntil(
          kFrontTimeout, [&] { return GetForegroundWindow() == window; },
          std::chrono::milliseconds(5))) {
    return false;
  }
  PressKey(virtualKey);
  return true;
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE));
    inputs.push_back(KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  Send(inputs);
}
