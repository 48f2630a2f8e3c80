#pragma once

#include <string>
#include <vector>

// The argument text of a command line: what follows the program name and the blanks after it.
// The program name may be quoted, and a quoted name may hold blanks. An unquoted name may hold
// blanks too, as Windows sometimes starts a saver; it is recognised when it is one of the
// program's own paths (compared without regard to case), otherwise it ends at the first blank.
std::wstring ArgumentTextOf(const std::wstring& commandLine,
                            const std::vector<std::wstring>& programPaths = {});
