// What each shipped program says it is: the version resource the shell's Details page, Task
// Manager and security tools read, and the name Windows' screen-saver list shows, against the
// version line the settings dialog shows.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "program_folder.h"
#include "setup_program.h"
#include "shipped_names.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kTimeout = 20s;
constexpr wchar_t kVersionMark[] = L"Ver.";
constexpr wchar_t kProduct[] = L"氷花灯";

// The version the dialog's credit line ends with, read from the running dialog's labels.
std::wstring DialogVersion(HWND dialog) {
  const std::wstring line = TextOf(FindChild(
      dialog, [](HWND child) { return TextOf(child).find(kVersionMark) != std::wstring::npos; }));
  const std::size_t mark = line.rfind(kVersionMark);
  return mark == std::wstring::npos ? L"" : line.substr(mark + wcslen(kVersionMark));
}

// A program's version resource, read as the shell's Details page reads it.
class VersionResource {
 public:
  explicit VersionResource(const std::wstring& file)
      : data_(GetFileVersionInfoSizeW(file.c_str(), nullptr)) {
    if (!GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(data_.size()), data_.data())) {
      data_.clear();
    }
  }
  bool found() const { return !data_.empty(); }

  // "major.minor.patch" from the fixed part's file or product version; the fourth part must be 0.
  std::wstring FixedVersion(bool product) const {
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\"));
    if (fixed == nullptr) return L"";
    const DWORD high = product ? fixed->dwProductVersionMS : fixed->dwFileVersionMS;
    const DWORD low = product ? fixed->dwProductVersionLS : fixed->dwFileVersionLS;
    if (LOWORD(low) != 0) return L"fourth part " + std::to_wstring(LOWORD(low));
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
           std::to_wstring(HIWORD(low));
  }

  // A string of the first language the resource lists.
  std::optional<std::wstring> String(const wchar_t* name) const {
    const auto* languages = static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation"));
    if (languages == nullptr) return std::nullopt;
    wchar_t path[64] = {};
    swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", languages[0], languages[1], name);
    const auto* text = static_cast<const wchar_t*>(Query(path));
    return text == nullptr ? std::nullopt : std::optional<std::wstring>(text);
  }

 private:
  const void* Query(const wchar_t* path) const {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data_.data(), path, &value, &length) || length == 0) return nullptr;
    return value;
  }

  std::vector<char> data_;
};

TEST(ProgramVersionTest, EveryProgramSaysWhatItIsWithTheDialogsVersion) {
  ProgramFolder folder;
  ASSERT_TRUE(folder.created());
  for (const wchar_t* program : {kHostFile, kRendererFile}) {
    ASSERT_EQ(folder.Install(program), static_cast<DWORD>(ERROR_SUCCESS));
  }
  ChildProcess host = ChildProcess::Start(folder.PathOf(kHostFile), L"/c", folder.path());
  ASSERT_TRUE(host.started());
  const HWND dialog = WaitForTopLevelWindow(nullptr, kSettingsCaption, host.id(), kTimeout);
  ASSERT_NE(dialog, nullptr);
  std::wstring version;
  PollUntil(kTimeout, [&] { return !(version = DialogVersion(dialog)).empty(); });
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  ASSERT_FALSE(version.empty());

  std::vector<const wchar_t*> programs = {kHostFile, kRendererFile, kLauncherFile};
#ifdef WITH_SETUP_PROGRAM
  programs.push_back(kSetupFile);
#endif
  std::vector<std::wstring> descriptions;
  for (const wchar_t* program : programs) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(program)));
    const VersionResource resource(ExecutableFolder() + L"\\" + program);
    ASSERT_TRUE(resource.found());
    EXPECT_EQ(resource.FixedVersion(false), version);
    EXPECT_EQ(resource.FixedVersion(true), version);
    EXPECT_EQ(resource.String(L"FileVersion"), version);
    EXPECT_EQ(resource.String(L"ProductVersion"), version);
    EXPECT_EQ(resource.String(L"ProductName"), kProduct);
    // A description that says which of the programs this is.
    const std::wstring description = resource.String(L"FileDescription").value_or(L"");
    EXPECT_NE(description.find(kProduct), std::wstring::npos)
        << testing::PrintToString(description);
    for (const std::wstring& other : descriptions) EXPECT_NE(description, other);
    descriptions.push_back(description);
  }

  const HMODULE image = LoadLibraryExW(folder.PathOf(kHostFile).c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(image, nullptr);
  wchar_t name[64] = {};
  const int length = LoadStringW(image, 1, name, 64);
  FreeLibrary(image);
  EXPECT_EQ(std::wstring(name, length > 0 ? length : 0), kProduct);
  EXPECT_EQ(host.WaitForExit(kTimeout), 0u);
}

}  // namespace
