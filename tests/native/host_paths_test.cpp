#include <gtest/gtest.h>

#include "forms/program_folder.h"
#include "host_paths.h"

TEST(HostPaths, FolderOfKeepsThePartUpToTheLastColonOrBackslash) {
  EXPECT_EQ(FolderOf(L"D:\\Music\\snow.mp3"), L"D:\\Music");
  EXPECT_EQ(FolderOf(L"C:\\snow.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"C:snow.mp3"), L"C:");
  EXPECT_EQ(FolderOf(L"snow.mp3"), L"");
  EXPECT_EQ(FolderOf(L"D:\\Music\\"), L"D:\\Music");
  EXPECT_EQ(FolderOf(L"D:/Music/snow.mp3"), L"D:");
}

TEST(HostPaths, ProgramFolderKeepsItsBackslashOnlyAtADriveRoot) {
  EXPECT_EQ(ProgramFolderOf(L"C:\\Windows\\x.scr"), L"C:\\Windows");
  EXPECT_EQ(ProgramFolderOf(L"C:\\x.scr"), L"C:\\");
  EXPECT_EQ(SettingsFilePath(ProgramFolderOf(L"C:\\x.scr")), L"C:\\\\\u6c37\u82b1\u706f.ini");
}
