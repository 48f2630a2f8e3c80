#include <gtest/gtest.h>

#include <map>

#include "host_state.h"
#include "settings/settings_file.h"

namespace {

const std::wstring kProgramFolder = L"C:\\Saver";
const std::wstring kSettingsPath = L"C:\\Saver\\\u6c37\u82b1\u706f.ini";
const std::string kLongPath = "D:\\" + std::string(297, 'a');

// Files in memory; only they can be opened, not the folders of their paths.
class FakeFiles final : public FileStore {
 public:
  std::optional<std::string> ReadWholeFile(const std::wstring& path) const override {
    const auto found = files.find(path);
    return found == files.end() ? std::nullopt : std::optional(found->second);
  }
  bool EditFile(const std::wstring& path, const FileEdit& edit) override {
    if (path == refusedPath) return false;
    files[path] = edit(files[path]);
    return true;
  }
  bool CanOpenForReading(const std::wstring& path) const override { return files.count(path) != 0; }

  std::map<std::wstring, std::string> files;
  std::wstring refusedPath;
};

// Code page 932's lead bytes, but each byte decodes to the character of the same number, so
// tests see exactly which bytes came back.
class FakeCodePage final : public AnsiCodePage {
 public:
  std::wstring Decode(std::string_view bytes) const override {
    std::wstring text;
    for (char byte : bytes) text.push_back(static_cast<unsigned char>(byte));
    return text;
  }
  std::string Encode(std::wstring_view text) const override {
    std::string bytes;
    for (wchar_t c : text) bytes.push_back(c < 0x100 ? static_cast<char>(c) : '?');
    return bytes;
  }
  bool IsLeadByte(char byte) const override {
    const auto b = static_cast<unsigned char>(byte);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
  }
};

struct LoadCase {
  const char* what;
  std::int16_t before;  // BgmKind and BgmRepeat before loading
  const char* kind;     // value lines; nullptr leaves the key out
  const char* repeat;
  const char* file;
  std::int16_t expectedKind;
  std::int16_t expectedRepeat;
  std::wstring expectedFile;
  std::wstring expectedFolder;
};

const LoadCase kLoadCases[] = {
    {"typical file", 0, " 2", " 7", "D:\\Music\\snow.mp3", 2, 7, L"D:\\Music\\snow.mp3",
     L"D:\\Music"},
    {"2.7 is floored", 0, "2.7", "-0.5", "D:\\Music\\snow.mp3", 2, -1, L"D:\\Music\\snow.mp3",
     L"D:\\Music"},
    {"abc keeps 0", 0, "abc", nullptr, nullptr, 0, 0, L"", kProgramFolder},
    {"non-numbers keep values", 1, "2abc", "40000", nullptr, 1, 1, L"", kProgramFolder},
    {"missing or empty values are 0", 1, nullptr, "", nullptr, 0, 0, L"", kProgramFolder},
    {"deleted music file", 0, " 2", nullptr, "D:\\Music\\gone.mp3", 0, 0, L"", kProgramFolder},
    {"file source without file", 0, " 2", nullptr, nullptr, 0, 0, L"", kProgramFolder},
    {"CD source without file", 0, " 1", nullptr, nullptr, 1, 0, L"", kProgramFolder},
    {"folder with trailing backslash", 0, " 2", nullptr, "D:\\Music\\", 0, 0, L"", kProgramFolder},
    // The file test drops the backslash, the path keeps it.
    {"file with trailing backslash", 0, " 2", nullptr, "D:\\Music\\snow.mp3\\", 2, 0,
     L"D:\\Music\\snow.mp3\\", L"D:\\Music\\snow.mp3"},
    {"bare name in the current folder", 0, " 2", nullptr, "snow.wav", 2, 0, L"snow.wav", L""},
    {"long value cut to 255 bytes", 0, " 2", nullptr, kLongPath.c_str(), 2, 0,
     std::wstring(kLongPath.begin(), kLongPath.begin() + 255), L"D:"},
};

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    files.files[L"D:\\Music\\snow.mp3"] = "ID3";
    files.files[L"snow.wav"] = "RIFF";
    files.files[std::wstring(kLongPath.begin(), kLongPath.begin() + 255)] = "ID3";
  }

  FakeFiles files;
  FakeCodePage codePage;
  ProfileAccess access{files, codePage};
};

std::string Line(const char* key, const char* value) {
  return value == nullptr ? "" : std::string(key) + "=" + value + "\r\n";
}

}  // namespace

TEST_F(SettingsFileTest, LoadSettingsFallsBackAndDowngrades) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(c.what);
    BgmKind = BgmRepeat = c.before;
    BgmFile = BgmFolder = L"stale";
    files.files[kSettingsPath] = "[Section]\r\n" + Line(kKeyBgmKind, c.kind) +
                                 Line(kKeyBgmRepeat, c.repeat) + Line(kKeyBgmFile, c.file);
    LoadSettings(access, kProgramFolder);
    EXPECT_EQ(BgmKind, c.expectedKind);
    EXPECT_EQ(BgmRepeat, c.expectedRepeat);
    EXPECT_EQ(BgmFile, c.expectedFile);
    EXPECT_EQ(BgmFolder, c.expectedFolder);
  }
}

