#include <gtest/gtest.h>

#include <map>

#include "host_state.h"
#include "settings/settings_file.h"

namespace {

const std::wstring kProgramFolder = L"C:\\Saver";
const std::wstring kSettingsPath = L"C:\\Saver\\\u6c37\u82b1\u706f.ini";
const std::wstring kLongPath = L"D:\\" + std::wstring(297, L'a');
// No code page holds all of these; the last is a surrogate pair in UTF-16.
const std::wstring kUnicodePath = L"D:\\\u041c\u0438\u0440\\\u96ea \u00fc \U0001F328.mp3";

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

// How a test stores a settings file: bytes, or UTF-16 after its mark in either order.
enum Form { kBytes, kUtf16Le, kUtf16Be };

// A key as a file of bytes and a UTF-16 file spell it.
struct Key {
  std::string_view bytes;
  std::u16string_view characters;
};
const Key kKind = {kKeyBgmKind, u"BGM\u533a\u5206"};
const Key kRepeat = {kKeyBgmRepeat, u"BGM\uff98\uff8b\uff9f\uff70\uff84"};
const Key kFile = {kKeyBgmFile, u"BGM\uff8c\uff67\uff72\uff99"};
const Key kSwitch = {kKeyResolutionSwitch, u"\u89e3\u50cf\u5ea6\u5207\u66ff"};

std::u16string Utf16(std::wstring_view text) {
  std::u16string units;
  for (const wchar_t c : text) {
    const auto code = static_cast<char32_t>(c);
    if (code < 0x10000) {
      units += static_cast<char16_t>(code);
      continue;
    }
    units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
    units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
  }
  return units;
}

// The bytes of a file in form: text's characters as the fake code page's bytes, or its units
// after a UTF-16 mark.
std::string Stored(Form form, std::u16string_view text) {
  std::string bytes;
  if (form == kUtf16Le) bytes = "\xFF\xFE";
  if (form == kUtf16Be) bytes = "\xFE\xFF";
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    if (form == kBytes) bytes += low;
    if (form == kUtf16Le) bytes += {low, high};
    if (form == kUtf16Be) bytes += {high, low};
  }
  return bytes;
}

// A key's line as the file in form holds it; no line for a missing value.
std::u16string Line(Form form, const Key& key, const wchar_t* value) {
  if (value == nullptr) return {};
  // Each byte of a byte file's key is held as the character of the same number.
  std::u16string name;
  for (const char byte : key.bytes) name += static_cast<unsigned char>(byte);
  if (form != kBytes) name = key.characters;
  return name + u"=" + Utf16(value) + u"\r\n";
}

struct LoadCase {
  const char* what;
  Form form;
  const wchar_t* kind;  // values; nullptr leaves the key out
  const wchar_t* repeat;
  const wchar_t* file;
  std::int16_t expectedKind;
  std::int16_t expectedRepeat;
  std::wstring expectedFile;
  std::wstring expectedFolder;
};

