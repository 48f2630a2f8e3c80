#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The forms runtime's text rules. Text is wide text, as the system's wide calls take it; positions
// and lengths count its code units and are 1-based where the runtime's are.

// Upper case of the ASCII letters, the Latin-1 letters and the full-width Latin letters; every
// other character is kept. The host only upper-cases to compare with ASCII letters.
std::wstring UpperCase(std::wstring_view text);

// The first `count` characters, or the whole text when it is shorter.
std::wstring FirstChars(std::wstring_view text, std::size_t count);

// The last `count` characters, or the whole text when it is shorter.
std::wstring LastChars(std::wstring_view text, std::size_t count);

// Up to `count` characters from the 1-based position `start` (a start of 0 counts as 1); empty
// when start lies beyond the end.
std::wstring MiddleChars(std::wstring_view text, std::size_t start,
                         std::size_t count = std::wstring_view::npos);

// 1-based position of the first occurrence of `part` at or after `start`; 0 when there is none.
// An empty part is found at start when start lies within the text (or just past its end).
std::size_t FindText(std::wstring_view text, std::wstring_view part, std::size_t start = 1);
