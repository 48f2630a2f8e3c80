// The Start-menu entry's program: opens the settings of the host beside it. The entry cannot
// name the host itself, because the shell opens a screen saver file as `"%1" /S` whatever
// arguments a shortcut to it carries, and that would start the full-screen saver instead.
#include <windows.h>

#include <string>

#include "forms/application_win.h"
#include "scoped_handle_win.h"

namespace {

// The host's file name as the build names it, in UTF-8.
constexpr char kHostFileName[] = HOST_FILE_NAME;
constexpr wchar_t kSettingsArgument[] = L" /c";

std::wstring Widened(const char* utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
  return wide;
}

// The system's text for error, after what it is about.
void ShowStartFailure(const std::wstring& program, DWORD error) {
  wchar_t* reason = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
  const std::wstring text = program + L"\r\n\r\n" + (reason != nullptr ? reason : L"");
  LocalFree(reason);
  MessageBoxW(nullptr, text.c_str(), L"氷花灯", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring folder = ProgramFolder();
  const std::wstring host = folder + L"\\" + Widened(kHostFileName);
  std::wstring commandLine = L"\"" + host + L"\"" + kSettingsArgument;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(host.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    ShowStartFailure(host, GetLastError());
    return 1;
  }
  const ScopedHandle process(started.hProcess);
  const ScopedHandle thread(started.hThread);
  return 0;
}
