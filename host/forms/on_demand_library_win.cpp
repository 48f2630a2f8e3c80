#include "forms/on_demand_library_win.h"

OnDemandLibrary::~OnDemandLibrary() {
  if (module_ != nullptr) FreeLibrary(module_);
}

FARPROC OnDemandLibrary::FindAddress(const char* name) {
  if (module_ == nullptr) {
    module_ = LoadLibraryExW(fileName_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module_ == nullptr) return nullptr;
  }
  return GetProcAddress(module_, name);
}
