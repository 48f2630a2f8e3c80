#include "forms/on_demand_library_win.h"

#include <string>

namespace {

HMODULE LoadFromSystemFolder(const wchar_t* fileName) {
  HMODULE module = LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Windows 7 without its loader update refuses the search flag. The library's full path in the
  // system folder is then looked for nowhere else.
  if (module != nullptr || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder) + L"\\" + fileName).c_str());
}

}  // namespace

OnDemandLibrary::~OnDemandLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

FARPROC OnDemandLibrary::FindAddress(const char* name) {
  if (module_ == nullptr) {
    module_ = LoadFromSystemFolder(fileName_);
    if (module_ == nullptr) return nullptr;
  }
  return GetProcAddress(module_, name);
}
