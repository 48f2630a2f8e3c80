#include "current_saver_win.h"

#include <vector>

#include "forms/application_win.h"

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kCurrentSaverValue[] = L"SCRNSAVE.EXE";
constexpr wchar_t kSaverActiveValue[] = L"ScreenSaveActive";
constexpr wchar_t kSwitchedOn[] = L"1";

// The long form of path, or path unchanged when it names no file.
std::wstring LongPathOf(const std::wstring& path) {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetLongPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return path;
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(length);
  }
}

// Paths compare case-blind, as the file system and setup's comparison do.
bool SamePath(const std::wstring& one, const std::wstring& other) {
  return CompareStringOrdinal(one.c_str(), static_cast<int>(one.size()), other.c_str(),
                              static_cast<int>(other.size()), TRUE) == CSTR_EQUAL;
}

DWORD WriteDesktopString(const wchar_t* name, const std::wstring& value) {
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return static_cast<DWORD>(
      RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, name, REG_SZ, value.c_str(), bytes));
}

}  // namespace

std::wstring StoredCurrentSaver() {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kCurrentSaverValue, RRF_RT_REG_SZ, nullptr,
                   nullptr, &bytes) != ERROR_SUCCESS) {
    return L"";
  }
  std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
  if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kCurrentSaverValue, RRF_RT_REG_SZ, nullptr,
                   text.data(), &bytes) != ERROR_SUCCESS) {
    return L"";
  }
  return text.data();
}

bool NamesProgram(const std::wstring& stored, const std::wstring& host) {
  if (stored.empty()) return false;
  // A short path can only be asked of an existing file; of a missing one it is empty.
  return SamePath(LongPathOf(stored), LongPathOf(host)) || SamePath(stored, ShortPathOf(host));
}

DWORD MakeCurrentSaver(const std::wstring& host) {
  // Windows starts the value as a command line with " /s" after it; the short form has no
  // blanks to split it. A volume that makes no short names gets the long path.
  std::wstring value = ShortPathOf(host);
  if (value.empty()) value = host;
  if (const DWORD error = WriteDesktopString(kCurrentSaverValue, value)) return error;
  if (const DWORD error = WriteDesktopString(kSaverActiveValue, kSwitchedOn)) return error;
  // The running session keeps the switch in memory until the next sign-in; this tells it now.
  if (!SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr,
                             SPIF_UPDATEINIFILE | SPIF_SENDCHANGE)) {
    const DWORD error = GetLastError();
    return error != ERROR_SUCCESS ? error : ERROR_GEN_FAILURE;
  }
  return ERROR_SUCCESS;
}