const LoadCase kLoadCases[] = {
    {"typical file", kBytes, L" 2", L" 7", L"D:\\Music\\snow.mp3", 2, 7, L"D:\\Music\\snow.mp3",
     L"D:\\Music"},
    {"2.7 is floored", kBytes, L"2.7", L"-0.5", L"D:\\Music\\snow.mp3", 2, -1,
     L"D:\\Music\\snow.mp3", L"D:\\Music"},
    {"abc is 0", kBytes, L"abc", nullptr, nullptr, 0, 0, L"", kProgramFolder},
    {"non-numbers are 0", kBytes, L"2abc", L"40000", nullptr, 0, 0, L"", kProgramFolder},
    {"missing or empty values are 0", kBytes, nullptr, L"", nullptr, 0, 0, L"", kProgramFolder},
    {"deleted music file", kBytes, L" 2", nullptr, L"D:\\Music\\gone.mp3", 0, 0, L"",
     kProgramFolder},
    {"file source without file", kBytes, L" 2", nullptr, nullptr, 0, 0, L"", kProgramFolder},
    {"CD source without file", kBytes, L" 1", nullptr, nullptr, 1, 0, L"", kProgramFolder},
    {"folder with trailing backslash", kBytes, L" 2", nullptr, L"D:\\Music\\", 0, 0, L"",
     kProgramFolder},
    // The file test drops the backslash, the path keeps it.
    {"file with trailing backslash", kBytes, L" 2", nullptr, L"D:\\Music\\snow.mp3\\", 2, 0,
     L"D:\\Music\\snow.mp3\\", L"D:\\Music\\snow.mp3"},
    {"bare name in the current folder", kBytes, L" 2", nullptr, L"snow.wav", 2, 0, L"snow.wav",
     L""},
    {"long value cut to 255 bytes", kBytes, L" 2", nullptr, kLongPath.c_str(), 2, 0,
     kLongPath.substr(0, 255), L"D:"},
    {"UTF-16 little-endian", kUtf16Le, L" 2", L" 7", L"D:\\Music\\snow.mp3", 2, 7,
     L"D:\\Music\\snow.mp3", L"D:\\Music"},
    {"UTF-16 big-endian", kUtf16Be, L" 1", L"12", nullptr, 1, 12, L"", kProgramFolder},
    {"UTF-16 keeps every character", kUtf16Le, L" 2", nullptr, kUnicodePath.c_str(), 2, 0,
     kUnicodePath, L"D:\\\u041c\u0438\u0440"},
    {"UTF-16 value cut to 255 units", kUtf16Be, L" 2", nullptr, kLongPath.c_str(), 2, 0,
     kLongPath.substr(0, 255), L"D:"},
    {"UTF-16 deleted music file", kUtf16Le, L" 2", L"-3", L"D:\\Music\\gone.mp3", 0, -3, L"",
     kProgramFolder},
};

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const std::wstring& path :
         {std::wstring(L"D:\\Music\\snow.mp3"), std::wstring(L"snow.wav"), kUnicodePath,
          kLongPath.substr(0, 255)}) {
      files.files[path] = "ID3";
    }
  }
  void StoreSettings(Form form, std::u16string_view text) {
    files.files[kSettingsPath] = Stored(form, text);
  }

  FakeFiles files;
  FakeCodePage codePage;
  ProfileAccess access{files, codePage};
};

}  // namespace

TEST_F(SettingsFileTest, LoadSettingsFallsBackAndDowngrades) {
  for (const LoadCase& c : kLoadCases) {
    SCOPED_TRACE(c.what);
    StoreSettings(c.form, u"[Section]\r\n" + Line(c.form, kKind, c.kind) +
                              Line(c.form, kRepeat, c.repeat) + Line(c.form, kFile, c.file));
    const HostSettings settings = LoadSettings(access, kProgramFolder);
    EXPECT_EQ(settings.BgmKind, c.expectedKind);
    EXPECT_EQ(settings.BgmRepeat, c.expectedRepeat);
    EXPECT_EQ(settings.BgmFile, c.expectedFile);
    EXPECT_EQ(settings.BgmFolder, c.expectedFolder);
  }
}

// Only a zero keeps the monitors' modes; a file from before the key, or one edited badly,
// switches as the program always did.
TEST_F(SettingsFileTest, ResolutionSwitchIsZeroOnlyForAZero) {
  const struct {
    Form form;
    const wchar_t* value;  // nullptr leaves the key out
    std::int16_t expected;
  } cases[] = {{kBytes, nullptr, 1}, {kBytes, L"0", 0},   {kBytes, L" 0", 0},
               {kBytes, L"&H0", 0},  {kBytes, L" 1", 1},  {kBytes, L"2", 1},
               {kBytes, L"-1", 1},   {kBytes, L"", 1},    {kBytes, L"abc", 1},
               {kBytes, L"0abc", 1}, {kBytes, L"0.5", 1}, {kUtf16Le, L" 0", 0},
               {kUtf16Be, L" 0", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.value == nullptr ? L"(missing)" : c.value));
    StoreSettings(c.form,
                  u"[Section]\r\n" + Line(c.form, kKind, L" 0") + Line(c.form, kSwitch, c.value));
    EXPECT_EQ(LoadSettings(access, kProgramFolder).ResolutionSwitch, c.expected);
  }
  files.files.erase(kSettingsPath);
  EXPECT_EQ(LoadSettings(access, kProgramFolder).ResolutionSwitch, 1) << "no settings file";
}

TEST_F(SettingsFileTest, NoSettingsFileGivesTheDefaultsAndCreatesNone) {
  const HostSettings settings = LoadSettings(access, kProgramFolder);
  EXPECT_EQ(settings.BgmKind, 0);
  EXPECT_EQ(settings.BgmRepeat, 0);
  EXPECT_EQ(settings.BgmFile, L"");
  EXPECT_EQ(settings.BgmFolder, kProgramFolder);
  EXPECT_EQ(files.files.count(kSettingsPath), 0u);
}

