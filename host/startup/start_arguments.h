#pragma once

#include <cstdint>
#include <string_view>

// What the host's start-up does with the argument text that the system passes to a screensaver
// (the command-line text after the program name: "/s", "/c:1234", "/p 1234", or nothing).

enum class StartMode {
  kPreview,             // mode letter P: a still inside the given preview window
  kSettings,            // mode letter C: the settings dialog, modally
  kSaverHidingCursor,   // mode letter S: the full-screen run with the mouse cursor hidden
  kSaverKeepingCursor,  // no argument at all: the full-screen run with the cursor left visible
  kCheckThenEnd,        // anything else: the start-up checks, then the program ends
};

struct StartRequest {
  StartMode mode;
  std::int32_t previewHandle;  // the window to preview in; 0 unless mode is kPreview
};

// The second character of the argument text, upper-cased; 0 when the text is shorter. The first
// character (normally "/" or "-") is never looked at, so "xs" asks for the saver run too.
wchar_t ModeLetter(std::wstring_view argumentText);

// The number in the argument text from its fourth character on, as written (not upper-cased),
// rounded half to even to 32 bits; 0 when there is none or it does not fit. "/p 1234" and
// "/p:1234" give 1234, "/p1234" gives 234.
std::int32_t PreviewHandle(std::wstring_view argumentText);

StartRequest DecideStart(std::wstring_view argumentText);
