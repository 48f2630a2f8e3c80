#include "startup/startup_win.h"

#include <windows.h>

#include <cstdint>

#include "forms/application_win.h"
#include "forms/statements_win.h"
#include "host_paths.h"
#include "host_state.h"
#include "preview/preview_form_win.h"
#include "saver/saver_form_win.h"
#include "settings/settings_system_win.h"
#include "settings_dialog/settings_dialog_win.h"
#include "shared_names.h"
#include "startup/start_arguments.h"

namespace {

bool AnotherCopyIsOpen() {
  return FindWindowW(nullptr, kSaverCaption) != nullptr ||
         FindWindowW(nullptr, kSettingsCaption) != nullptr;
}

HWND WindowOfHandle(std::int32_t handle) {
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

}  // namespace

void Main(const std::wstring& argumentText) {
  if (AnotherCopyIsOpen()) EndProgram();
  const StartRequest request = DecideStart(argumentText);
  if (request.mode == StartMode::kPreview) {
    if (!ShowPreview(WindowOfHandle(request.previewHandle))) EndProgram();
    return;
  }
  CreateFolder(kWorkingFolderW.data());
  const HostSettings settings = LoadSettings();
  if (!FileExists(ProgramFolder() + kRendererFileName)) {
    ShowMessage(kMissingRendererText);
    EndProgram();
  }
  if (request.mode == StartMode::kSettings) {
    ShowSettingsDialog(settings);
    EndProgram();
  }
  if (request.mode == StartMode::kCheckThenEnd) EndProgram();
  const RunCursor cursor =
      request.mode == StartMode::kSaverHidingCursor ? RunCursor::kHidden : RunCursor::kShown;
  if (cursor == RunCursor::kHidden) ShowCursor(FALSE);
  LoadSaverForm(cursor, settings);
}
