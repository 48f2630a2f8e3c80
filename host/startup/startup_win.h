#pragma once

#include <string>

// The host's entry procedure: refuses to run beside an open saver run or settings dialog,
// prepares the working folder and the settings, checks for the renderer and hands over to the
// form the argument asks for. The program then lives as long as that form does.
void Main(const std::wstring& argumentText);

inline constexpr wchar_t kMissingRendererText[] = L"氷花灯.dll が同じﾌｫﾙﾀﾞに見つかりません！";
