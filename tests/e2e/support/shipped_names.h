#pragma once

// The names by which the two programs meet each other, the user and Windows: files in the
// program folder, window titles other programs look for, and the working folder.
inline constexpr wchar_t kHostFile[] = L"氷花灯.scr";
inline constexpr wchar_t kRendererFile[] = L"氷花灯.dll";
inline constexpr wchar_t kSettingsFile[] = L"氷花灯.ini";
inline constexpr wchar_t kHostTitle[] = L"氷花灯 (ScreenSaver)";
inline constexpr wchar_t kRendererWindow[] = L"Driftmantle_VC";
inline constexpr wchar_t kSaverCaption[] = L"Driftmantle_Main";
inline constexpr wchar_t kPreviewCaption[] = L"Preview Window";
inline constexpr wchar_t kSettingsCaption[] = L"<氷花灯>";
inline constexpr wchar_t kWorkingFolder[] = L"C:\\b_lorn";
inline constexpr wchar_t kWorkingBitmap[] = L"C:\\b_lorn\\Driftmantle.bmp";
inline constexpr wchar_t kSetupFile[] = L"氷花灯-setup.exe";
// A settings file with 解像度切替 (code page 932) at 0, as the settings dialog writes it: every
// monitor keeps its mode during a run.
inline constexpr char kKeepModesSettings[] =
    "[Section]\r\n\x89\xF0\x91\x9C\x93\x78\x90\xD8\x91\xD6= 0\r\n";
