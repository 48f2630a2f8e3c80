#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Text in code page 932, as the settings file's key names are written, in wide characters.
inline std::wstring FromCodePage932(std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  text.resize(MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                  static_cast<int>(text.size())));
  return text;
}

// A file as a text editor saves it in "Unicode": the text's UTF-16 units after the mark of
// their byte order.
inline std::string UnicodeFileOf(std::wstring_view text, bool bigEndian = false) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const wchar_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}
