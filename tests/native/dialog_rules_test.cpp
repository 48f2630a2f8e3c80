#include <gtest/gtest.h>

#include <string>

#include "host_state.h"
#include "settings_dialog/dialog_rules.h"

namespace {

struct SourceRow {
  std::int16_t kind;
  SourceLook look;
};

TEST(SettingsDialog, SourceLightsItsMarkAndEnablesOnlyItsOwnControls) {
  const SourceRow rows[] = {
      {-1, {{false, false, false}, false, false}}, {0, {{true, false, false}, false, false}},
      {1, {{false, true, false}, true, false}},    {2, {{false, false, true}, false, true}},
      {3, {{false, false, false}, false, false}},  // one past the last: no mark, nothing beyond
  };
  for (const SourceRow& row : rows) EXPECT_EQ(LookOfSource(row.kind), row.look) << row.kind;
}

// Numeric texts round half to even; anything else, and numbers no track could carry, give 0.
TEST(SettingsDialog, RepeatTextBecomesTheStoredTrack) {
  const std::pair<const wchar_t*, std::int16_t> rows[] = {
      {L"12", 12},
      {L"abc", 0},
      {L"", 0},
      {L"2.5", 2},
      {L"3.5", 4},
      {L"-3", -3},
      {L"40000", 0},
      {L"-32768", -32768},
      {L"32767", 32767},
      {L" 7 ", 7},
      {L"&H1F", 31},
      {L"5x", 0},
      {L"\uFF15", 5},
      {L"\uFF11\uFF12", 12},
      {L"\uFF0D\uFF13", -3},
      {L"\u22123", -3},
      {L"\u3000\uFF12\uFF0E\uFF15", 2},
      {L"\uFF15\u30FC", 0},
  };
  for (const auto& [text, track] : rows) EXPECT_EQ(RepeatFromText(text), track) << text;
}

TEST(SettingsDialog, RepeatListIsAnEmptyEntryAndOneToThirty) {
  const std::vector<std::wstring> choices = RepeatChoices();
  ASSERT_EQ(choices.size(), 31u);
  EXPECT_EQ(choices[0], L"");
  EXPECT_EQ(choices[1], L"1");
  EXPECT_EQ(choices[30], L"30");
}

// Nine strips fill the first column, one more lands just below the panel, and a whole second
// column lies right of it.
TEST(SettingsDialog, PanelTilesInColumnsPastItsEdges) {
  const std::vector<TilePosition> tiles = TilePositions(469, 165, 556, 20);
  ASSERT_EQ(tiles.size(), 20u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(tiles[i], (TilePosition{0, 20 * i}));
    EXPECT_EQ(tiles[10 + i], (TilePosition{556, 20 * i}));
  }
  EXPECT_TRUE(TilePositions(469, 165, 0, 20).empty());
}

TEST(SettingsDialog, BackgroundRowsRunDarkLightDark) {
  const std::vector<std::uint8_t> levels = GradientLevels(246);
  ASSERT_EQ(levels.size(), 247u);
  EXPECT_EQ(levels[0], 0);
  EXPECT_EQ(levels[123], 220);
  EXPECT_EQ(levels[246], 0);
  EXPECT_EQ(levels[41], 110);  // sin(41 / (246 / 3.142)) = 0.5001
  EXPECT_TRUE(GradientLevels(0).empty());
}

TEST(SettingsDialog, PlacedCentredAtAThirdOfTheFreeHeight) {
  EXPECT_EQ(DialogPlace(1024, 768, 501, 275), (WindowPlace{261, 164}));
  EXPECT_EQ(DialogPlace(400, 300, 501, 275), (WindowPlace{-50, 8}));
}

// A code page with ASCII in one byte, kanji in two and nothing else; 255 bytes are read back.
TEST(SettingsDialog, ChosenPathIsStoredInAFormTheCodePageHoldsWhole) {
  const auto encode = [](const std::wstring& text) -> std::optional<std::string> {
    std::string bytes;
    for (wchar_t c : text) {
      if (c > 0x7F && c < 0x3000) return std::nullopt;
      bytes += c > 0x7F ? "\x90\xE1" : std::string(1, static_cast<char>(c));
    }
    return bytes;
  };
  const std::wstring shortForm = L"D:\\8E9C~1\\D5A3~1.MP3";
  const std::wstring fits = L"D:\\" + std::wstring(252, L'a');  // 255 bytes
  const std::wstring japanese = L"D:\\" + std::wstring(130, L'\u96EA') + L".mp3";
  EXPECT_EQ(StorablePath(L"D:\\Музыка\\снег.mp3", shortForm, encode), shortForm);
  EXPECT_EQ(StorablePath(L"D:\\Музыка\\снег.mp3", L"", encode), std::nullopt);
  EXPECT_EQ(StorablePath(fits, shortForm, encode), fits);
  EXPECT_EQ(StorablePath(fits + L"a", shortForm, encode), shortForm);
  EXPECT_EQ(StorablePath(japanese, L"", encode), std::nullopt);
}

// A stored file that cannot be opened now stays chosen with its source.
TEST(SettingsDialog, OpensWithAStoredFileThatIsOnlyOutOfReach) {
  const std::wstring gone = L"E:\\snow.mp3";
  EXPECT_EQ(ChoiceToOpenWith(kBgmNone, L"", {kBgmMusicFile, gone}),
            (OpeningChoice{kBgmMusicFile, gone, true}));
  EXPECT_EQ(ChoiceToOpenWith(kBgmAudioCd, L"", {kBgmAudioCd, gone}),
            (OpeningChoice{kBgmAudioCd, gone, true}));
  EXPECT_EQ(ChoiceToOpenWith(kBgmNone, L"", {kBgmMusicFile, L""}), (OpeningChoice{}));
}

}  // namespace
