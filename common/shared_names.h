#pragma once

#include <array>
#include <cstddef>

// The only names the host and the renderer share: the renderer's window, which the host looks
// for by title, and the working bitmap the host writes and the renderer reads. The renderer
// speaks the ANSI calls and the host the wide ones, so each name has a wide twin made from it.

// ASCII text widened at compile time, so the two spellings cannot drift apart.
template <std::size_t N>
constexpr std::array<wchar_t, N> WidenAscii(const char (&text)[N]) {
  std::array<wchar_t, N> wide{};
  for (std::size_t i = 0; i < N; ++i) wide[i] = static_cast<wchar_t>(text[i]);
  return wide;
}

// Class and title of the renderer's window.
inline constexpr char kRendererWindowTitle[] = "Driftmantle_VC";
inline constexpr auto kRendererWindowTitleW = WidenAscii(kRendererWindowTitle);

// The drive letter is lower case because the renderer's error message shows this text.
inline constexpr char kWorkingFolder[] = "c:\\b_lorn";
inline constexpr char kWorkingBitmap[] = "c:\\b_lorn\\Driftmantle.bmp";
inline constexpr auto kWorkingFolderW = WidenAscii(kWorkingFolder);
inline constexpr auto kWorkingBitmapW = WidenAscii(kWorkingBitmap);

// The renderer's one argument: draw at every monitor's current mode instead of switching the
// primary display to 1024 x 768. Any other argument, or none, keeps the switch.
inline constexpr char kKeepDisplayModeArgument[] = "/keepmode";
inline constexpr auto kKeepDisplayModeArgumentW = WidenAscii(kKeepDisplayModeArgument);
