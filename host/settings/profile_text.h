#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The text of a profile (INI) file, read and edited with the system profile service's rules:
// "[section]" lines, then "key=value" lines; names match whatever the case of their letters; a
// value loses the blanks around it and one pair of enclosing quotes when read. A file is either
// bytes, whose names are code page 932 byte strings, so the second byte of a double-byte
// character is never taken for a letter, or UTF-16 units, as a file with a UTF-16 mark holds.

// The value stored under key in the first section named section; nullopt when either is missing.
std::optional<std::string> FindProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key);
std::optional<std::u16string> FindProfileValue(std::u16string_view file,
                                               std::u16string_view section,
                                               std::u16string_view key);

// The file with key set to value, which is stored exactly as given (a leading blank included).
// Only the key's own line changes; a new key goes after the last entry of its section, a new
// section at the end of the file. Every other byte is kept.
std::string SetProfileValue(std::string_view file, std::string_view section, std::string_view key,
                            std::string_view value);
std::u16string SetProfileValue(std::u16string_view file, std::u16string_view section,
                               std::u16string_view key, std::u16string_view value);

// The name up to its first NUL and at most maxCharacters code page 932 characters long.
std::string_view CutProfileName(std::string_view name, std::size_t maxCharacters);
