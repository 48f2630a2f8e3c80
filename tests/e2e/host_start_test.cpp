// Drives the built host as Windows does: started with a screensaver argument from its own
// folder, watched through the windows it makes, the folders it leaves and its exit code.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "child_process.h"
#include "deadline.h"
#include "marker_window.h"
#include "message_box.h"
#include "program_folder.h"
#include "shipped_names.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kExitTimeout = 10s;

class HostStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.created());
    ASSERT_EQ(folder_.Install(kHostFile), static_cast<DWORD>(ERROR_SUCCESS));
  }

  void InstallRenderer() {
    ASSERT_EQ(folder_.Install(kRendererFile), static_cast<DWORD>(ERROR_SUCCESS));
  }

  ChildProcess StartHost(const std::wstring& argument) {
    ChildProcess host = ChildProcess::Start(folder_.PathOf(kHostFile), argument, folder_.path());
    EXPECT_TRUE(host.started()) << "CreateProcessW failed with " << host.startError();
    return host;
  }

  // The missing-renderer box, with its exact text; pressing OK must end the program.
  void ExpectMissingRendererBoxThenEnd(const std::wstring& argument) {
    ChildProcess host = StartHost(argument);
    const HWND box = WaitForMessageBox(kHostTitle, host.id(), 10000ms);
    ASSERT_NE(box, nullptr) << "no box for " << testing::PrintToString(argument);
    EXPECT_EQ(MessageText(box), L"氷花灯.dll が同じﾌｫﾙﾀﾞに見つかりません！");
    EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & WS_CHILD, 0);
    // One OK button and no icon: the only controls are the button and the text.
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    ASSERT_TRUE(PressOk(box));
    EXPECT_EQ(host.WaitForExit(kExitTimeout), 0u);
  }

  ProgramFolder folder_;
};

TEST_F(HostStartTest, MissingRendererIsReportedThenTheProgramEnds) {
  ExpectMissingRendererBoxThenEnd(L"/s");
  // An unknown argument still runs the start-up checks.
  ExpectMissingRendererBoxThenEnd(L"/a");
}

TEST_F(HostStartTest, UnknownArgumentCreatesTheWorkingFolderAndEnds) {
  InstallRenderer();
  ChildProcess host = StartHost(L"/a");
  EXPECT_EQ(host.WaitForExit(kExitTimeout), 0u);
  EXPECT_TRUE(FolderExists(kWorkingFolder));
  EXPECT_EQ(FindTopLevelWindow(nullptr, kHostTitle, 0), nullptr);
}

// An open saver run or settings dialog of another copy ends every new start at once, before it
// shows anything or touches the working folder; a preview window does not count.
TEST_F(HostStartTest, OpenSaverOrSettingsCaptionEndsEveryMode) {
  const bool folderBefore = FolderExists(kWorkingFolder);
  for (const wchar_t* marker : {L"Driftmantle_Main", L"<氷花灯>"}) {
    MarkerWindow open(marker);
    ASSERT_NE(open.window(), nullptr);
    MarkerWindow previewArea(L"Preview area");
    const std::wstring previewArgument =
        L"/p " + std::to_wstring(reinterpret_cast<UINT_PTR>(previewArea.window()));
    for (const std::wstring& argument :
         {std::wstring(L"/s"), std::wstring(L"/c"), std::wstring(L""), previewArgument}) {
      ChildProcess host = StartHost(argument);
      EXPECT_EQ(host.WaitForExit(kExitTimeout), 0u)
          << testing::PrintToString(argument) << " beside " << testing::PrintToString(marker);
      // No renderer is installed: had the start-up gone on, its box would have been shown.
      EXPECT_EQ(FindTopLevelWindow(nullptr, kHostTitle, 0), nullptr);
      EXPECT_EQ(FindWindowExW(previewArea.window(), nullptr, nullptr, L"Preview Window"), nullptr);
    }
  }
  EXPECT_EQ(FolderExists(kWorkingFolder), folderBefore);

  // A preview's caption is no marker: the start-up goes on and reports the missing renderer.
  MarkerWindow preview(L"Preview Window");
  ExpectMissingRendererBoxThenEnd(L"/s");
}

}  // namespace
