#include "application_win.h"

#include <vector>

#include "argument_text.h"
#include "program_folder.h"

std::wstring ProgramFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"";
    if (length < path.size()) return ProgramFolderOf(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

std::wstring ArgumentText() { return ArgumentTextOf(GetCommandLineW()); }

HINSTANCE ApplicationInstance() { return GetModuleHandleW(nullptr); }

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void ShowBusyPointer(bool busy) {
  SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(busy ? 32514 : 32512)));  // IDC_WAIT, IDC_ARROW
}
