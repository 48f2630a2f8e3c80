// The settings file and the file test over the real system, under a Japanese and a Western
// system code page: the file's bytes must be the same under both.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "host_state.h"
#include "settings_system.h"

namespace {

const std::string kKind = kKeyBgmKind;
const std::string kRepeat = kKeyBgmRepeat;
const std::string kFile = kKeyBgmFile;

std::string ReadBytes(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
  std::string content(1 << 16, '\0');
  DWORD got = 0;
  ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &got, nullptr);
  CloseHandle(file);
  content.resize(got);
  return content;
}

void WriteBytes(const std::wstring& path, const std::string& content) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

std::string Narrow(const std::wstring& text, UINT codePage) {
  const int length =
      WideCharToMultiByte(codePage, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.c_str(), -1, bytes.data(), length, nullptr, nullptr);
  bytes.resize(static_cast<size_t>(length) - 1);
  return bytes;
}

std::wstring Widen(const std::string& bytes, UINT codePage) {
  const int length = MultiByteToWideChar(codePage, 0, bytes.c_str(), -1, nullptr, 0);
  std::wstring text(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.c_str(), -1, text.data(), length);
  text.resize(static_cast<size_t>(length) - 1);
  return text;
}

class HostSettingsFile : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    root_ = std::wstring(temp) + L"host-settings-" + std::to_wstring(GetCurrentProcessId());
    // Japanese, a Latin letter with diaeresis and Cyrillic: no code page holds all three.
    programFolder_ = root_ + L"\\\u6c37\u82b1\u706f \u00fc \u0414\u043e\u043c";
    musicFolder_ = root_ + L"\\music";
    ASSERT_TRUE(CreateDirectoryW(root_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(programFolder_.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(musicFolder_.c_str(), nullptr));
    settingsPath_ = programFolder_ + L"\\\u6c37\u82b1\u706f.ini";
    BgmKind = 0;
    BgmRepeat = 0;
    BgmFile.clear();
    BgmFolder.clear();
    LastApiResult = -7;
  }

  void TearDown() override {
    for (const std::wstring& folder : {programFolder_, musicFolder_}) {
      WIN32_FIND_DATAW found;
      HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
      if (search == INVALID_HANDLE_VALUE) continue;
      do {
        const std::wstring path = folder + L"\\" + found.cFileName;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
      RemoveDirectoryW(folder.c_str());
    }
    RemoveDirectoryW(root_.c_str());
  }

  std::wstring root_;
  std::wstring programFolder_;
  std::wstring musicFolder_;
  std::wstring settingsPath_;
};

}  // namespace

// CTest runs every case once with a Japanese and once with a Western locale; a locale that was
// not generated would quietly give the Western code page twice.
TEST_F(HostSettingsFile, RunsUnderTheCodePageOfItsLocale) {
  const char* lang = std::getenv("LANG");
  ASSERT_NE(lang, nullptr) << "registered without LANG";
  const bool japanese = std::string(lang).rfind("ja_JP", 0) == 0;
  EXPECT_EQ(GetACP(), japanese ? 932u : 1252u) << "LANG=" << lang;
}

TEST_F(HostSettingsFile, WrittenBytesAreCodePage932KeysAndSignedValues) {
  WriteIni(kSettingsSection, kKind, L" 2", settingsPath_);
  EXPECT_EQ(LastApiResult, 1);
  WriteIni(kSettingsSection, kRepeat, L"-3", settingsPath_);
  WriteIni(kSettingsSection, kFile, L"C:\\Music\\snow.mp3", settingsPath_);
  EXPECT_EQ(ReadBytes(settingsPath_),
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA= 2\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\Music\\snow.mp3\r\n");
  EXPECT_EQ(ReadIni(kSettingsSection, kKind, settingsPath_), L"2");
  EXPECT_EQ(ReadIni(kSettingsSection, kRepeat, settingsPath_), L"-3");
  EXPECT_EQ(ReadIni(kSettingsSection, kFile, settingsPath_), L"C:\\Music\\snow.mp3");

  WriteIni(kSettingsSection, kKind, L" 0", settingsPath_);
  EXPECT_EQ(ReadBytes(settingsPath_),
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA= 0\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"
            "BGM\xCC\xA7\xB2\xD9=C:\\Music\\snow.mp3\r\n");
}

TEST_F(HostSettingsFile, LoadsFromAProgramFolderOutsideTheCodePage) {
  const std::wstring music = musicFolder_ + L"\\snow.mp3";
  WriteBytes(music, "ID3");
  WriteBytes(settingsPath_, "[Section]\r\n" + kKind + "= 2\r\n" + kRepeat + "= 5\r\n" + kFile +
                                "=" + Narrow(music, CP_ACP) + "\r\n");
  LoadSettings(SystemProfileAccess(), programFolder_);
  EXPECT_EQ(BgmKind, 2);
  EXPECT_EQ(BgmRepeat, 5);
  EXPECT_EQ(BgmFile, music);
  EXPECT_EQ(BgmFolder, musicFolder_);

  ASSERT_TRUE(DeleteFileW(music.c_str()));
  LoadSettings(SystemProfileAccess(), programFolder_);
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, programFolder_);
}

