#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host_state.h"

// The host's settings file: a profile file beside the host that holds the three music settings,
// and the routines that read and write its values. The file's values are text in the system's
// ANSI code page, as the profile service stores them; its key names are code page 932 bytes
// whatever that code page is, so a file moves unchanged between systems. A file saved as UTF-16,
// with its mark, is read and written as UTF-16 instead: there the key names are the characters
// those bytes stand for, and values keep every character.

inline constexpr char kSettingsSection[] = "Section";
inline constexpr char kKeyBgmKind[] = "BGM\x8B\xE6\x95\xAA";        // "BGM区分"
inline constexpr char kKeyBgmRepeat[] = "BGM\xD8\xCB\xDF\xB0\xC4";  // "BGMﾘﾋﾟｰﾄ"
inline constexpr char kKeyBgmFile[] = "BGM\xCC\xA7\xB2\xD9";        // "BGMﾌｧｲﾙ"
inline constexpr char kKeyResolutionSwitch[] =
    "\x89\xF0\x91\x9C\x93\x78\x90\xD8\x91\xD6";  // "解像度切替"

// The most bytes (UTF-16 units in a UTF-16 file) of a value ReadIni gives back, as the profile
// service with a 256-character buffer.
inline constexpr std::size_t kIniValueMaxBytes = 255;

// Returns the new content of a file given its current content (empty for a new file).
using FileEdit = std::function<std::string(std::string_view current)>;

// The file services of the system that the host's files need.
class FileStore {
 public:
  // The whole content of the file; nullopt when it cannot be read, a missing file included.
  virtual std::optional<std::string> ReadWholeFile(const std::wstring& path) const = 0;
  // Replaces the content of the file, which is created when missing, by edit's result, whole or
  // not at all. False, with the file as it was, when it cannot be created, read or written.
  virtual bool EditFile(const std::wstring& path, const FileEdit& edit) = 0;
  // True when path names a file (not a folder) that can be opened for reading now.
  virtual bool CanOpenForReading(const std::wstring& path) const = 0;

 protected:
  ~FileStore() = default;
};

// The system's ANSI code page.
class AnsiCodePage {
 public:
  virtual std::wstring Decode(std::string_view bytes) const = 0;
  // Characters the code page lacks become its replacement character.
  virtual std::string Encode(std::wstring_view text) const = 0;
  // True when byte starts a double-byte character.
  virtual bool IsLeadByte(char byte) const = 0;

 protected:
  ~AnsiCodePage() = default;
};

// What reading and writing profile files needs of the system.
struct ProfileAccess {
  FileStore& files;
  const AnsiCodePage& codePage;
};

// The value under key in section of file, or the empty text. Like the system profile service
// with a 256-character buffer, at most 255 bytes of value come back, cut before a double-byte
// character that would not fit; from a UTF-16 file at most 255 units, cut before a surrogate pair
// that would not fit.
std::wstring ReadIni(const ProfileAccess& access, std::string_view section, std::string_view key,
                     const std::wstring& file);

// Stores value under key in section of file, creating the file and section when needed, in the
// file's own encoding. Section and key are cut to 128 characters. False when the file could not
// be written.
bool WriteIni(const ProfileAccess& access, std::string_view section, std::string_view key,
              std::wstring_view value, const std::wstring& file);

struct IniValue {
  std::string_view key;
  std::wstring value;
};
// Stores every value as WriteIni does, in the order given, in one edit of the file: either all
// of them are stored or, when the file cannot be written, none. True when they were stored.
bool WriteIniValues(const ProfileAccess& access, std::string_view section,
                    std::span<const IniValue> values, const std::wstring& file);

// True when path, without one trailing backslash, names a file that can be opened for reading;
// false for missing files, folders and the empty path.
bool FileExists(const FileStore& files, std::wstring_view path);

// The settings in the settings file beside the host in programFolder. A missing value, or a music
// value that is not a number, gives its default; a music file that cannot be opened is dropped,
// and a file source without its file becomes no music. ResolutionSwitch is 0 only for a value of
// 0, and 1 for anything else.
HostSettings LoadSettings(const ProfileAccess& access, std::wstring_view programFolder);

// The music source and file as the settings file beside the host holds them, read by
// LoadSettings' rules but without its test that the file can be opened now.
struct StoredMusic {
  std::int16_t kind = 0;
  std::wstring file;
};
StoredMusic ReadStoredMusic(const ProfileAccess& access, std::wstring_view programFolder);
