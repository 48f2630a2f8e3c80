#include <gtest/gtest.h>

#include <map>
#include <set>

#include "host_state.h"
#include "settings_file.h"

namespace {

const std::wstring kProgramFolder = L"C:\\Saver";
const std::wstring kSettingsPath = L"C:\\Saver\\\u6c37\u82b1\u706f.ini";

// Files in memory. Only files can be opened; the folders of their paths cannot.
class FakeFiles final : public FileStore {
 public:
  std::optional<std::string> ReadWholeFile(const std::wstring& path) const override {
    const auto found = files.find(path);
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  bool EditFile(const std::wstring& path, const FileEdit& edit) override {
    if (readOnly.count(path) != 0) return false;
    files[path] = edit(files[path]);
    return true;
  }
  bool CanOpenForReading(const std::wstring& path) const override {
    opened.push_back(path);
    return files.count(path) != 0;
  }

  std::map<std::wstring, std::string> files;
  std::set<std::wstring> readOnly;
  mutable std::vector<std::wstring> opened;
};

// A double-byte code page with code page 932's lead bytes; each byte decodes to the character
// of the same number, so tests see exactly which bytes came back.
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

std::wstring Widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    BgmKind = 0;
    BgmRepeat = 0;
    BgmFile = L"stale";
    BgmFolder = L"stale";
    LastApiResult = -7;
  }

  // A settings file holding the given lines after the section line.
  void WriteSettings(const std::string& lines) {
    files.files[kSettingsPath] = "[Section]\r\n" + lines;
  }
  void Load() { LoadSettings(access, kProgramFolder); }
  std::string Line(const char* key, const std::string& value) {
    return std::string(key) + "=" + value + "\r\n";
  }

  FakeFiles files;
  FakeCodePage codePage;
  ProfileAccess access{files, codePage};
};

}  // namespace

TEST_F(SettingsFileTest, NoSettingsFileGivesTheDefaults) {
  BgmKind = 2;
  BgmRepeat = 5;
  Load();
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(BgmRepeat, 0);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, kProgramFolder);
  EXPECT_TRUE(files.files.empty()) << "loading must not create the file";
}

TEST_F(SettingsFileTest, TypicalFileLoadsAllThreeValues) {
  files.files[L"D:\\Music\\snow.mp3"] = "ID3";
  WriteSettings(Line(kKeyBgmKind, " 2") + Line(kKeyBgmRepeat, " 7") +
                Line(kKeyBgmFile, "D:\\Music\\snow.mp3"));
  Load();
  EXPECT_EQ(BgmKind, 2);
  EXPECT_EQ(BgmRepeat, 7);
  EXPECT_EQ(BgmFile, L"D:\\Music\\snow.mp3");
  EXPECT_EQ(BgmFolder, L"D:\\Music");
}

TEST_F(SettingsFileTest, NumbersAreFlooredAndNonNumbersKeepThePreviousValue) {
  files.files[L"D:\\snow.mp3"] = "ID3";
  WriteSettings(Line(kKeyBgmKind, "2.7") + Line(kKeyBgmRepeat, "-0.5") +
                Line(kKeyBgmFile, "D:\\snow.mp3"));
  Load();
  EXPECT_EQ(BgmKind, 2) << "2.7 is floored, not rounded";
  EXPECT_EQ(BgmRepeat, -1);

  BgmKind = 1;
  BgmRepeat = 4;
  WriteSettings(Line(kKeyBgmKind, "abc") + Line(kKeyBgmRepeat, "40000"));
  Load();
  EXPECT_EQ(BgmKind, 1);
  EXPECT_EQ(BgmRepeat, 4) << "a value beyond 16 bits is refused";

  WriteSettings(Line(kKeyBgmKind, "2abc") + Line(kKeyBgmRepeat, ""));
  Load();
  EXPECT_EQ(BgmKind, 1) << "a value that is only partly a number is not a number";
  EXPECT_EQ(BgmRepeat, 0) << "an empty value is the default";
}

TEST_F(SettingsFileTest, FreshStartWithAbcSourceStaysAtZero) {
  WriteSettings(Line(kKeyBgmKind, "abc"));
  Load();
  EXPECT_EQ(BgmKind, 0);
}

TEST_F(SettingsFileTest, DeletedMusicFileTurnsAFileSourceIntoNoMusic) {
  WriteSettings(Line(kKeyBgmKind, " 2") + Line(kKeyBgmFile, "D:\\Music\\gone.mp3"));
  Load();
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, kProgramFolder);
  EXPECT_EQ(files.opened, std::vector<std::wstring>{L"D:\\Music\\gone.mp3"});
}

TEST_F(SettingsFileTest, FileSourceWithoutFileKeyBecomesNoMusic) {
  WriteSettings(Line(kKeyBgmKind, " 2"));
  Load();
  EXPECT_EQ(BgmKind, 0);
  EXPECT_TRUE(files.opened.empty()) << "an empty file value is not tested";
}

TEST_F(SettingsFileTest, AudioCdSourceIsKeptWithoutAFile) {
  WriteSettings(Line(kKeyBgmKind, " 1") + Line(kKeyBgmFile, "D:\\Music\\gone.mp3"));
  Load();
  EXPECT_EQ(BgmKind, 1);
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmFolder, kProgramFolder);
}

