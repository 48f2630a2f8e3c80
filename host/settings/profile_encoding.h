#pragma once

#include <functional>
#include <string>
#include <string_view>

// How a profile file holds its text. As the system's profile service does, a file that begins
// with a UTF-16 mark is UTF-16 in the order the mark gives, and every other file is bytes in the
// system's ANSI code page.
enum class ProfileEncoding { kAnsi, kUtf16LittleEndian, kUtf16BigEndian };

ProfileEncoding EncodingOf(std::string_view file);

// The UTF-16 text after the mark of a file in one of the UTF-16 encodings.
std::u16string Utf16TextOf(std::string_view file, ProfileEncoding encoding);

using Utf16Edit = std::function<std::u16string(std::u16string_view text)>;
// The file, in one of the UTF-16 encodings, with its text replaced by edit's result and written
// in the same encoding after the same mark. A last odd byte, half a unit, stays the last byte.
std::string EditUtf16File(std::string_view file, ProfileEncoding encoding, const Utf16Edit& edit);

// At most maxUnits units of text, cut before a surrogate pair that would not fit whole.
std::u16string_view CutUnits(std::u16string_view text, std::size_t maxUnits);

// Wide text and UTF-16 units, whatever the width of wchar_t.
std::u16string Utf16Of(std::wstring_view text);
std::wstring WideOf(std::u16string_view units);
