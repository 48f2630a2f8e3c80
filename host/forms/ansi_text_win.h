#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text in the system's ANSI code page, as the A calls and profile files hold it, as wide text.
std::wstring DecodeAnsi(std::string_view bytes);

// The text in the ANSI code page, or nullopt when the code page lacks one of its characters.
// Best-fit mapping is refused: it would quietly turn a file name into another one.
std::optional<std::string> EncodeAnsi(std::wstring_view text);

// The text in the ANSI code page, a character it lacks replaced as the system sees fit (best fit
// or "?"), as the profile service stores text.
std::string EncodeAnsiLossy(std::wstring_view text);
