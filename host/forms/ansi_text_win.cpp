#include "forms/ansi_text_win.h"

#include <windows.h>

namespace {

// The bytes WideCharToMultiByte makes of the text with the given flags; empty when it fails.
// lossy, when given, tells whether a character had to be replaced.
std::string Convert(std::wstring_view text, DWORD flags, BOOL* lossy) {
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_ACP, flags, text.data(), size, nullptr, 0, nullptr, lossy);
  if (length <= 0) return {};
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring DecodeAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::optional<std::string> EncodeAnsi(std::wstring_view text) {
  if (text.empty()) return std::string();
  // NOTE: the UTF-8 code page takes neither the flag nor the report, and holds every character.
  const bool utf8 = GetACP() == CP_UTF8;
  BOOL lossy = FALSE;
  std::string bytes = Convert(text, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, utf8 ? nullptr : &lossy);
  if (bytes.empty() || lossy) return std::nullopt;
  return bytes;
}

std::string EncodeAnsiLossy(std::wstring_view text) {
  if (text.empty()) return {};
  return Convert(text, 0, nullptr);
}
