#pragma once

#include <string>
#include <string_view>

// The folder of a program given its full path, without a trailing backslash except at a drive
// root ("C:\"), as the program folder is reported.
std::wstring ProgramFolderOf(std::wstring_view programPath);
