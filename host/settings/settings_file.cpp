#include "settings/settings_file.h"

#include <cmath>

#include "forms/number_text.h"
#include "host_paths.h"
#include "host_state.h"
#include "settings/profile_text.h"

namespace {

// The profile service is called with fields of this size; a field also holds the NUL.
constexpr std::size_t kWriteIniFieldChars = 128;
constexpr std::int32_t kWriteSucceeded = 1;
constexpr std::int32_t kWriteFailed = 0;

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view FitReadBuffer(std::string_view value, const AnsiCodePage& codePage) {
  value = UpToNul(value);
  std::size_t end = 0;
  while (end < value.size()) {
    const std::size_t width = codePage.IsLeadByte(value[end]) ? 2 : 1;
    if (end + width > kIniValueMaxBytes) break;
    end += width;
  }
  return value.substr(0, end);
}

// An empty value is the default 0; text that is not a number, or whose floor does not fit in 16
// bits, leaves the setting as it was.
void LoadIntegerSetting(const std::wstring& text, std::int16_t& setting) {
  if (text.empty()) {
    setting = 0;
    return;
  }
  const std::optional<double> number = ParseNumber(text);
  if (!number) return;
  if (const auto value = ToInteger16(std::floor(*number))) setting = *value;
}

// Only a value that reads as the number 0 keeps the modes; anything else, junk and a missing key
// included, switches, so a file from before the key existed keeps the switch.
std::int16_t ResolutionSwitchOf(const std::wstring& text) {
  const std::optional<double> number = ParseNumber(text);
  return number && *number == 0.0 ? kKeepDisplayModes : kSwitchDisplayMode;
}

}  // namespace

std::wstring ReadIni(const ProfileAccess& access, std::string_view section, std::string_view key,
                     const std::wstring& file) {
  const std::optional<std::string> content = access.files.ReadWholeFile(file);
  if (!content) return {};
  const std::optional<std::string> value =
      FindProfileValue(*content, UpToNul(section), UpToNul(key));
  if (!value) return {};
  return access.codePage.Decode(FitReadBuffer(*value, access.codePage));
}

void WriteIni(const ProfileAccess& access, std::string_view section, std::string_view key,
              std::wstring_view value, const std::wstring& file) {
  const IniValue one[] = {{key, std::wstring(value)}};
  WriteIniValues(access, section, one, file);
}

bool WriteIniValues(const ProfileAccess& access, std::string_view section,
                    std::span<const IniValue> values, const std::wstring& file) {
  const std::string_view sectionField = CutProfileName(section, kWriteIniFieldChars);
  const bool written = access.files.EditFile(file, [&](std::string_view current) {
    std::string edited(current);
    for (const IniValue& entry : values) {
      const std::wstring_view value = entry.value;
      edited = SetProfileValue(edited, sectionField, CutProfileName(entry.key, kWriteIniFieldChars),
                               access.codePage.Encode(value.substr(0, value.find(L'\0'))));
    }
    return edited;
  });
  LastApiResult = written ? kWriteSucceeded : kWriteFailed;
  return written;
}

bool FileExists(const FileStore& files, std::wstring_view path) {
  if (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
  // A NUL would end the name early and make the system open some other file.
  if (path.empty() || path.find(L'\0') != std::wstring_view::npos) return false;
  return files.CanOpenForReading(std::wstring(path));
}

void LoadSettings(const ProfileAccess& access, std::wstring_view programFolder) {
  const std::wstring file = SettingsFilePath(programFolder);
  LoadIntegerSetting(ReadIni(access, kSettingsSection, kKeyBgmKind, file), BgmKind);
  LoadIntegerSetting(ReadIni(access, kSettingsSection, kKeyBgmRepeat, file), BgmRepeat);
  // Read after the source, so that a file source whose file is gone becomes no music.
  BgmFile = ReadIni(access, kSettingsSection, kKeyBgmFile, file);
  if (!BgmFile.empty() && !FileExists(access.files, BgmFile)) BgmFile.clear();
  if (BgmFile.empty() && BgmKind == kBgmMusicFile) BgmKind = kBgmNone;
  BgmFolder = BgmFile.empty() ? std::wstring(programFolder) : FolderOf(BgmFile);
  ResolutionSwitch =
      ResolutionSwitchOf(ReadIni(access, kSettingsSection, kKeyResolutionSwitch, file));
}

StoredMusic ReadStoredMusic(const ProfileAccess& access, std::wstring_view programFolder) {
  const std::wstring file = SettingsFilePath(programFolder);
  StoredMusic stored;
  LoadIntegerSetting(ReadIni(access, kSettingsSection, kKeyBgmKind, file), stored.kind);
  stored.file = ReadIni(access, kSettingsSection, kKeyBgmFile, file);
  return stored;
}
