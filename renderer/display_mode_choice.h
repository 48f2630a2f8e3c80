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

// The requests a switch of the primary display makes, in order, until the system takes one.
enum class ModeRequest {
  kAsItIs,     // the renderer's size with the display's refresh rate, orientation and flags
  kSizeAlone,  // the renderer's size only; the driver picks the refresh rate
};

// The system's display settings as the switch asks them.
class DisplayModePort {
 public:
  virtual ~DisplayModePort() = default;
  // True when the system took the request for the primary display.
  virtual bool Request(ModeRequest request) = 0;
};

// What came of the choice once the system was asked.
struct DisplayModeOutcome {
  DisplayModeChoice modes;  // how the run lies over the monitors
  // Whether the end of the run gives back the display's stored mode: after any switch that was
  // asked for, taken or not, since a refused request may leave a change half made.
  bool restoreAtEnd;
  bool operator==(const DisplayModeOutcome&) const = default;
};

// A switch that the display refuses as it is and with the size alone leaves every monitor in its
// own mode, as a run that keeps them does, instead of ending the run: a display that lists no
// 1024 x 768 at its refresh rate or orientation refuses it at every start.
DisplayModeOutcome SwitchDisplayMode(DisplayModeChoice choice, DisplayModePort& port);
