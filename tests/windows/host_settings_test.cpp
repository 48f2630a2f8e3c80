// The settings file and the file test over the real system. CTest runs every case under a
// Japanese and a Western system code page: the file's bytes must be the same under both.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "host_paths.h"
#include "host_state.h"
#include "scoped_handle_win.h"
#include "settings/settings_system_win.h"
#include "unicode_file.h"

namespace {

namespace fs = std::filesystem;

const std::string kKind = kKeyBgmKind;
const std::string kRepeat = kKeyBgmRepeat;
const std::string kFile = kKeyBgmFile;
// What the program folder holds after a write, whether it succeeded or failed.
const std::vector<std::wstring> kOnlyTheSettingsFile = {&kSettingsFileName[1]};

std::string ReadBytes(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::wstring& path, const std::string& content) {
  std::ofstream(fs::path(path), std::ios::binary) << content;
}

std::string AnsiOf(const std::wstring& text) {
  std::string bytes(text.size() * 2 + 1, '\0');
  bytes.resize(WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes.data(),
                                   static_cast<int>(bytes.size()), nullptr, nullptr) -
               1);
  return bytes;
}

std::wstring TextOf(const std::string& bytes) {
  std::wstring text(bytes.size() + 1, L'\0');
  text.resize(MultiByteToWideChar(CP_ACP, 0, bytes.c_str(), -1, text.data(),
                                  static_cast<int>(text.size())) -
              1);
  return text;
}

// The names in folder, in the order the system lists them.
std::vector<std::wstring> NamesIn(const fs::path& folder) {
  std::vector<std::wstring> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().wstring());
  }
  return names;
}

class HostSettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("host-settings-" + std::to_string(GetCurrentProcessId()));
    // Japanese, a Latin letter with diaeresis and Cyrillic: no code page holds all three.
    programFolder_ = (root_ / L"\u6c37\u82b1\u706f \u00fc \u0414\u043e\u043c").wstring();
    musicFolder_ = (root_ / L"music").wstring();
    ASSERT_TRUE(fs::create_directories(programFolder_));
    ASSERT_TRUE(fs::create_directories(musicFolder_));
    settingsPath_ = programFolder_ + kSettingsFileName;
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  std::wstring programFolder_;
  std::wstring musicFolder_;
  std::wstring settingsPath_;
};

}  // namespace

// A locale that was not generated would quietly give the Western code page twice.
TEST_F(HostSettingsFile, RunsUnderTheCodePageOfItsLocale) {
  const char* lang = std::getenv("LANG");
  ASSERT_NE(lang, nullptr);
  EXPECT_EQ(GetACP(), std::string(lang).rfind("ja_JP", 0) == 0 ? 932u : 1252u) << lang;
}

TEST_F(HostSettingsFile, WritesCodePage932KeysAndSignedValuesAndReadsThemBack) {
  EXPECT_TRUE(WriteIni(kSettingsSection, kKind, L" 2", settingsPath_));
  WriteIni(kSettingsSection, kRepeat, L"-3", settingsPath_);
  WriteIni(kSettingsSection, kFile, L"C:\\Music\\snow.mp3", settingsPath_);
  WriteIni(kSettingsSection, kKind, L" 0", settingsPath_);
  EXPECT_EQ(ReadBytes(settingsPath_),
            "[Section]\r\nBGM\x8B\xE6\x95\xAA= 0\r\nBGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\Music\\snow.mp3\r\n");
  EXPECT_EQ(NamesIn(programFolder_), kOnlyTheSettingsFile);
  EXPECT_EQ(ReadIni(kSettingsSection, kKind, settingsPath_), L"0");
  EXPECT_EQ(ReadIni(kSettingsSection, kRepeat, settingsPath_), L"-3");
  EXPECT_EQ(ReadIni(kSettingsSection, kFile, settingsPath_), L"C:\\Music\\snow.mp3");
}