// The file test drops one trailing backslash: a folder is still no file, but a file's path with
// a backslash after it passes and is kept as written.
TEST_F(SettingsFileTest, TrailingBackslashIsDroppedOnlyForTheFileTest) {
  files.files[L"D:\\Music\\snow.mp3"] = "ID3";
  WriteSettings(Line(kKeyBgmKind, " 2") + Line(kKeyBgmFile, "D:\\Music\\"));
  Load();
  EXPECT_EQ(BgmFile, L"");
  EXPECT_EQ(BgmKind, 0);
  EXPECT_EQ(files.opened.back(), L"D:\\Music");

  WriteSettings(Line(kKeyBgmKind, " 2") + Line(kKeyBgmFile, "D:\\Music\\snow.mp3\\"));
  Load();
  EXPECT_EQ(BgmKind, 2);
  EXPECT_EQ(BgmFile, L"D:\\Music\\snow.mp3\\");
  EXPECT_EQ(BgmFolder, L"D:\\Music\\snow.mp3");
}

TEST_F(SettingsFileTest, BareFileNameInTheCurrentFolderLeavesAnEmptyFolder) {
  files.files[L"snow.wav"] = "RIFF";
  WriteSettings(Line(kKeyBgmKind, " 2") + Line(kKeyBgmFile, "snow.wav"));
  Load();
  EXPECT_EQ(BgmKind, 2);
  EXPECT_EQ(BgmFile, L"snow.wav");
  EXPECT_EQ(BgmFolder, L"");
}

TEST_F(SettingsFileTest, LongValueIsCutTo255Bytes) {
  const std::string longPath = "D:\\" + std::string(297, 'a');
  const std::string cutPath = longPath.substr(0, 255);
  files.files[Widen(cutPath)] = "ID3";
  WriteSettings(Line(kKeyBgmKind, " 2") + Line(kKeyBgmFile, longPath));
  Load();
  EXPECT_EQ(BgmFile, Widen(cutPath));
  EXPECT_EQ(BgmKind, 2);
  EXPECT_EQ(files.opened, std::vector<std::wstring>{Widen(cutPath)});
}

// 0x95 0x58 is one double-byte character: 127 of them fill 254 bytes, the 128th would not fit.
TEST_F(SettingsFileTest, CutNeverSplitsADoubleByteCharacter) {
  std::string doubleBytes;
  for (int i = 0; i < 200; ++i) doubleBytes += "\x95\x58";
  WriteSettings(Line(kKeyBgmFile, doubleBytes) + Line("odd", "a" + doubleBytes));
  EXPECT_EQ(ReadIni(access, kSettingsSection, kKeyBgmFile, kSettingsPath),
            codePage.Decode(doubleBytes.substr(0, 254)));
  EXPECT_EQ(ReadIni(access, kSettingsSection, "odd", kSettingsPath),
            codePage.Decode("a" + doubleBytes.substr(0, 254)));
}

TEST_F(SettingsFileTest, ReadIniStopsAtNulAndFindsNothingInMissingFiles) {
  files.files[kSettingsPath] = std::string("[Section]\r\nk=ab\0cd\r\n", 19);
  EXPECT_EQ(ReadIni(access, kSettingsSection, "k", kSettingsPath), L"ab");
  EXPECT_EQ(ReadIni(access, kSettingsSection, std::string("k\0junk", 6), kSettingsPath), L"ab");
  EXPECT_EQ(ReadIni(access, kSettingsSection, "k", L"C:\\Saver\\missing.ini"), L"");
}

TEST_F(SettingsFileTest, WriteIniStoresSignedValuesAndRecordsTheResult) {
  WriteIni(access, kSettingsSection, kKeyBgmKind, L" 2", kSettingsPath);
  EXPECT_EQ(LastApiResult, 1);
  WriteIni(access, kSettingsSection, kKeyBgmRepeat, L"-3", kSettingsPath);
  WriteIni(access, kSettingsSection, kKeyBgmFile, L"D:\\M\u00fcsic\\\u96ea.mp3", kSettingsPath);
  EXPECT_EQ(files.files[kSettingsPath],
            "[Section]\r\n"
            "BGM\x8B\xE6\x95\xAA= 2\r\n"
            "BGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"
            "BGM\xCC\xA7\xB2\xD9=D:\\M\xFCsic\\?.mp3\r\n");
  // What was written loads back; the signed text reads as its number.
  files.files[L"D:\\M\u00fcsic\\?.mp3"] = "ID3";
  Load();
  EXPECT_EQ(BgmKind, 2);
  EXPECT_EQ(BgmRepeat, -3);
  EXPECT_EQ(BgmFile, L"D:\\M\u00fcsic\\?.mp3");
}

TEST_F(SettingsFileTest, WriteIniCutsLongNamesAndReportsAFailedWrite) {
  const std::string longKey(140, 'k');
  WriteIni(access, kSettingsSection, longKey, L"v", kSettingsPath);
  EXPECT_EQ(files.files[kSettingsPath], "[Section]\r\n" + std::string(128, 'k') + "=v\r\n");

  files.readOnly.insert(kSettingsPath);
  WriteIni(access, kSettingsSection, kKeyBgmKind, L" 1", kSettingsPath);
  EXPECT_EQ(LastApiResult, 0);
}

TEST(FileExists, RefusesEmptyPathsAndPathsWithNul) {
  FakeFiles files;
  files.files[L"a.mp3"] = "";
  EXPECT_TRUE(FileExists(files, L"a.mp3"));
  EXPECT_TRUE(FileExists(files, L"a.mp3\\"));
  EXPECT_FALSE(FileExists(files, L"a.mp3\\\\"));
  EXPECT_FALSE(FileExists(files, L""));
  EXPECT_FALSE(FileExists(files, L"\\"));
  EXPECT_FALSE(FileExists(files, std::wstring(L"a.mp3\0.txt", 10)));
  EXPECT_EQ(files.opened, (std::vector<std::wstring>{L"a.mp3", L"a.mp3", L"a.mp3\\"}));
}
