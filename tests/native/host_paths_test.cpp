#include <gtest/gtest.h>

#include "host_paths.h"

TEST(FolderOf, KeepsThePartUpToTheLastColonOrBackslash) {
  EXPECT_EQ(FolderOf(L"D:\\Music\\snow.mp3"), L"D:\\Music");
  EXPECT_EQ(FolderOf(L"C:\\snow.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"C:snow.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"snow.mp3"), L"");
  EXPECT_EQ(FolderOf(L""), L"");
  EXPECT_EQ(FolderOf(L"D:\\Music\\"), L"D:\\Music");
  EXPECT_EQ(FolderOf(L"\\\\server\\share\\a.wav"), L"\\\\server\\share");
  EXPECT_EQ(FolderOf(L"D:\\\u97f3\u697d\\\u96ea.mp3"), L"D:\\\u97f3\u697d");
  // Only the backslash separates folders.
  EXPECT_EQ(FolderOf(L"D:/Music/snow.mp3"), L"D:");
}

TEST(ProgramFolderOf, KeepsTheBackslashOnlyAtADriveRoot) {
  EXPECT_EQ(ProgramFolderOf(L"C:\\Windows\\\u6c37\u82b1\u706f.scr"), L"C:\\Windows");
  EXPECT_EQ(ProgramFolderOf(L"C:\\\u6c37\u82b1\u706f.scr"), L"C:\\");
  EXPECT_EQ(ProgramFolderOf(L"\\\\server\\share\\x.scr"), L"\\\\server\\share");
  // The settings file of a saver at a drive root gets a doubled backslash.
  EXPECT_EQ(SettingsFilePath(ProgramFolderOf(L"C:\\x.scr")), L"C:\\\\\u6c37\u82b1\u706f.ini");
  EXPECT_EQ(SettingsFilePath(L"C:\\Windows"), L"C:\\Windows\\\u6c37\u82b1\u706f.ini");
}
