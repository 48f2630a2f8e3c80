#pragma once

#include <string>

// The host's entry procedure: refuses to run beside an open saver run or settings dialog,
// prepares the working folder and the settings, checks for the renderer and hands over to the
// form the argument asks for. The program then lives as long as that form does.
void Main(const std::wstring& argumentText);

// Captions that mark a running saver and an open settings dialog for every later start.
inline constexpr wchar_t kSaverCaption[] = L"Driftmantle_Main";
inline constexpr wchar_t kSettingsCaption[] = L"<氷花灯>";
inline constexpr wchar_t kMissingRendererText[] = L"氷花灯.dll が同じﾌｫﾙﾀﾞに見つかりません！";
