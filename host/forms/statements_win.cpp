#include "forms/statements_win.h"

#include <windows.h>

#include <vector>

#include "forms/application_win.h"

bool CreateFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != 0; }

bool StartedProgram::Running() const {
  return started() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<std::uint32_t> StartedProgram::ExitCodeWithin(std::chrono::milliseconds wait) const {
  if (!started()) return std::nullopt;
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(wait.count())) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

StartedProgram StartProgram(const std::wstring& path, const std::wstring& argumentText) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  // A quoted name, so blanks in the folder are safe, then the arguments as given.
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!argumentText.empty()) commandLine += L" " + argumentText;
  std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
  writable.push_back(L'\0');
  if (!CreateProcessW(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return {};
  }
  const ScopedHandle thread(process.hThread);  // only the process is watched
  // Activated means in front with the keyboard, which Windows allows only a process that holds
  // the foreground right; the right this one may hold is passed on to the new process.
  AllowSetForegroundWindow(process.dwProcessId);
  return StartedProgram(ScopedHandle(process.hProcess));
}

void ShowMessage(const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), kApplicationTitle, MB_OK);
}

void EndProgram() { ExitProcess(0); }
