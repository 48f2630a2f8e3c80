#include <gtest/gtest.h>

#include "settings/profile_text.h"
#include "settings/settings_file.h"

namespace {
const std::string kKind = kKeyBgmKind;  // "BGM区分" in code page 932
}

TEST(ProfileText, FindsValuesAsTheProfileServiceReadsThem) {
  const std::string file = "stray=before any section\r\n[Other]\r\n" + kKind +
                           "=9\r\n"
                           "  [ section ]  \r\n"
                           "  bgm\x8B\xE6\x95\xAA \t=  \" 2 \"  \r\n"
                           "quoted='it''s'\n"
                           "noequals\r"
                           "twice=first\r\ntwice=second\r\n";
  EXPECT_EQ(FindProfileValue(file, "Section", kKind), " 2 ");
  EXPECT_EQ(FindProfileValue(file, "SECTION", "quoted"), "it''s");
  EXPECT_EQ(FindProfileValue(file, "Section", "twice"), "first");
  EXPECT_EQ(FindProfileValue(file, "Section", "noequals"), std::nullopt);
  EXPECT_EQ(FindProfileValue(file, "Section", "stray"), std::nullopt);
  EXPECT_EQ(FindProfileValue(file, "Other", kKind), "9");
  EXPECT_EQ(FindProfileValue(file, "Other", "quoted"), std::nullopt);  // only in the next one
  EXPECT_EQ(FindProfileValue(file, "Missing", kKind), std::nullopt);
  EXPECT_EQ(FindProfileValue("[Alpha]\r\nk=v", "aLPHA", "K"), "v");
}

// 0x83 0x41 and 0x83 0x61 are two different katakana, not one letter in two cases.
TEST(ProfileText, SecondByteOfADoubleByteCharacterIsNoLetter) {
  const std::string file = "[s]\r\nk\x83\x61=lower\r\nK\x83\x41=upper\r\n";
  EXPECT_EQ(FindProfileValue(file, "S", "k\x83\x41"), "upper");
}

TEST(ProfileText, EditsChangeOnlyWhatTheyMust) {
  EXPECT_EQ(SetProfileValue("", "Section", kKind, " 2"), "[Section]\r\n" + kKind + "= 2\r\n");
  // The key keeps its spelling; other lines, blank ones included, keep their bytes.
  EXPECT_EQ(SetProfileValue("; me\r\n[Section]\r\n  bgm\x8B\xE6\x95\xAA = 1 \r\n\r\n[N]\nk=v",
                            "section", kKind, "-3"),
            "; me\r\n[Section]\r\nbgm\x8B\xE6\x95\xAA=-3\r\n\r\n[N]\nk=v");
  EXPECT_EQ(SetProfileValue("[Section]\r\na=1\r\n\r\n[N]\r\n", "Section", "b", "2"),
            "[Section]\r\na=1\r\nb=2\r\n\r\n[N]\r\n");
  EXPECT_EQ(SetProfileValue("[Section]\r\na=1", "Section", "b", "2"),
            "[Section]\r\na=1\r\nb=2\r\n");
  EXPECT_EQ(SetProfileValue("[N]\nk=v", "Section", "b", " 0"), "[N]\nk=v\r\n[Section]\r\nb= 0\r\n");
}

TEST(ProfileText, NamesAreCutAtNulAndAtWholeCharacters) {
  EXPECT_EQ(CutProfileName(std::string("Sec\0tion", 8), 128), "Sec");
  EXPECT_EQ(CutProfileName(kKind, 4), "BGM\x8B\xE6");
  EXPECT_EQ(CutProfileName(std::string(200, 'k'), 128), std::string(128, 'k'));
  // The edges of both lead-byte ranges: a lead byte takes the byte after it along.
  struct Case {
    unsigned char first;
    bool lead;
  };
  const Case edges[] = {{0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
                        {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false}};
  for (const Case& c : edges) {
    const std::string name = {static_cast<char>(c.first), 'x', 'y'};
    EXPECT_EQ(CutProfileName(name, 1), name.substr(0, c.lead ? 2 : 1)) << int{c.first};
  }
}
