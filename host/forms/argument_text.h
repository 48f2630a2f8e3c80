#pragma once

#include <string>

// The argument text of a command line: what follows the program name and the blanks after it.
// The program name may be quoted, and a quoted name may hold blanks.
std::wstring ArgumentTextOf(const std::wstring& commandLine);
