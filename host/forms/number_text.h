#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The forms runtime's number rules: reading numbers out of text, converting floating values to
// integers, and the two ways the host turns integers into text.

// The number at the start of text: leading blanks (space, tab, CR, LF) are skipped, and reading
// stops at the first character that cannot continue a decimal number ([sign] digits [. digits]
// [E [sign] digits]) or, after "&H", a run of hexadecimal digits. 0 when no digit is read;
// infinite when the number is too large for a double.
double ReadLeadingNumber(std::wstring_view text);

// The value of a text that is a number as a whole, blanks around it allowed (the same forms as
// ReadLeadingNumber); nullopt for anything else, the empty text and too-large numbers included.
std::optional<double> ParseNumber(std::wstring_view text);

// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// The value rounded half to even; nullopt when it is not finite or does not fit.
std::optional<std::int16_t> ToInteger16(double value);
std::optional<std::int32_t> ToInteger32(double value);

// The "##" pattern: decimal digits with a minus sign when negative, and the empty text for 0.
std::wstring FormatDigitsOrEmpty(std::int32_t value);

// Decimal text with a position kept for the sign: " 2", " 0", "-3".
std::wstring SignedDecimal(std::int32_t value);
