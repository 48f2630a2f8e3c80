#include "forms/program_folder.h"

#include "forms/text_rules.h"

std::wstring ProgramFolderOf(std::wstring_view programPath) {
  const std::size_t lastBackslash = programPath.find_last_of(L'\\');
  if (lastBackslash == std::wstring_view::npos) return {};
  std::wstring folder = FirstChars(programPath, lastBackslash);
  if (!folder.empty() && folder.back() == L':') folder.push_back(L'\\');
  return folder;
}
