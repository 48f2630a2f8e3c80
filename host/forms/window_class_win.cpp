#include "forms/window_class_win.h"

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  // Every control registers its class as it is made. Asking first, which the system answers
  // from the process's own table, spares the pointer's load and a refused registration for each
  // control after the first of its kind: the settings dialog makes twenty.
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}
