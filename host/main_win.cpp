// The screensaver host: Windows starts it to run the saver, show the settings or draw the preview.
#include <windows.h>

#include "forms/application_win.h"
#include "forms/form_win.h"
#include "startup/startup_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Main(ArgumentText());
  return RunForms();
}
