#pragma once

#include <array>
#include <cstddef>

// The names the host, the renderer and the setup program must agree on: window titles each
// looks for, and the working bitmap the host writes and the renderer reads. The renderer speaks
// the ANSI calls and the host the wide ones, so a name both use has a wide twin made from it.
// The setup program's build reads the window titles from this file.

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

// Captions of the host's windows. A later start of the host refuses to run beside a saver run or
// an open settings dialog, and the setup program will not replace the programs under either;
// both find them by these titles. Only the host's wide calls make these windows.
inline constexpr wchar_t kSaverCaption[] = L"Driftmantle_Main";
inline constexpr wchar_t kSettingsCaption[] = L"<氷花灯>";
inline constexpr wchar_t kPreviewCaption[] = L"Preview Window";

// The drive letter is lower case because the renderer's error message shows this text.
inline constexpr char kWorkingFolder[] = "c:\\b_lorn";
inline constexpr char kWorkingBitmap[] = "c:\\b_lorn\\Driftmantle.bmp";
inline constexpr auto kWorkingFolderW = WidenAscii(kWorkingFolder);
inline constexpr auto kWorkingBitmapW = WidenAscii(kWorkingBitmap);

// The renderer's one argument: draw at every monitor's current mode instead of switching the
// primary display to 1024 x 768. Any other argument, or none, keeps the switch.
inline constexpr char kKeepDisplayModeArgument[] = "/keepmode";
inline constexpr auto kKeepDisplayModeArgumentW = WidenAscii(kKeepDisplayModeArgument);
