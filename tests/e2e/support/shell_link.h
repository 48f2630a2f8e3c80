#pragma once

#include <optional>
#include <string>

// What a shortcut (.lnk) file starts.
struct ShellLinkTarget {
  std::wstring path;
  std::wstring arguments;
};

// Nothing when linkFile is not a shortcut the shell can read.
std::optional<ShellLinkTarget> ReadShellLink(const std::wstring& linkFile);
