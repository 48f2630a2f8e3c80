#include "message_box.h"

#include "deadline.h"
#include "window_finder.h"

HWND WaitForMessageBox(const wchar_t* title, DWORD processId, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  PollUntil(timeout, [&] {
    box = FindTopLevelWindow(L"#32770", title, processId);
    return box != nullptr && IsWindowVisible(box);
  });
  return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

std::wstring MessageText(HWND box) {
  std::wstring text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM found) -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        wchar_t content[512] = {};
        GetWindowTextW(child, content, 512);
        if (lstrcmpiW(name, L"Static") != 0 || content[0] == L'\0') return TRUE;
        *reinterpret_cast<std::wstring*>(found) = content;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

bool PressBoxButton(HWND box, int id) {
  const HWND button = GetDlgItem(box, id);
  if (button == nullptr) return false;
  return PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button));
}
