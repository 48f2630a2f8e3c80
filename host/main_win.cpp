// The screensaver host: Windows starts it to run the saver, show the settings or draw the preview.
#include <windows.h>

#include "application.h"
#include "form.h"
#include "startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Main(ArgumentText());
  return RunForms();
}
