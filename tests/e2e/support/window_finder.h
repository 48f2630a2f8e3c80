#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

// Top-level windows looked up the way another program finds them, by class and title through
// FindWindow. A class or title of nullptr matches any. A processId of 0 matches windows of any
// process; otherwise only that process's windows count, so a stray window of another program
// cannot stand in for the one under test.
HWND FindTopLevelWindow(const wchar_t* className, const wchar_t* title, DWORD processId);

// Polls until such a window exists; nullptr if none appeared in time.
HWND WaitForTopLevelWindow(const wchar_t* className, const wchar_t* title, DWORD processId,
                           std::chrono::milliseconds timeout);

// Polls until no such window exists; false if one was still there when time ran out.
bool WaitForNoTopLevelWindow(const wchar_t* className, const wchar_t* title, DWORD processId,
                             std::chrono::milliseconds timeout);

// A window's text, another process's control included: WM_GETTEXT itself, as GetWindowText reads
// only a caption there. Empty for nullptr.
std::wstring TextOf(HWND window);

// The first child of parent, at any depth, that match accepts; nullptr when none does.
HWND FindChild(HWND parent, const std::function<bool(HWND child)>& match);
