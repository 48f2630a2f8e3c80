#pragma once

#include <string>
#include <string_view>

// Names appended unchanged to the program folder: at a drive root, whose folder keeps its
// backslash, the path gets a doubled backslash, which the system accepts.
inline constexpr wchar_t kSettingsFileName[] = L"\\氷花灯.ini";
inline constexpr wchar_t kRendererFileName[] = L"\\氷花灯.dll";

// The part of path up to its last ":" or "\", without a trailing backslash: "D:\Music\snow.mp3"
// gives "D:\Music", "C:\snow.mp3" and "C:snow.mp3" give "C:", a bare file name the empty text.
std::wstring FolderOf(std::wstring_view path);

// The settings file beside the host in programFolder.
std::wstring SettingsFilePath(std::wstring_view programFolder);
