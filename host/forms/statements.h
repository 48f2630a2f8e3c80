#pragma once

#include <string>

// The host's plain statements. Each reports failure only as a false result: the host's
// procedures run on whatever the previous statement did.
bool CreateFolder(const std::wstring& path);
// Starts the file as a new process, shown normally and activated, judged by its contents and not
// its extension; does not wait for it.
bool StartProgram(const std::wstring& path);
// A message box with an OK button only and no icon, captioned with the application title.
void ShowMessage(const std::wstring& text);
// Ends the program at once: no further handler runs.
[[noreturn]] void EndProgram();
