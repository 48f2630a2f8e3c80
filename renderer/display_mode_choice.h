#pragma once

#include <string_view>

// What the renderer does with the display modes while it runs.
enum class DisplayModeChoice {
  kSwitchPrimary,     // the primary display goes to 1024 x 768 for the run
  kKeepEveryMonitor,  // every monitor is drawn at the mode it has
};

// The choice from the renderer's argument text (its command line after the program name). Only
// the keep-mode argument, as a word of its own in any case, keeps the modes; other words are
// ignored, so a renderer started with nothing or with arguments from a later host switches.
DisplayModeChoice ReadDisplayModeChoice(std::string_view argumentText);
