#include "shell_link.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace {

// Releases a COM interface pointer when it goes out of scope.
template <class Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  Interface* operator->() const { return pointer_; }
  void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace

std::optional<ShellLinkTarget> ReadShellLink(const std::wstring& linkFile) {
  const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<ShellLinkTarget> target;
  {
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    wchar_t path[MAX_PATH] = {};
    wchar_t arguments[MAX_PATH] = {};
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   link.OutVoid())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) &&
        SUCCEEDED(file->Load(linkFile.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
        SUCCEEDED(link->GetArguments(arguments, MAX_PATH))) {
      target = ShellLinkTarget{path, arguments};
    }
  }
  if (SUCCEEDED(initialised)) CoUninitialize();
  return target;
}

ShellLinkTarget AsShellOpens(const ShellLinkTarget& target) {
  const std::size_t dot = target.path.rfind(L'.');
  const bool screenSaver =
      dot != std::wstring::npos &&
      CompareStringOrdinal(target.path.c_str() + dot, -1, L".scr", -1, TRUE) == CSTR_EQUAL;
  return screenSaver ? ShellLinkTarget{target.path, L"/S"} : target;
}
