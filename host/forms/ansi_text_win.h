#pragma once

#include <string>
#include <string_view>

// Text in the system's ANSI code page, as the A calls and profile files hold it, as wide text.
std::wstring DecodeAnsi(std::string_view bytes);
