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

// The program and arguments the shell starts when a shortcut to target is opened, as the target
// file type's open command has it: a screen saver's is "%1" /S, which drops the shortcut's
// arguments; a program gets them as they are.
ShellLinkTarget AsShellOpens(const ShellLinkTarget& target);