// 0x95 0x58 is one double-byte character: 127 of them fill 254 bytes, the 128th would not fit.
// In UTF-16, 128 surrogate pairs fill 256 units: the pair at units 255 and 256 would not fit.
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

  std::wstring pairs;
  for (int i = 0; i < 128; ++i) pairs += L"\U0001F328";
  const std::wstring pairsThatFit = pairs.substr(0, pairs.size() / 128 * 127);
  StoreSettings(kUtf16Le, u"[Section]\r\neven=" + Utf16(pairs) + u"\r\nodd=a" + Utf16(pairs) +
                              u"\r\n" + std::u16string(u"nul=ab\0cd", 9));
  EXPECT_EQ(ReadIni(access, "Section", "even", kSettingsPath), pairsThatFit);
  EXPECT_EQ(ReadIni(access, "Section", "odd", kSettingsPath), L"a" + pairsThatFit);
  EXPECT_EQ(ReadIni(access, "Section", "nul", kSettingsPath), L"ab");
}

TEST_F(SettingsFileTest, WriteIniStoresValuesAsGivenAndReportsTheResult) {
  EXPECT_TRUE(WriteIni(access, kSettingsSection, kKeyBgmKind, L" 2", kSettingsPath));
  WriteIni(access, kSettingsSection, kKeyBgmRepeat, L"-3", kSettingsPath);
  WriteIni(access, kSettingsSection, kKeyBgmFile, L"D:\\M\u00fcsic\\\u96ea.mp3", kSettingsPath);
  WriteIni(access, kSettingsSection, std::string(140, 'k'), L"v", kSettingsPath);
  EXPECT_EQ(files.files[kSettingsPath],
            "[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\nBGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"
            "BGM\xCC\xA7\xB2\xD9=D:\\M\xFCsic\\?.mp3\r\n" +
                std::string(128, 'k') + "=v\r\n");

  files.refusedPath = kSettingsPath;
  EXPECT_FALSE(WriteIni(access, kSettingsSection, kKeyBgmKind, L" 1", kSettingsPath));
}

// A file keeps its encoding and every line the edit does not touch; only a file that begins with
// a UTF-16 mark is UTF-16.
TEST_F(SettingsFileTest, WrittenBackInTheFileOwnEncoding) {
  const std::u16string head = u"; \u96ea \U0001F328\r\n[Section]\r\n", tail = u"[Other]\r\nk=v\r\n";
  const std::u16string written =
      Line(kUtf16Le, kKind, L" 2") + Line(kUtf16Le, kFile, kUnicodePath.c_str());
  const std::u16string before = head + Line(kUtf16Le, kKind, L" 1") + tail;
  const std::u16string after = head + written + tail, created = u"[Section]\r\n" + written;
  const std::string createdBytes =
      Stored(kBytes, u"[Section]\r\n" + Line(kBytes, kKind, L" 2") +
                         Line(kBytes, kFile, L"D:\\???\\? \u00fc ?.mp3"));
  const struct {
    const char* what;
    std::string before;
    std::string after;
  } cases[] = {
      {"little-endian", Stored(kUtf16Le, before), Stored(kUtf16Le, after)},
      {"big-endian", Stored(kUtf16Be, before), Stored(kUtf16Be, after)},
      {"a mark alone", Stored(kUtf16Be, u""), Stored(kUtf16Be, created)},
      // Half a unit at the end stays the last byte.
      {"odd length", Stored(kUtf16Le, before) + "X", Stored(kUtf16Le, after) + "X"},
      {"no file", "", createdBytes},
      {"half a mark", "\xFF", "\xFF\r\n" + createdBytes},
  };
  const IniValue values[] = {{kKeyBgmKind, L" 2"}, {kKeyBgmFile, kUnicodePath}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    files.files[kSettingsPath] = c.before;
    if (c.before.empty()) files.files.erase(kSettingsPath);
    EXPECT_TRUE(WriteIniValues(access, kSettingsSection, values, kSettingsPath));
    EXPECT_EQ(files.files[kSettingsPath], c.after);
  }
}

// The dialog's keys go in one edit, whose refusal is reported; that a refused edit leaves the file
// whole is the file store's part (HostSettingsFile, under Wine).
TEST_F(SettingsFileTest, WriteIniValuesStoresAllInOrderAndReportsARefusal) {
  files.files[kSettingsPath] = "[Section]\r\nBGM\x8B\xE6\x95\xAA= 1\r\n";
  const IniValue values[] = {{kKeyBgmKind, L" 2"}, {kKeyResolutionSwitch, L" 0"}};
  files.refusedPath = kSettingsPath;
  EXPECT_FALSE(WriteIniValues(access, kSettingsSection, values, kSettingsPath));
  files.refusedPath.clear();
  EXPECT_TRUE(WriteIniValues(access, kSettingsSection, values, kSettingsPath));
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
