#pragma once

#include <string>

// A fresh, uniquely named folder under the user's temporary folder, standing in for the folder
// a user installs the programs into. Programs are copied in from the folder of the running test
// executable, where the build puts them. The folder and everything in it are removed on
// destruction.
class ProgramFolder {
 public:
  ProgramFolder();
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  // False when the folder could not be made; path() is then empty.
  bool created() const { return !path_.empty(); }
  const std::wstring& path() const { return path_; }
  std::wstring PathOf(const std::wstring& fileName) const;

  // Copies fileName from beside the test executable. Returns the Win32 error, 0 on success.
  unsigned long Install(const std::wstring& fileName) const;

 private:
  std::wstring path_;
};

// The folder holding the running executable, without a trailing separator.
std::wstring ExecutableFolder();

// True when path names an existing folder.
bool FolderExists(const wchar_t* path);
