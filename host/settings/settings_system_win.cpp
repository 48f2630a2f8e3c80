#include "settings/settings_system_win.h"

#include "forms/application_win.h"
#include "host_paths.h"

std::wstring SettingsFilePath() { return SettingsFilePath(ProgramFolder()); }

std::wstring ReadIni(std::string_view section, std::string_view key, const std::wstring& file) {
  return ReadIni(SystemProfileAccess(), section, key, file);
}

bool WriteIni(std::string_view section, std::string_view key, std::wstring_view value,
              const std::wstring& file) {
  return WriteIni(SystemProfileAccess(), section, key, value, file);
}

bool WriteIniValues(std::string_view section, std::span<const IniValue> values,
                    const std::wstring& file) {
  return WriteIniValues(SystemProfileAccess(), section, values, file);
}

bool FileExists(std::wstring_view path) { return FileExists(SystemFileStore(), path); }

HostSettings LoadSettings() { return LoadSettings(SystemProfileAccess(), ProgramFolder()); }

StoredMusic ReadStoredMusic() { return ReadStoredMusic(SystemProfileAccess(), ProgramFolder()); }
