#pragma once

#include <cstdint>
#include <optional>

// Putting the preview form into the display settings' preview window, which belongs to another
// process. That process may be unaware of monitor resolutions while the host is aware of each
// monitor's, and the system does not reliably make a window the child of a window of another
// awareness: the form is made in the preview window's awareness, and the preview ends at once
// if the system did not take it as that window's child rather than leaving it on the desktop.

// A thread's or window's awareness of monitor resolutions, as the system names it; 0 is none.
using DpiAwareness = std::uintptr_t;

// The steps the set-up asks of the system.
class PreviewParentingSteps {
 public:
  virtual ~PreviewParentingSteps() = default;
  // The preview window's awareness; nullopt where the system cannot tell (the call is missing
  // before Windows 10, or it failed).
  virtual std::optional<DpiAwareness> PreviewWindowAwareness() = 0;
  // Sets the awareness the thread's new windows get and returns the one it had; nullopt where
  // it cannot be set.
  virtual std::optional<DpiAwareness> SetThreadAwareness(DpiAwareness awareness) = 0;
  // Makes the form and its controls, and makes the form a child of the preview window. False
  // when the form cannot be made.
  virtual bool MakeFormAsChild() = 0;
  // Whether the form's parent is now the preview window.
  virtual bool FormIsChildOfPreview() = 0;
  virtual void ShowForm() = 0;
};

enum class PreviewParenting { kShown, kEnded };

// The thread takes the preview window's awareness while the form is made and gets its own back
// after, so nothing else the process makes is affected. A form that is not the preview window's
// child is never shown: the caller ends the program.
PreviewParenting ParentPreview(PreviewParentingSteps& steps);
