#include <gtest/gtest.h>

#include "profile_text.h"
#include "settings_file.h"

namespace {

// "BGM区分" and "BGMﾌｧｲﾙ" as their code page 932 bytes.
const std::string kKind = kKeyBgmKind;
const std::string kFile = kKeyBgmFile;

}  // namespace

TEST(ProfileText, FindsValuesAsTheProfileServiceReadsThem) {
  const std::string file =
      "; written by hand\r\n"
      "stray=before any section\r\n"
      "[Other]\r\n" +
      kKind + "=9\r\n" +
      "  [ section ]  \r\n"
      "  bgm\x8B\xE6\x95\xAA \t=  \" 2 \"  \r\n"
      "quoted='it''s'\n"
      "lone\"=\"\r"
      "noequals\r\n" +
      kFile + "=D:\\Music\\snow.mp3\r\n" + kFile + "=second\r\n";
  EXPECT_EQ(FindProfileValue(file, "Section", kKind), " 2 ");
  EXPECT_EQ(FindProfileValue(file, "SECTION", kFile), "D:\\Music\\snow.mp3");
  EXPECT_EQ(FindProfileValue(file, "Section", "quoted"), "it''s");
  EXPECT_EQ(FindProfileValue(file, "Section", "lone\""), "\"");
  EXPECT_EQ(FindProfileValue(file, "Section", "noequals"), std::nullopt);
  EXPECT_EQ(FindProfileValue(file, "Section", "stray"), std::nullopt);
  EXPECT_EQ(FindProfileValue(file, "Other", kKind), "9");
  EXPECT_EQ(FindProfileValue(file, "Missing", kKind), std::nullopt);
  EXPECT_EQ(FindProfileValue("", "Section", kKind), std::nullopt);
}

// Letters match whatever their case, but the second byte of a double-byte character is not a
// letter: 0x83 0x41 and 0x83 0x61 are two different katakana.
TEST(ProfileText, CaseOfLettersIgnoredOnlyOutsideDoubleByteCharacters) {
  const std::string file = "[s]\r\nk\x83\x61=lower\r\nK\x83\x41=upper\r\n";
  EXPECT_EQ(FindProfileValue(file, "S", "k\x83\x41"), "upper");
  EXPECT_EQ(FindProfileValue(file, "S", "K\x83\x61"), "lower");
}

TEST(ProfileText, NewFileGetsSectionAndKeyWithTheValueAsGiven) {
  std::string file = SetProfileValue("", "Section", kKind, " 2");
  file = SetProfileValue(file, "Section", kFile, "D:\\Music\\snow.mp3");
  EXPECT_EQ(file, "[Section]\r\n" + kKind + "= 2\r\n" + kFile + "=D:\\Music\\snow.mp3\r\n");
}

TEST(ProfileText, EditChangesOnlyTheKeysLine) {
  const std::string file =
      "; keep me\r\n[Section]\r\n  bgm\x8B\xE6\x95\xAA = 1 \r\nother=x\r\n\r\n[Next]\nk=v";
  EXPECT_EQ(SetProfileValue(file, "section", kKind, "-3"),
            "; keep me\r\n[Section]\r\nbgm\x8B\xE6\x95\xAA=-3\r\nother=x\r\n\r\n[Next]\nk=v");
}

TEST(ProfileText, NewKeyFollowsTheLastEntryOfItsSection) {
  const std::string file = "[Section]\r\na=1\r\n\r\n[Next]\r\nk=v\r\n";
  EXPECT_EQ(SetProfileValue(file, "Section", "b", "2"),
            "[Section]\r\na=1\r\nb=2\r\n\r\n[Next]\r\nk=v\r\n");
  EXPECT_EQ(SetProfileValue("[Section]", "Section", "b", "2"), "[Section]\r\nb=2\r\n");
  EXPECT_EQ(SetProfileValue("[Section]\r\na=1", "Section", "b", "2"),
            "[Section]\r\na=1\r\nb=2\r\n");
}

TEST(ProfileText, NewSectionGoesAtTheEnd) {
  EXPECT_EQ(SetProfileValue("[Next]\r\nk=v", "Section", "b", " 0"),
            "[Next]\r\nk=v\r\n[Section]\r\nb= 0\r\n");
  EXPECT_EQ(SetProfileValue("[Next]\nk=v\n", "Section", "b", " 0"),
            "[Next]\nk=v\n[Section]\r\nb= 0\r\n");
}

TEST(ProfileText, NamesAreCutAtNulAndAtWholeCharacters) {
  EXPECT_EQ(CutProfileName(std::string("Sec\0tion", 8), 128), "Sec");
  EXPECT_EQ(CutProfileName("abcdef", 4), "abcd");
  EXPECT_EQ(CutProfileName(kKind, 4), "BGM\x8B\xE6");
  EXPECT_EQ(CutProfileName(kKind, 128), kKind);
  EXPECT_EQ(CutProfileName(std::string(200, 'k'), 128), std::string(128, 'k'));
}