// Only a zero keeps the monitors' modes; a file from before the key, or one edited badly,
// switches as the program always did.
TEST_F(SettingsFileTest, ResolutionSwitchIsZeroOnlyForAZero) {
  const struct {
    const char* value;  // nullptr leaves the key out
    std::int16_t expected;
  } cases[] = {{nullptr, 1}, {"0", 0}, {" 0", 0},  {"&H0", 0},  {" 1", 1}, {"2", 1},
               {"-1", 1},    {"", 1},  {"abc", 1}, {"0abc", 1}, {"0.5", 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value == nullptr ? "(missing)" : c.value);
    ResolutionSwitch = c.expected == 0 ? 1 : 0;  // the opposite, so a stale value shows
    files.files[kSettingsPath] =
        "[Section]\r\n" + Line(kKeyBgmKind, " 0") + Line(kKeyResolutionSwitch, c.value);
    LoadSettings(access, kProgramFolder);
    EXPECT_EQ(ResolutionSwitch, c.expected);
  }
  files.files.erase(kSettingsPath);
  ResolutionSwitch = 0;
  LoadSettings(access, kProgramFolder);
  EXPECT_EQ(ResolutionSwitch, 1) << "no settings file";
}

TEST_F(SettingsFileTest, NoSettingsFileGivesTheDefaultsAndCreatesNone) {
  BgmKind = 2;
  BgmRepeat = 5;
  LoadSettings(access, kProgramFolder);
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(BgmRepeat, 0);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, kProgramFolder);
  EXPECT_EQ(files.files.count(kSettingsPath), 0u);
}

// 0x95 0x58 is one double-byte character: 127 of them fill 254 bytes, the 128th would not fit.
TEST_F(SettingsFileTest, ReadIniCutsAtWholeCharactersAndAtNul) {
  std::string doubleBytes;
  for (int i = 0; i < 200; ++i) doubleBytes += "\x95\x58";
  files.files[kSettingsPath] = "[Section]\r\nwide=" + doubleBytes + "\r\nodd=a" + doubleBytes +
                               "\r\n" + std::string("nul=ab\0cd\r\n", 11);
  EXPECT_EQ(ReadIni(access, "Section", "wide", kSettingsPath),
            codePage.Decode(doubleBytes.substr(0, 254)));
  EXPECT_EQ(ReadIni(access, "Section", "odd", kSettingsPath),
            codePage.Decode("a" + doubleBytes.substr(0, 254)));
  EXPECT_EQ(ReadIni(access, "Section", "nul", kSettingsPath), L"ab");
  EXPECT_EQ(ReadIni(access, "Section", "nul", L"C:\\missing.ini"), L"");
}

TEST_F(SettingsFileTest, WriteIniStoresValuesAsGivenAndRecordsTheResult) {
  LastApiResult = -7;
  WriteIni(access, kSettingsSection, kKeyBgmKind, L" 2", kSettingsPath);
  EXPECT_EQ(LastApiResult, 1);
  WriteIni(access, kSettingsSection, kKeyBgmRepeat, L"-3", kSettingsPath);
  WriteIni(access, kSettingsSection, kKeyBgmFile, L"D:\\M\u00fcsic\\\u96ea.mp3", kSettingsPath);
  WriteIni(access, kSettingsSection, std::string(140, 'k'), L"v", kSettingsPath);
  EXPECT_EQ(files.files[kSettingsPath],
            "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\nBGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"
            "BGM\xCC\xA7\xB2\xD9=D:\\M\xFCsic\\?.mp3\r\n" +
                std::string(128, 'k') + "=v\r\n");

  files.refusedPath = kSettingsPath;
  WriteIni(access, kSettingsSection, kKeyBgmKind, L" 1", kSettingsPath);
  EXPECT_EQ(LastApiResult, 0);
}

// The dialog's keys go in one edit, whose refusal is reported; that a refused edit leaves the file
// whole is the file store's part (HostSettingsFile, under Wine).
TEST_F(SettingsFileTest, WriteIniValuesStoresAllInOrderAndReportsARefusal) {
  files.files[kSettingsPath] = "[Section]\r\nBGM\x8B\xE6\x95\xAA= 1\r\n";
  const IniValue values[] = {{kKeyBgmKind, L" 2"}, {kKeyResolutionSwitch, L" 0"}};
  files.refusedPath = kSettingsPath;
  EXPECT_FALSE(WriteIniValues(access, kSettingsSection, values, kSettingsPath));
  EXPECT_EQ(LastApiResult, 0);
  files.refusedPath.clear();
  EXPECT_TRUE(WriteIniValues(access, kSettingsSection, values, kSettingsPath));
  EXPECT_EQ(LastApiResult, 1);
  EXPECT_EQ(
      files.files[kSettingsPath],
      "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\n\x89\xF0\x91\x9C\x93\x78\x90\xD8\x91\xD6= 0\r\n");
}

TEST_F(SettingsFileTest, FileExistsDropsOneTrailingBackslash) {
  EXPECT_TRUE(FileExists(files, L"snow.wav\\"));
  EXPECT_FALSE(FileExists(files, L"snow.wav\\\\"));
  EXPECT_FALSE(FileExists(files, L""));
  EXPECT_FALSE(FileExists(files, std::wstring(L"snow.wav\0.txt", 13)));
}
