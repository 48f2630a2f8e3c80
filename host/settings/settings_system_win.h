#pragma once

#include <string>
#include <string_view>

#include "settings/settings_file.h"

// The settings file and file test over the real system (Windows only): files through the wide
// calls, so any folder name works, and values in the system's ANSI code page.

FileStore& SystemFileStore();
const AnsiCodePage& SystemCodePage();
ProfileAccess SystemProfileAccess();

// The settings file beside the running host.
std::wstring SettingsFilePath();

std::wstring ReadIni(std::string_view section, std::string_view key, const std::wstring& file);
// False when the file could not be written.
bool WriteIni(std::string_view section, std::string_view key, std::wstring_view value,
              const std::wstring& file);
// All the values in one edit of the file; false, with nothing stored, when it cannot be written.
bool WriteIniValues(std::string_view section, std::span<const IniValue> values,
                    const std::wstring& file);
bool FileExists(std::wstring_view path);
// The settings in the settings file beside the running host.
HostSettings LoadSettings();
// The music source and file as the settings file beside the running host holds them.
StoredMusic ReadStoredMusic();