TEST_F(HostSettingsFile, LoadsFromAProgramFolderOutsideTheCodePage) {
  const std::wstring music = musicFolder_ + L"\\snow.mp3";
  WriteBytes(music, "ID3");
  WriteBytes(settingsPath_, "[Section]\r\n" + kKind + "= 2\r\n" + kRepeat + "= 5\r\n" + kFile +
                                "=" + AnsiOf(music) + "\r\n");
  const HostSettings loaded = LoadSettings(SystemProfileAccess(), programFolder_);
  EXPECT_EQ(loaded.BgmKind, 2);
  EXPECT_EQ(loaded.BgmRepeat, 5);
  EXPECT_EQ(loaded.BgmFile, music);
  EXPECT_EQ(loaded.BgmFolder, musicFolder_);

  ASSERT_TRUE(DeleteFileW(music.c_str()));
  const HostSettings dropped = LoadSettings(SystemProfileAccess(), programFolder_);
  EXPECT_EQ(dropped.BgmKind, 0);
  EXPECT_EQ(dropped.BgmFile, L"");
  EXPECT_EQ(dropped.BgmFolder, programFolder_);
}

// The system's own profile service and ours read each other's files, with the same key bytes,
// and cut long values alike (a double-byte character that would not fit whole is left out).
TEST_F(HostSettingsFile, AgreesWithTheSystemProfileService) {
  const std::wstring path = musicFolder_ + L"\\shared.ini";
  const std::string ansiPath = AnsiOf(path);
  WriteIni(kSettingsSection, kKind, L" 2", path);
  ASSERT_TRUE(WritePrivateProfileStringA("Section", kRepeat.c_str(), "7", ansiPath.c_str()));
  EXPECT_EQ(ReadIni(kSettingsSection, kRepeat, path), L"7");
  std::string doubleBytes;
  for (int i = 0; i < 200; ++i) doubleBytes += "\x95\x58";  // U+6C37 in code page 932
  const std::string values[] = {std::string(300, 'x'), doubleBytes, "a" + doubleBytes};
  for (const std::string& value : values) {
    WriteBytes(path, "[Section]\r\n" + kKind + "= 2\r\nlong=" + value + "\r\n");
    char buffer[256] = {};
    GetPrivateProfileStringA("Section", kKind.c_str(), "", buffer, sizeof(buffer),
                             ansiPath.c_str());
    EXPECT_STREQ(buffer, "2");
    GetPrivateProfileStringA("Section", "long", "", buffer, sizeof(buffer), ansiPath.c_str());
    EXPECT_EQ(ReadIni(kSettingsSection, "long", path), TextOf(buffer));
  }
  EXPECT_EQ(ReadIni(kSettingsSection, "long", path).size(), GetACP() == 932 ? 128u : 255u);
}

// A file saved as UTF-16 (its keys the characters code page 932 makes of the key bytes) is read,
// a path no code page holds included, and written back in the same order of bytes, every other
// line kept; the system's profile service reads what was written.
TEST_F(HostSettingsFile, AUtf16FileIsReadAndWrittenInKind) {
  const std::wstring music = programFolder_ + L"\\\u96ea \u0414.mp3";
  WriteBytes(music, "ID3");
  const auto key = FromCodePage932;
  const std::wstring head = L"; \u96ea\r\n[Section]\r\n" + key(kKind);
  const std::wstring tail = key(kRepeat) + L"= 5\r\n" + key(kFile) + L"=" + music + L"\r\n";
  const std::wstring before = head + L"= 2\r\n" + tail;
  const std::wstring after = head + L"= 1\r\n" + tail + key(kKeyResolutionSwitch) + L"= 0\r\n";
  const IniValue values[] = {{kKind, L" 1"}, {kKeyResolutionSwitch, L" 0"}};
  for (const bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big-endian" : "little-endian");
    WriteBytes(settingsPath_, UnicodeFileOf(before, bigEndian));
    const HostSettings loaded = LoadSettings(SystemProfileAccess(), programFolder_);
    EXPECT_EQ(loaded.BgmKind, 2);
    EXPECT_EQ(loaded.BgmRepeat, 5);
    EXPECT_EQ(loaded.BgmFile, music);
    EXPECT_TRUE(WriteIniValues(kSettingsSection, values, settingsPath_));
    EXPECT_EQ(ReadBytes(settingsPath_), UnicodeFileOf(after, bigEndian));
    EXPECT_EQ(NamesIn(programFolder_).size(), 2u) << "the settings file and the music only";
  }
  wchar_t buffer[256] = {};
  GetPrivateProfileStringW(L"Section", key(kFile).c_str(), L"", buffer, 256, settingsPath_.c_str());
  EXPECT_EQ(std::wstring(buffer), music);
}

