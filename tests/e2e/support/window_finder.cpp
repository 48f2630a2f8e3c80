#include "window_finder.h"

#include "deadline.h"

HWND FindTopLevelWindow(const wchar_t* className, const wchar_t* title, DWORD processId) {
  // A null parent makes FindWindowExW walk the desktop's children, as FindWindowW does, and the
  // child-after argument lets it go on past windows of other processes.
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, className, title)) != nullptr) {
    if (processId == 0) return window;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

HWND WaitForTopLevelWindow(const wchar_t* className, const wchar_t* title, DWORD processId,
                           std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  PollUntil(timeout, [&] {
    found = FindTopLevelWindow(className, title, processId);
    return found != nullptr;
  });
  return found;
}

bool WaitForNoTopLevelWindow(const wchar_t* className, const wchar_t* title, DWORD processId,
                             std::chrono::milliseconds timeout) {
  return PollUntil(timeout,
                   [&] { return FindTopLevelWindow(className, title, processId) == nullptr; });
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  if (window != nullptr) SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND FindChild(HWND parent, const std::function<bool(HWND child)>& match) {
  std::pair<const std::function<bool(HWND)>*, HWND> search = {&match, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto& [accepts, found] = *reinterpret_cast<decltype(search)*>(data);
        if (!(*accepts)(child)) return TRUE;
        found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}
