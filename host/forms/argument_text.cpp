#include "forms/argument_text.h"

#include <algorithm>
#include <cwctype>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool SameLetters(wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); }

// The length of the path when the command line starts with it, as a whole word.
size_t LeadingPathLength(const std::wstring& commandLine, const std::wstring& path) {
  if (path.empty() || commandLine.size() < path.size()) return 0;
  if (!std::equal(path.begin(), path.end(), commandLine.begin(), SameLetters)) return 0;
  if (commandLine.size() > path.size() && !IsBlank(commandLine[path.size()])) return 0;
  return path.size();
}

size_t ProgramNameLength(const std::wstring& commandLine,
                         const std::vector<std::wstring>& programPaths) {
  if (!commandLine.empty() && commandLine[0] == L'"') {
    // A quoted name ends at its closing quote, even with no blank after it.
    const size_t closing = commandLine.find(L'"', 1);
    return closing == std::wstring::npos ? commandLine.size() : closing + 1;
  }
  for (const std::wstring& path : programPaths) {
    if (const size_t length = LeadingPathLength(commandLine, path)) return length;
  }
  size_t position = 0;
  while (position < commandLine.size() && !IsBlank(commandLine[position])) ++position;
  return position;
}

}  // namespace

std::wstring ArgumentTextOf(const std::wstring& commandLine,
                            const std::vector<std::wstring>& programPaths) {
  size_t position = ProgramNameLength(commandLine, programPaths);
  while (position < commandLine.size() && IsBlank(commandLine[position])) ++position;
  return commandLine.substr(position);
}
