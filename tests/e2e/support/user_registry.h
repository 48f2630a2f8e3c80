#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Values under HKEY_CURRENT_USER, where a per-user setup keeps everything it writes. Reads give
// nothing when the key or value is missing or of another type.
std::optional<std::wstring> ReadUserString(const wchar_t* key, const wchar_t* name);
std::optional<DWORD> ReadUserDword(const wchar_t* key, const wchar_t* name);
bool UserKeyExists(const wchar_t* key);
// Writes a REG_SZ value, or removes the value when value is nothing. False on failure.
bool SetUserString(const wchar_t* key, const wchar_t* name,
                   const std::optional<std::wstring>& value);

// Puts one value back as it was at construction, or removes it if it was missing, so a test
// that changes the user's settings leaves them as it found them.
class SavedUserString {
 public:
  SavedUserString(const wchar_t* key, const wchar_t* name)
      : key_(key), name_(name), saved_(ReadUserString(key, name)) {}
  ~SavedUserString() { SetUserString(key_, name_, saved_); }
  SavedUserString(const SavedUserString&) = delete;
  SavedUserString& operator=(const SavedUserString&) = delete;

 private:
  const wchar_t* key_;
  const wchar_t* name_;
  std::optional<std::wstring> saved_;
};
