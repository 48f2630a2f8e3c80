// The Start-menu entry's program, started from a program folder as the entry starts it, with the
// user's current screen saver set the ways Windows' own settings leave it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>

#include "program_folder.h"
#include "settings_launcher.h"
#include "setup_program.h"
#include "shipped_names.h"
#include "user_registry.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kTimeout = 20s;
constexpr wchar_t kAnotherSaver[] = L"C:\\Savers\\other.scr";

class SettingsLauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.created());
    for (const wchar_t* program : {kHostFile, kRendererFile, kLauncherFile}) {
      ASSERT_EQ(folder_.Install(program), static_cast<DWORD>(ERROR_SUCCESS));
    }
  }
  // Yes switches the saver on in the running session too; the registry values are put back
  // after this.
  void TearDown() override {
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, sessionSwitch_, nullptr, 0);
  }

  // Runs the launcher and expects its question, which names the saver in the language of the
  // user's interface, to offer both answers, and the settings dialog to open after it.
  void AnswerQuestion(int answer) {
    const LauncherRun run = RunLauncher(folder_.path(), answer, kTimeout);
    ASSERT_TRUE(run.question.has_value());
    EXPECT_NE(run.question->find(L"氷花灯"), std::wstring::npos);
    const bool japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    EXPECT_NE(run.question->find(japanese ? L"スクリーンセーバー" : L"screen saver"),
              std::wstring::npos)
        << testing::PrintToString(*run.question);
    EXPECT_TRUE(run.yesAndNo);
    EXPECT_TRUE(run.settingsShown);
    EXPECT_EQ(run.exitCode, 0u);
  }

  ProgramFolder folder_;
  const BOOL sessionSwitch_ = [] {
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active;
  }();
  SavedUserString currentSaver_{kDesktopKey, kCurrentSaver};
  SavedUserString saverActive_{kDesktopKey, kSaverActive};
};

// Another saver chosen: asked, and Yes makes this one current in the form setup writes, switched
// on; once current, no question. The settings dialog opens either way.
TEST_F(SettingsLauncherTest, YesMakesItTheCurrentSaverAgain) {
  ASSERT_TRUE(SetUserString(kDesktopKey, kCurrentSaver, kAnotherSaver));
  ASSERT_TRUE(SetUserString(kDesktopKey, kSaverActive, L"0"));
  AnswerQuestion(IDYES);
  EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), ShortPathOf(folder_.PathOf(kHostFile)));
  EXPECT_EQ(ReadUserString(kDesktopKey, kSaverActive), L"1");

  const LauncherRun again = RunLauncher(folder_.path(), IDNO, kTimeout);
  EXPECT_EQ(again.question, std::nullopt);
  EXPECT_TRUE(again.settingsShown);
}

// "(None)" chosen: asked, and No leaves the user's choice exactly as it was.
TEST_F(SettingsLauncherTest, NoLeavesNoSaverChosen) {
  ASSERT_TRUE(SetUserString(kDesktopKey, kCurrentSaver, std::nullopt));
  ASSERT_TRUE(SetUserString(kDesktopKey, kSaverActive, L"0"));
  AnswerQuestion(IDNO);
  EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), std::nullopt);
  EXPECT_EQ(ReadUserString(kDesktopKey, kSaverActive), L"0");
}

}  // namespace
