#pragma once

#include <windows.h>

// A system library loaded when a call first needs it rather than when the program starts, so
// that opening a window costs only what that window draws with. Only the system folder is
// searched: the program's own folder is one its user can write to.
class OnDemandLibrary {
 public:
  // Constant-initialised, so a library object at namespace scope is ready before any code runs.
  constexpr explicit OnDemandLibrary(const wchar_t* fileName) : fileName_(fileName) {}
  ~OnDemandLibrary();
  OnDemandLibrary(const OnDemandLibrary&) = delete;
  OnDemandLibrary& operator=(const OnDemandLibrary&) = delete;

  // The exported function, typed as its declaration (decltype(GetOpenFileNameW)); nullptr when
  // the library or the function is missing, with the thread's last error saying which. A library
  // that failed to load is tried again at the next call.
  template <class Function>
  Function* Find(const char* name) {
    // Through the generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(FindAddress(name)));
  }

 private:
  FARPROC FindAddress(const char* name);

  const wchar_t* fileName_;
  HMODULE module_ = nullptr;
};