// The system's own profile service reads what WriteIni wrote, and ReadIni reads what the system
// wrote, with the same code page 932 key bytes.
TEST_F(HostSettingsFile, FileIsSharedWithTheSystemProfileService) {
  const std::wstring path = musicFolder_ + L"\\shared.ini";
  const std::string ansiPath = Narrow(path, CP_ACP);
  WriteIni(kSettingsSection, kKind, L" 2", path);
  WriteIni(kSettingsSection, kFile, L"D:\\x y\\z.wav", path);
  char buffer[256] = {};
  GetPrivateProfileStringA("Section", kKind.c_str(), "", buffer, sizeof(buffer), ansiPath.c_str());
  EXPECT_STREQ(buffer, "2");
  GetPrivateProfileStringA("Section", kFile.c_str(), "", buffer, sizeof(buffer), ansiPath.c_str());
  EXPECT_STREQ(buffer, "D:\\x y\\z.wav");

  ASSERT_TRUE(WritePrivateProfileStringA("Section", kRepeat.c_str(), "7", ansiPath.c_str()));
  EXPECT_EQ(ReadIni(kSettingsSection, kRepeat, path), L"7");
  EXPECT_EQ(ReadIni(kSettingsSection, kKind, path), L"2");
}

// 255 bytes come back, as from the system's reader with a 256-byte buffer; a double-byte
// character that would not fit whole is left out.
TEST_F(HostSettingsFile, LongValuesAreCutLikeTheSystemReaderCutsThem) {
  const std::string ascii(300, 'x');
  std::string doubleBytes;
  for (int i = 0; i < 200; ++i) doubleBytes += "\x95\x58";  // U+6C37 in code page 932
  const std::wstring path = musicFolder_ + L"\\long.ini";
  WriteBytes(path, "[Section]\r\nascii=" + ascii + "\r\nwide=" + doubleBytes + "\r\nodd=a" +
                       doubleBytes + "\r\n");
  EXPECT_EQ(ReadIni(kSettingsSection, "ascii", path), std::wstring(255, L'x'));
  const bool japanese = GetACP() == 932;
  EXPECT_EQ(ReadIni(kSettingsSection, "wide", path).size(), japanese ? 127u : 255u);
  for (const char* key : {"ascii", "wide", "odd"}) {
    char buffer[256] = {};
    GetPrivateProfileStringA("Section", key, "", buffer, sizeof(buffer),
                             Narrow(path, CP_ACP).c_str());
    EXPECT_EQ(ReadIni(kSettingsSection, key, path), Widen(buffer, CP_ACP)) << key;
  }
}

TEST_F(HostSettingsFile, FileExistsOpensFilesOnly) {
  const std::wstring music = programFolder_ + L"\\\u96ea.mp3";
  WriteBytes(music, "ID3");
  EXPECT_TRUE(FileExists(music));
  EXPECT_TRUE(FileExists(music + L"\\"));
  EXPECT_FALSE(FileExists(programFolder_));
  EXPECT_FALSE(FileExists(programFolder_ + L"\\"));
  EXPECT_FALSE(FileExists(programFolder_ + L"\\missing.mp3"));
  EXPECT_FALSE(FileExists(L""));

  HANDLE exclusive =
      CreateFileW(music.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FileExists(music)) << "a file that the system refuses to open is no file";
  CloseHandle(exclusive);
}

// NOTE: a read-only attribute would not do here: Wine maps it to file permissions, which root
// ignores. A file that another handle holds without sharing cannot be written by anyone.
TEST_F(HostSettingsFile, UnwritableFileLeavesZeroInLastApiResult) {
  WriteBytes(settingsPath_, "[Section]\r\n" + kKind + "= 1\r\n");
  HANDLE locked =
      CreateFileW(settingsPath_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  WriteIni(kSettingsSection, kKind, L" 2", settingsPath_);
  EXPECT_EQ(LastApiResult, 0);
  CloseHandle(locked);
  EXPECT_EQ(ReadBytes(settingsPath_), "[Section]\r\n" + kKind + "= 1\r\n");

  LastApiResult = -7;
  WriteIni(kSettingsSection, kKind, L" 2", root_ + L"\\no such folder\\x.ini");
  EXPECT_EQ(LastApiResult, 0);
}
