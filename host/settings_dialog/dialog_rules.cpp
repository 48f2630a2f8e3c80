#include "settings_dialog/dialog_rules.h"

#include <cmath>

#include "forms/number_text.h"
#include "host_state.h"

namespace {

constexpr int kRepeatChoiceCount = 31;
constexpr double kGradientPeak = 220.0;
// Not quite pi: the rows at the bottom edge come out a shade lighter than at the top.
constexpr double kGradientHalfTurn = 3.142;

// The full-width block mirrors ASCII 0x21 to 0x7E at a fixed distance.
constexpr wchar_t kFullWidthFirst = 0xFF01;
constexpr wchar_t kFullWidthLast = 0xFF5E;
constexpr wchar_t kFullWidthOffset = 0xFF01 - 0x21;
constexpr wchar_t kIdeographicSpace = 0x3000;
constexpr wchar_t kMinusSign = 0x2212;

wchar_t NarrowCharacter(wchar_t c) {
  if (c >= kFullWidthFirst && c <= kFullWidthLast)
    return static_cast<wchar_t>(c - kFullWidthOffset);
  if (c == kIdeographicSpace) return L' ';
  if (c == kMinusSign) return L'-';
  return c;
}

}  // namespace

SourceLook LookOfSource(std::int16_t bgmKind) {
  SourceLook look;
  if (bgmKind >= 0 && bgmKind < kMusicSourceCount) look.markLit[bgmKind] = true;
  look.repeatEnabled = bgmKind == kBgmAudioCd;
  look.fileButtonEnabled = bgmKind == kBgmMusicFile;
  return look;
}

std::vector<std::wstring> RepeatChoices() {
  std::vector<std::wstring> choices;
  for (int number = 0; number < kRepeatChoiceCount; ++number) {
    choices.push_back(FormatDigitsOrEmpty(number));
  }
  return choices;
}

std::int16_t RepeatFromText(std::wstring_view text) {
  const std::optional<double> number = ParseNumber(NarrowFullWidth(text));
  if (!number) return 0;
  return ToInteger16(*number).value_or(0);
}

std::wstring NarrowFullWidth(std::wstring_view text) {
  std::wstring narrow;
  narrow.reserve(text.size());
  for (const wchar_t c : text) narrow.push_back(NarrowCharacter(c));
  return narrow;
}

OpeningChoice ChoiceToOpenWith(std::int16_t loadedKind, const std::wstring& loadedFile,
                               const StoredMusic& stored) {
  // Loading drops only a file it could not open, and with it a file source.
  if (!loadedFile.empty() || stored.file.empty()) return {loadedKind, loadedFile, false};
  return {stored.kind, stored.file, true};
}

bool KeepsDesktopMode(std::int16_t resolutionSwitch) {
  return resolutionSwitch == kKeepDisplayModes;
}

std::int16_t ToggledResolutionSwitch(std::int16_t resolutionSwitch) {
  return KeepsDesktopMode(resolutionSwitch) ? kSwitchDisplayMode : kKeepDisplayModes;
}

std::vector<TilePosition> TilePositions(int panelWidth, int panelHeight, int patternWidth,
                                        int patternHeight) {
  std::vector<TilePosition> positions;
  // A pattern without size would never leave the first column.
  if (patternWidth <= 0 || patternHeight <= 0) return positions;
  int x = 0;
  int y = 0;
  for (;;) {
    positions.push_back({x, y});
    if (y > panelHeight) {
      if (x > panelWidth) break;
      x += patternWidth;
      y = 0;
    } else {
      y += patternHeight;
    }
  }
  return positions;
}

std::vector<std::uint8_t> GradientLevels(int clientHeight) {
  std::vector<std::uint8_t> levels;
  // A window without height has no rows to divide the half turn over.
  if (clientHeight <= 0) return levels;
  const double rowsPerRadian = clientHeight / kGradientHalfTurn;
  for (int y = 0; y <= clientHeight; ++y) {
    const double level = std::abs(kGradientPeak * std::sin(y / rowsPerRadian));
    levels.push_back(static_cast<std::uint8_t>(RoundHalfEven(level)));
  }
  return levels;
}

WindowPlace DialogPlace(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 3};
}