TEST_F(HostSettingsFile, FileExistsOpensFilesOnly) {
  const std::wstring music = programFolder_ + L"\\\u96ea.mp3";
  WriteBytes(music, "ID3");
  EXPECT_TRUE(FileExists(music));
  EXPECT_TRUE(FileExists(music + L"\\"));
  EXPECT_FALSE(FileExists(programFolder_ + L"\\"));
  EXPECT_FALSE(FileExists(programFolder_ + L"\\missing.mp3"));
  HANDLE exclusive = CreateFileW(music.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FileExists(music)) << "a file the system refuses to open is no file";
  CloseHandle(exclusive);
}

// NOTE: a read-only attribute would not do here: Wine maps it to file permissions, which root
// ignores. A file that another handle holds without sharing cannot be written by anyone.
TEST_F(HostSettingsFile, UnwritableFileIsReportedAndLeftAsItWas) {
  WriteBytes(settingsPath_, "[Section]\r\n" + kKind + "= 1\r\n");
  HANDLE locked =
      CreateFileW(settingsPath_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(WriteIni(kSettingsSection, kKind, L" 2", settingsPath_));
  CloseHandle(locked);
  EXPECT_EQ(ReadBytes(settingsPath_), "[Section]\r\n" + kKind + "= 1\r\n");
  EXPECT_FALSE(
      WriteIni(kSettingsSection, kKind, L" 2", (root_ / L"no such folder\\x.ini").wstring()));
}

// The edit holds the file against other writers, and a write that fails after the new content is
// made (the old file cannot be moved aside, or is read-only) leaves every old byte and no file of
// its own behind. The same write goes through once the obstacle is gone.
TEST_F(HostSettingsFile, AFailedWriteLeavesTheOldFileWholeAndNothingBeside) {
  const std::string old = "[Section]\r\n" + kKind + "= 1\r\n" + kRepeat + "= 4\r\n";
  const IniValue values[] = {{kKind, L" 2"}, {kRepeat, L" 9"}};
  const std::string stored = "[Section]\r\n" + kKind + "= 2\r\n" + kRepeat + "= 9\r\n";
  struct Obstacle {
    const char* name;
    std::function<ScopedHandle(const std::wstring&)> place;
  };
  const Obstacle obstacles[] = {
      {"held by a reader that shares no deletion",
       [](const std::wstring& path) {
         return ScopedHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
       }},
      {"read-only",
       [](const std::wstring& path) {
         SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
         return ScopedHandle();
       }},
  };
  for (const Obstacle& obstacle : obstacles) {
    SCOPED_TRACE(obstacle.name);
    WriteBytes(settingsPath_, old);
    ScopedHandle held = obstacle.place(settingsPath_);
    EXPECT_FALSE(WriteIniValues(kSettingsSection, values, settingsPath_));
    held.Close();
    ASSERT_TRUE(SetFileAttributesW(settingsPath_.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_EQ(ReadBytes(settingsPath_), old);
    EXPECT_EQ(NamesIn(programFolder_), kOnlyTheSettingsFile);
  }

  EXPECT_TRUE(SystemFileStore().EditFile(settingsPath_, [&](std::string_view current) {
    const ScopedHandle writer(CreateFileW(settingsPath_.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(writer.valid()) << "another writer got in during the edit";
    EXPECT_EQ(current, old);
    return stored;
  }));
  EXPECT_EQ(ReadBytes(settingsPath_), stored);
  EXPECT_EQ(NamesIn(programFolder_), kOnlyTheSettingsFile);
}
