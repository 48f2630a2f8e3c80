#include "settings/settings_file.h"

#include <cmath>

#include "forms/number_text.h"
#include "host_paths.h"
#include "settings/profile_encoding.h"
#include "settings/profile_text.h"

namespace {

// The profile service is called with fields of this size; a field also holds the NUL.
constexpr std::size_t kWriteIniFieldChars = 128;

// The host's own keys as a UTF-16 file spells them: the characters their code page 932 bytes
// stand for, whatever the system's code page.
struct Utf16Name {
  std::string_view bytes;
  std::u16string_view characters;
};
constexpr Utf16Name kUtf16Names[] = {
    {kKeyBgmKind, u"BGM区分"},
    {kKeyBgmRepeat, u"BGMﾘﾋﾟｰﾄ"},
    {kKeyBgmFile, u"BGMﾌｧｲﾙ"},
    {kKeyResolutionSwitch, u"解像度切替"},
};

// Other names reach a UTF-16 file through the system's code page, as the profile service takes
// them.
std::u16string Utf16NameOf(std::string_view name, const AnsiCodePage& codePage) {
  for (const Utf16Name& known : kUtf16Names) {
    if (known.bytes == name) return std::u16string(known.characters);
  }
  return Utf16Of(codePage.Decode(name));
}

template <typename Char>
std::basic_string_view<Char> UpToNul(std::basic_string_view<Char> text) {
  return text.substr(0, text.find(Char{0}));
}

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

std::u16string_view FitReadBuffer(std::u16string_view value) {
  return CutUnits(UpToNul(value), kIniValueMaxBytes);
}

std::wstring ReadAnsiValue(const ProfileAccess& access, std::string_view content,
                           std::string_view section, std::string_view key) {
  const std::optional<std::string> value =
      FindProfileValue(content, UpToNul(section), UpToNul(key));
  if (!value) return {};
  return access.codePage.Decode(FitReadBuffer(*value, access.codePage));
}

std::wstring ReadUtf16Value(const ProfileAccess& access, std::string_view content,
                            ProfileEncoding encoding, std::string_view section,
                            std::string_view key) {
  const std::optional<std::u16string> value = FindProfileValue(
      Utf16TextOf(content, encoding), Utf16NameOf(UpToNul(section), access.codePage),
      Utf16NameOf(UpToNul(key), access.codePage));
  if (!value) return {};
  return WideOf(FitReadBuffer(*value));
}

std::wstring_view ValueUpToNul(const IniValue& entry) {
  return UpToNul(std::wstring_view(entry.value));
}

std::string SetAnsiValues(const ProfileAccess& access, std::string_view file,
                          std::string_view section, std::span<const IniValue> values) {
  std::string edited(file);
  for (const IniValue& entry : values) {
    edited = SetProfileValue(edited, section, CutProfileName(entry.key, kWriteIniFieldChars),
                             access.codePage.Encode(ValueUpToNul(entry)));
  }
  return edited;
}

std::u16string SetUtf16Values(const ProfileAccess& access, std::u16string_view file,
                              std::string_view section, std::span<const IniValue> values) {
  std::u16string edited(file);
  const std::u16string sectionName = Utf16NameOf(section, access.codePage);
  for (const IniValue& entry : values) {
    edited = SetProfileValue(
        edited, sectionName,
        Utf16NameOf(CutProfileName(entry.key, kWriteIniFieldChars), access.codePage),
        Utf16Of(ValueUpToNul(entry)));
  }
  return edited;
}

// An empty value, text that is not a number and a number whose floor does not fit in 16 bits
// all give the default 0.
std::int16_t IntegerSetting(const std::wstring& text) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return 0;
  return ToInteger16(std::floor(*number)).value_or(0);
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
  const ProfileEncoding encoding = EncodingOf(*content);
  if (encoding == ProfileEncoding::kAnsi) return ReadAnsiValue(access, *content, section, key);
  return ReadUtf16Value(access, *content, encoding, section, key);
}

bool WriteIni(const ProfileAccess& access, std::string_view section, std::string_view key,
              std::wstring_view value, const std::wstring& file) {
  const IniValue one[] = {{key, std::wstring(value)}};
  return WriteIniValues(access, section, one, file);
}

bool WriteIniValues(const ProfileAccess& access, std::string_view section,
                    std::span<const IniValue> values, const std::wstring& file) {
  const std::string_view sectionField = CutProfileName(section, kWriteIniFieldChars);
  return access.files.EditFile(file, [&](std::string_view current) {
    const ProfileEncoding encoding = EncodingOf(current);
    if (encoding == ProfileEncoding::kAnsi) {
      return SetAnsiValues(access, current, sectionField, values);
    }
    return EditUtf16File(current, encoding, [&](std::u16string_view text) {
      return SetUtf16Values(access, text, sectionField, values);
    });
  });
}

bool FileExists(const FileStore& files, std::wstring_view path) {
  if (!path.empty() && path.back() == L'\\') path.remove_suffix(1);
  // A NUL would end the name early and make the system open some other file.
  if (path.empty() || path.find(L'\0') != std::wstring_view::npos) return false;
  return files.CanOpenForReading(std::wstring(path));
}

HostSettings LoadSettings(const ProfileAccess& access, std::wstring_view programFolder) {
  const std::wstring file = SettingsFilePath(programFolder);
  HostSettings settings;
  settings.BgmKind = IntegerSetting(ReadIni(access, kSettingsSection, kKeyBgmKind, file));
  settings.BgmRepeat = IntegerSetting(ReadIni(access, kSettingsSection, kKeyBgmRepeat, file));
  // Read after the source, so that a file source whose file is gone becomes no music.
  settings.BgmFile = ReadIni(access, kSettingsSection, kKeyBgmFile, file);
  if (!settings.BgmFile.empty() && !FileExists(access.files, settings.BgmFile)) {
    settings.BgmFile.clear();
  }
  if (settings.BgmFile.empty() && settings.BgmKind == kBgmMusicFile) settings.BgmKind = kBgmNone;
  settings.BgmFolder =
      settings.BgmFile.empty() ? std::wstring(programFolder) : FolderOf(settings.BgmFile);
  settings.ResolutionSwitch =
      ResolutionSwitchOf(ReadIni(access, kSettingsSection, kKeyResolutionSwitch, file));
  return settings;
}

StoredMusic ReadStoredMusic(const ProfileAccess& access, std::wstring_view programFolder) {
  const std::wstring file = SettingsFilePath(programFolder);
  return {IntegerSetting(ReadIni(access, kSettingsSection, kKeyBgmKind, file)),
          ReadIni(access, kSettingsSection, kKeyBgmFile, file)};
}
