#include "argument_text.h"

std::wstring ArgumentTextOf(const std::wstring& commandLine) {
  size_t position = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    // A quoted name ends at its closing quote, even with no blank after it.
    const size_t closing = commandLine.find(L'"', 1);
    position = closing == std::wstring::npos ? commandLine.size() : closing + 1;
  } else {
    while (position < commandLine.size() && commandLine[position] != L' ' &&
           commandLine[position] != L'\t') {
      ++position;
    }
  }
  while (position < commandLine.size() &&
         (commandLine[position] == L' ' || commandLine[position] == L'\t')) {
    ++position;
  }
  return commandLine.substr(position);
}
