#include "host_paths.h"

#include "forms/text_rules.h"

std::wstring FolderOf(std::wstring_view path) {
  const std::size_t lastSeparator = path.find_last_of(L":\\");
  if (lastSeparator == std::wstring_view::npos) return {};
  std::wstring folder = FirstChars(path, lastSeparator + 1);
  if (folder.back() == L'\\') folder.pop_back();
  return folder;
}

std::wstring SettingsFilePath(std::wstring_view programFolder) {
  return std::wstring(programFolder) + kSettingsFileName;
}
