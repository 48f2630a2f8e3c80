// Cost of one change of the push button's look: the face recomposed and shown on a real child
// window, as a size change makes it, averaged over many faces. Run it under Wine on an otherwise
// quiet machine: the figure is wall-clock time.
//
//   button_face_bench [--faces N]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "controls/command_button_win.h"
#include "forms/form_win.h"

int main(int argc, char** argv) {
  int faces = 1000;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--faces") == 0) faces = std::max(1, std::atoi(argv[i + 1]));
  }
  Form form(L"Button form", WS_POPUP);
  if (!form.Load()) return 1;
  form.Move(100, 100, 220, 80);
  form.Show();
  PropertyBag layout;
  layout.Write(L"caption", std::wstring(L"設定"));
  // The dialog's 81 x 25 buttons.
  auto button = std::make_unique<CommandButton>([] {});
  if (!button->Create(form.window(), {10, 10, 91, 35}, layout)) return 1;
  button->control().Initialize();

  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < faces; ++i) button->control().SizeChanged({81, 25});
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  std::printf("one face recomposed and shown: %.3f ms (mean of %d)\n", spent.count() / faces,
              faces);
  button.reset();
  form.Unload();
  return 0;
}
