#include "forms/application_win.h"

#include <vector>

#include "forms/argument_text.h"
#include "forms/program_folder.h"

namespace {

std::wstring ProgramPath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"";
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::wstring ShortPathOf(const std::wstring& path) {
  const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (length == 0) return L"";
  std::wstring shortPath(length, L'\0');
  const DWORD written = GetShortPathNameW(path.c_str(), shortPath.data(), length);
  if (written == 0 || written >= length) return L"";
  shortPath.resize(written);
  return shortPath;
}

std::wstring ProgramFolder() { return ProgramFolderOf(ProgramPath()); }

std::wstring ArgumentText() {
  // Windows may start the program by its long or its short path, unquoted even with blanks.
  const std::wstring path = ProgramPath();
  return ArgumentTextOf(GetCommandLineW(), {path, ShortPathOf(path)});
}

HINSTANCE ApplicationInstance() { return GetModuleHandleW(nullptr); }

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

namespace {

ApplicationPointer applicationPointer = ApplicationPointer::Default;

HCURSOR SystemCursor(int id) { return LoadCursorW(nullptr, MAKEINTRESOURCEW(id)); }

}  // namespace

void SetApplicationPointer(ApplicationPointer pointer) {
  applicationPointer = pointer;
  // Shown at once, without waiting for the pointer to move; the window under it then decides
  // again, so a control's own pointer comes back with the default.
  SetCursor(SystemCursor(pointer == ApplicationPointer::Hourglass ? 32514 : 32512));  // IDC_WAIT
  POINT position;
  if (!GetCursorPos(&position)) return;
  HWND under = WindowFromPoint(position);
  if (under == nullptr || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) return;
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, 0));
}

bool ShowApplicationPointer() {
  if (applicationPointer == ApplicationPointer::Default) return false;
  SetCursor(SystemCursor(32514));  // IDC_WAIT
  return true;
}
