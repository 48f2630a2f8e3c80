// The screensaver host: Windows starts it to run the saver, show the settings or draw the preview.
#include <windows.h>

#include "application_win.h"
#include "form_win.h"
#include "startup_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Main(ArgumentText());
  return RunForms();
}
