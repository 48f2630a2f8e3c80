#include "setup_program.h"

#include <shlobj.h>

#include <chrono>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "program_folder.h"
#include "shipped_names.h"
#include "user_registry.h"

namespace {

using namespace std::chrono_literals;

// Unpacking two statically linked programs takes a few seconds on a slow machine.
constexpr auto kSetupTimeout = 60s;

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
  wchar_t* path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

}  // namespace

std::wstring InstallFolder() { return KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\氷花灯"; }

std::wstring StartMenuEntry() { return KnownFolder(FOLDERID_Programs) + L"\\氷花灯.lnk"; }

std::optional<DWORD> RunSetup(const std::wstring& arguments) {
  const std::wstring folder = ExecutableFolder();
  const ChildProcess setup = ChildProcess::Start(folder + L"\\" + kSetupFile, arguments, folder);
  return setup.WaitForExit(std::chrono::duration_cast<std::chrono::milliseconds>(kSetupTimeout));
}

bool RunQuietUninstall() {
  const std::wstring command = ReadUserString(kUninstallKey, L"QuietUninstallString").value_or(L"");
  const std::size_t closingQuote = command.find(L'"', 1);
  if (command.empty() || command[0] != L'"' || closingQuote == std::wstring::npos) return false;
  const std::wstring program = command.substr(1, closingQuote - 1);
  const std::size_t argumentsStart = command.find_first_not_of(L' ', closingQuote + 1);
  const std::wstring arguments =
      argumentsStart == std::wstring::npos ? std::wstring() : command.substr(argumentsStart);
  const ChildProcess uninstaller = ChildProcess::Start(program, arguments, L"");
  if (!uninstaller.started()) return false;
  return PollUntil(kSetupTimeout, [] { return !UserKeyExists(kUninstallKey); });
}

std::wstring ShortPathOf(const std::wstring& path) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return path;
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(length);
  }
}
