#include "display_mode_choice.h"

#include <algorithm>
#include <cctype>

#include "shared_names.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

DisplayModeChoice ReadDisplayModeChoice(std::string_view argumentText) {
  std::size_t at = 0;
  while (at < argumentText.size()) {
    while (at < argumentText.size() && IsBlank(argumentText[at])) ++at;
    std::size_t end = at;
    while (end < argumentText.size() && !IsBlank(argumentText[end])) ++end;
    if (SameIgnoringCase(argumentText.substr(at, end - at), kKeepDisplayModeArgument)) {
      return DisplayModeChoice::kKeepEveryMonitor;
    }
    at = end;
  }
  return DisplayModeChoice::kSwitchPrimary;
}

DisplayModeOutcome SwitchDisplayMode(DisplayModeChoice choice, DisplayModePort& port) {
  if (choice == DisplayModeChoice::kKeepEveryMonitor) return {choice, false};
  for (const ModeRequest request : {ModeRequest::kAsItIs, ModeRequest::kSizeAlone}) {
    if (port.Request(request)) return {DisplayModeChoice::kSwitchPrimary, true};
  }
  return {DisplayModeChoice::kKeepEveryMonitor, true};
}
