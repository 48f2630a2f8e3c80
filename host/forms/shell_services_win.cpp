#include "forms/shell_services_win.h"

#include <shellapi.h>

#include "forms/on_demand_library_win.h"

namespace {

// ShellExecute reports success as a value above 32, an old module-handle convention.
constexpr INT_PTR kShellExecuteSuccessAbove = 32;

OnDemandLibrary commonDialogs(L"comdlg32.dll");
OnDemandLibrary shell(L"shell32.dll");

}  // namespace

bool ShowOpenFileChooser(OPENFILENAMEW& request) {
  auto* show = commonDialogs.Find<decltype(GetOpenFileNameW)>("GetOpenFileNameW");
  return show != nullptr && show(&request) != FALSE;
}

bool OpenWithShell(HWND owner, const wchar_t* target) {
  auto* execute = shell.Find<decltype(ShellExecuteW)>("ShellExecuteW");
  return execute != nullptr &&
         reinterpret_cast<INT_PTR>(execute(owner, L"open", target, L"", L"", SW_SHOWNORMAL)) >
             kShellExecuteSuccessAbove;
}
