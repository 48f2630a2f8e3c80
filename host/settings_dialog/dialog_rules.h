#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_file.h"

// The settings dialog's decisions, free of the window system: what a music source lights and
// enables, how the repeat box's text becomes the stored number, which music choice the dialog
// opens with, where the panel pattern is copied, and the background's colour per row.

inline constexpr int kMusicSourceCount = 3;

// The marks lit and the controls that take input for a music source (BgmKind). A value outside
// the three sources lights nothing and enables nothing.
struct SourceLook {
  std::array<bool, kMusicSourceCount> markLit{};
  bool repeatEnabled = false;
  bool fileButtonEnabled = false;
  bool operator==(const SourceLook&) const = default;
};
SourceLook LookOfSource(std::int16_t bgmKind);

// The repeat box's list: the numbers 0 to 30 in the "##" pattern, an empty entry first.
std::vector<std::wstring> RepeatChoices();

// The track number stored for the repeat box's text: a numeric text rounded half to even, and 0
// for anything else. A number outside the 16-bit range counts as not numeric, since no track
// could carry it. Full-width characters, as a Japanese input method types them, count as their
// ASCII forms.
std::int16_t RepeatFromText(std::wstring_view text);

// The text with the full-width forms of ASCII characters (and the ideographic space and the
// minus sign U+2212) turned into ASCII.
std::wstring NarrowFullWidth(std::wstring_view text);

// The music choice the dialog opens with. A stored file that cannot be opened now (a drive not
// connected) stays chosen, with its source, so that confirming the dialog does not erase it;
// missing tells the dialog to say that the file cannot be found.
struct OpeningChoice {
  std::int16_t kind = 0;
  std::wstring file;
  bool missing = false;
  bool operator==(const OpeningChoice&) const = default;
};
OpeningChoice ChoiceToOpenWith(std::int16_t loadedKind, const std::wstring& loadedFile,
                               const StoredMusic& stored);

// The mark "画面の解像度を変えない" is lit when a run keeps the desktop's mode (ResolutionSwitch
// 0); a press turns it over.
bool KeepsDesktopMode(std::int16_t resolutionSwitch);
std::int16_t ToggledResolutionSwitch(std::int16_t resolutionSwitch);

// Where TilePanel copies the pattern, column by column from the top left: down each column
// until a copy lies below the panel, then one column to the right, until a column starts right
// of the panel.
struct TilePosition {
  int x = 0;
  int y = 0;
  bool operator==(const TilePosition&) const = default;
};
std::vector<TilePosition> TilePositions(int panelWidth, int panelHeight, int patternWidth,
                                        int patternHeight);

// The grey level v of each background row 0 to height inclusive, drawn as RGB(v, v, v + 30):
// |220 sin(y / (height / 3.142))| rounded half to even, dark at the edges and light between.
std::vector<std::uint8_t> GradientLevels(int clientHeight);
inline constexpr int kGradientBlueLift = 30;

// The top left of a window of the given size: centred across the screen, one third of the free
// height down.
struct WindowPlace {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPlace&) const = default;
};
WindowPlace DialogPlace(int screenWidth, int screenHeight, int width, int height);

// How a chosen music file is stored in the settings file, whose text is in the system's ANSI
// code page and read back in at most kIniValueMaxBytes: the path itself when the code page holds
// it and the reader takes it whole, else its short form when that is so; nullopt when neither
// is, and the choice must be refused rather than stored damaged. encode gives a text's bytes in
// the code page, nullopt when the code page lacks a character; shortForm is empty when the
// volume keeps no short names.
template <typename Encode>
std::optional<std::wstring> StorablePath(const std::wstring& path, const std::wstring& shortForm,
                                         Encode encode) {
  const auto storedWhole = [&](const std::wstring& text) {
    const std::optional<std::string> bytes = encode(text);
    return bytes.has_value() && bytes->size() <= kIniValueMaxBytes;
  };
  if (storedWhole(path)) return path;
  if (!shortForm.empty() && storedWhole(shortForm)) return shortForm;
  return std::nullopt;
}
