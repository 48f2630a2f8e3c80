// The per-user setup program, run as a user and the system run it: silently with /S, over an
// earlier install, and uninstalled through the entry it leaves in the user's app list.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <chrono>
#include <string>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "file_bytes.h"
#include "marker_window.h"
#include "message_box.h"
#include "program_folder.h"
#include "scoped_handle_win.h"
#include "settings_launcher.h"
#include "setup_program.h"
#include "shell_link.h"
#include "shipped_names.h"
#include "user_registry.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kRendererTimeout = 20s;
constexpr auto kExitTimeout = 10s;
constexpr auto kUninstallTimeout = 60s;
// A settings file as a user leaves it after editing by hand: code page 932 key names, a comment,
// a blank after the equals sign, a section of their own and no line break at the end.
constexpr char kHandEditedSettings[] =
    "; snow with my music\r\n[Section]\r\nBGM\x8B\xE6\x95\xAA= 2\r\n"
    "BGM\xCC\xA7\xB2\xD9=C:\\Music\\snow.mp3\r\n\r\n[Mine]\r\nnote=keep";

// The control that shows the setup pages' status line.
constexpr int kStatusLineId = 1006;

// A folder the user chose with /D= instead of the default one.
constexpr wchar_t kChosenParent[] = L"C:\\Savers";
constexpr wchar_t kChosenFolder[] = L"C:\\Savers\\氷花灯";

std::wstring Installed(const wchar_t* file, const std::wstring& folder = InstallFolder()) {
  return folder + L"\\" + file;
}

// A message box shown over owner: a visible dialog window that owner owns, with an OK button.
HWND WaitForBoxOver(HWND owner) {
  HWND found = nullptr;
  PollUntil(kUninstallTimeout, [&] {
    for (HWND window = nullptr;
         (window = FindWindowExW(nullptr, window, L"#32770", nullptr)) != nullptr;) {
      if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window) &&
          GetDlgItem(window, IDOK) != nullptr) {
        found = window;
      }
    }
    return found != nullptr;
  });
  return found;
}

// A file held open for reading with no delete sharing, as a virus scanner or an indexer may.
ScopedHandle HoldFile(const std::wstring& path) {
  return ScopedHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
}

// Waits until the pages' button with this id can be pressed; false when it could not in time.
bool WaitUntilEnabled(HWND pages, int id) {
  return PollUntil(kUninstallTimeout, [&] { return IsWindowEnabled(GetDlgItem(pages, id)); });
}

std::vector<char> Built(const wchar_t* file) {
  return ReadFileBytes(ExecutableFolder() + L"\\" + file);
}

std::string FileText(const std::wstring& path) {
  const std::vector<char> bytes = ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

class SetupTest : public ::testing::Test {
 protected:
  // The tests install into the user's real programs folder and remove what is there, so they
  // stay away from a machine where 氷花灯 was installed before they began. Asked once, before
  // the first test: what an earlier test of this run left behind must fail, not skip.
  void SetUp() override {
    static const bool installedBefore =
        UserKeyExists(kUninstallKey) || PathExists(InstallFolder()) || PathExists(StartMenuEntry());
    if (installedBefore) GTEST_SKIP() << "氷花灯 is installed on this machine";
    ASSERT_TRUE(PathExists(ExecutableFolder() + L"\\" + kSetupFile));
    skipped_ = false;
  }

  // What a test installed goes again, so the user's own machine is left as it was, even after a
  // failed assertion: then what the uninstaller keeps by design, a settings file in the chosen
  // folder and an uninstaller run in place from the default one, and the folders they held.
  void TearDown() override {
    if (skipped_) return;
    if (UserKeyExists(kUninstallKey)) RunQuietUninstall();
    DeleteFileW(Installed(kSettingsFile, kChosenFolder).c_str());
    DeleteFileW(Installed(kEarlierUninstallerFile, kChosenFolder).c_str());
    RemoveDirectoryW(kChosenFolder);
    RemoveDirectoryW(kChosenParent);
    DeleteFileW(Installed(kUninstallerFile).c_str());
    RemoveDirectoryW(InstallFolder().c_str());
  }

  void ExpectInstalledProgramsAreTheBuiltOnes(const std::wstring& folder = InstallFolder()) {
    for (const wchar_t* program : {kHostFile, kRendererFile, kLauncherFile}) {
      EXPECT_EQ(ReadFileBytes(Installed(program, folder)), Built(program))
          << testing::PrintToString(std::wstring(program));
    }
  }

  bool skipped_ = true;
  SavedUserString currentSaver_{kDesktopKey, kCurrentSaver};
  SavedUserString saverActive_{kDesktopKey, kSaverActive};
};

TEST_F(SetupTest, SilentInstallMakesItTheCurrentSaverWithAnUninstallEntry) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  ExpectInstalledProgramsAreTheBuiltOnes();

  // The current saver in the form Windows stores, switched on.
  const std::wstring host = Installed(kHostFile);
  const std::optional<std::wstring> saver = ReadUserString(kDesktopKey, kCurrentSaver);
  ASSERT_TRUE(saver.has_value());
  EXPECT_EQ(*saver, ShortPathOf(host));
  EXPECT_EQ(ReadUserString(kDesktopKey, kSaverActive), L"1");

  const std::wstring uninstaller = L"\"" + Installed(kUninstallerFile) + L"\"";
  EXPECT_EQ(ReadUserString(kUninstallKey, L"DisplayName"), L"氷花灯");
  EXPECT_EQ(ReadUserString(kUninstallKey, L"DisplayVersion"), L"1.0.0");
  EXPECT_NE(ReadUserString(kUninstallKey, L"Publisher").value_or(L""), L"");
  EXPECT_EQ(ReadUserString(kUninstallKey, L"DisplayIcon"), host + L",0");
  EXPECT_EQ(ReadUserString(kUninstallKey, L"UninstallString"), uninstaller);
  EXPECT_EQ(ReadUserString(kUninstallKey, L"QuietUninstallString"), uninstaller + L" /S");
  EXPECT_TRUE(PathExists(Installed(kUninstallerFile)));
  const std::size_t programBytes = Built(kHostFile).size() + Built(kRendererFile).size();
  EXPECT_GE(ReadUserDword(kUninstallKey, L"EstimatedSize").value_or(0), programBytes / 1024);

  // The Start-menu entry started as the shell starts its target opens the settings.
  const std::optional<ShellLinkTarget> entry = ReadShellLink(StartMenuEntry());
  ASSERT_TRUE(entry.has_value());
  const ShellLinkTarget opened = AsShellOpens(*entry);
  {
    ChildProcess settings = ChildProcess::Start(opened.path, opened.arguments, InstallFolder());
    ASSERT_TRUE(settings.started()) << settings.startError();
    const HWND dialog = WaitForTopLevelWindow(nullptr, kSettingsCaption, 0, kRendererTimeout);
    ASSERT_NE(dialog, nullptr) << testing::PrintToString(opened.path + L" " + opened.arguments);
    EXPECT_EQ(FindTopLevelWindow(nullptr, kRendererWindow, 0), nullptr);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForNoTopLevelWindow(nullptr, kSettingsCaption, 0, kExitTimeout));
  }

  // Started from the stored value as Windows starts the saver, the host runs the renderer.
  ChildProcess run = ChildProcess::Start(*saver, L"/s", InstallFolder());
  ASSERT_TRUE(run.started()) << run.startError();
  const HWND renderer =
      WaitForTopLevelWindow(kRendererWindow, kRendererWindow, 0, kRendererTimeout);
  ASSERT_NE(renderer, nullptr);
  PostMessageW(renderer, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.WaitForExit(kExitTimeout), 0u);
}

// The earlier install went into a folder of the user's choice, and a later setup without /D=
// finds it there. The programs are replaced even while the saver runs, and never while the
// settings dialog is open; the user's settings file stays byte for byte either way, and the
// current saver the user has picked since stays theirs.
TEST_F(SetupTest, InstallOverAnEarlierOneReplacesTheProgramsAndKeepsTheSettings) {
  ASSERT_EQ(RunSetup(std::wstring(L"/S /D=") + kChosenFolder), 0u);
  WriteFileBytes(Installed(kSettingsFile, kChosenFolder), kHandEditedSettings);
  const std::wstring anotherSaver = L"C:\\Savers\\other.scr";
  ASSERT_TRUE(SetUserString(kDesktopKey, kCurrentSaver, anotherSaver));
  // An earlier build: bytes after the end of the image change the file, not how it runs.
  for (const wchar_t* program : {kHostFile, kRendererFile}) {
    std::vector<char> earlier = ReadFileBytes(Installed(program, kChosenFolder));
    earlier.insert(earlier.end(), {'o', 'l', 'd'});
    WriteFileBytes(Installed(program, kChosenFolder), std::string(earlier.begin(), earlier.end()));
  }
  const std::vector<char> earlierHost = ReadFileBytes(Installed(kHostFile, kChosenFolder));
  const std::vector<char> earlierRenderer = ReadFileBytes(Installed(kRendererFile, kChosenFolder));

  ChildProcess run = ChildProcess::Start(Installed(kHostFile, kChosenFolder), L"/s", kChosenFolder);
  ASSERT_NE(WaitForTopLevelWindow(kRendererWindow, kRendererWindow, 0, kRendererTimeout), nullptr);
  {
    MarkerWindow settingsDialog(kSettingsCaption);
    ASSERT_NE(settingsDialog.window(), nullptr);
    EXPECT_EQ(RunSetup(L"/S"), 2u);
    EXPECT_EQ(ReadFileBytes(Installed(kHostFile, kChosenFolder)), earlierHost);
    EXPECT_EQ(ReadFileBytes(Installed(kRendererFile, kChosenFolder)), earlierRenderer);
  }

  ASSERT_EQ(RunSetup(L"/S"), 0u);
  EXPECT_EQ(run.WaitForExit(kExitTimeout), 0u);
  EXPECT_EQ(FindTopLevelWindow(nullptr, kRendererWindow, 0), nullptr);
  ExpectInstalledProgramsAreTheBuiltOnes(kChosenFolder);
  EXPECT_FALSE(PathExists(InstallFolder()));
  EXPECT_EQ(ReadUserString(kUninstallKey, L"InstallLocation"), kChosenFolder);
  const std::vector<char> settings = ReadFileBytes(Installed(kSettingsFile, kChosenFolder));
  EXPECT_EQ(std::string(settings.begin(), settings.end()), kHandEditedSettings);
  EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), anotherSaver);

  EXPECT_TRUE(RunQuietUninstall());
}

// A second copy put elsewhere with /D= takes over the uninstall and Start-menu entries; the
// first copy's uninstaller removes its own programs and leaves the entries to the second.
TEST_F(SetupTest, UninstallingAnEarlierCopyLeavesTheLaterCopysEntries) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  ASSERT_EQ(RunSetup(std::wstring(L"/S /D=") + kChosenFolder), 0u);
  const ChildProcess uninstaller = ChildProcess::Start(
      Installed(kUninstallerFile), L"/S _?=" + InstallFolder(), InstallFolder());
  EXPECT_EQ(uninstaller.WaitForExit(kUninstallTimeout), 0u);
  EXPECT_FALSE(PathExists(Installed(kHostFile)));
  EXPECT_EQ(ReadUserString(kUninstallKey, L"InstallLocation"), kChosenFolder);
  EXPECT_TRUE(PathExists(StartMenuEntry()));

  ASSERT_TRUE(RunQuietUninstall());
  EXPECT_FALSE(PathExists(StartMenuEntry()));
  EXPECT_FALSE(PathExists(kChosenFolder));
}

// Whether setup's pages offer the current-saver option ticked: the state image of the second
// entry in the components page's list (1 unticked, 2 ticked). Nothing when the page did not show.
std::optional<int> CurrentSaverOptionState() {
  const std::wstring folder = ExecutableFolder();
  const ChildProcess setup = ChildProcess::Start(folder + L"\\" + kSetupFile, L"", folder);
  const HWND pages = WaitForTopLevelWindow(L"#32770", nullptr, setup.id(), kUninstallTimeout);
  if (pages == nullptr || !WaitUntilEnabled(pages, IDOK)) return std::nullopt;
  PressOk(pages);
  HWND list = nullptr;
  PollUntil(kUninstallTimeout, [&] {
    list = FindWindowExW(FindWindowExW(pages, nullptr, L"#32770", nullptr), nullptr,
                         L"SysTreeView32", nullptr);
    return list != nullptr;
  });
  std::optional<int> state;
  if (list != nullptr) {
    const LPARAM first = SendMessageW(list, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    const LPARAM second = SendMessageW(list, TVM_GETNEXTITEM, TVGN_NEXT, first);
    state =
        static_cast<int>(SendMessageW(list, TVM_GETITEMSTATE, second, TVIS_STATEIMAGEMASK) >> 12);
  }
  PressBoxButton(pages, IDCANCEL);
  setup.WaitForExit(kExitTimeout);
  return state;
}

// An update keeps the user's choice: this saver, still current in whichever form the earlier
// setup left, is written anew in the form Windows stores and switched on; "(None)", which
// deletes the value and switches the saver off, stays none. Interactively the option starts
// ticked or not to match.
TEST_F(SetupTest, AnUpdateKeepsTheUsersChoiceOfSaver) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  const std::wstring host = Installed(kHostFile);
  const struct {
    std::optional<std::wstring> storedBefore;
    std::optional<std::wstring> storedAfter;
    const wchar_t* activeAfter;
    int optionState;
  } rows[] = {
      {host, ShortPathOf(host), L"1", 2},
      {std::nullopt, std::nullopt, L"0", 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::PrintToString(row.storedBefore.value_or(L"(None)")));
    ASSERT_TRUE(SetUserString(kDesktopKey, kCurrentSaver, row.storedBefore));
    ASSERT_TRUE(SetUserString(kDesktopKey, kSaverActive, L"0"));
    EXPECT_EQ(CurrentSaverOptionState(), row.optionState);
    ASSERT_EQ(RunSetup(L"/S"), 0u);
    EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), row.storedAfter);
    EXPECT_EQ(ReadUserString(kDesktopKey, kSaverActive), row.activeAfter);
  }
}

// The status line of the pages' work page: what the last step did, or how the work ended.
std::wstring StatusLine(HWND pages) {
  return TextOf(FindChild(pages, [](HWND child) { return GetDlgCtrlID(child) == kStatusLineId; }));
}

// What the uninstaller's pages showed in a run that failed.
struct FailedUninstall {
  std::wstring box;         // the box that names the files
  std::wstring statusLine;  // the work page's last line
  bool onlyCancel = false;  // the pages could be left by Cancel alone
  std::optional<DWORD> exitCode;
};

// Runs the uninstaller in place (_?=, so the exit code is its own) with its pages, presses
// Uninstall, accepts the box a failed run shows and leaves by Cancel. What did not come in time
// stays empty.
FailedUninstall RunShownUninstallThatFails() {
  FailedUninstall run;
  const ChildProcess shown =
      ChildProcess::Start(Installed(kUninstallerFile), L"_?=" + InstallFolder(), L"");
  const HWND pages = WaitForTopLevelWindow(L"#32770", nullptr, shown.id(), kUninstallTimeout);
  // The pages' one forward button: Uninstall on the first page, Close once the work is done.
  if (pages == nullptr || !WaitUntilEnabled(pages, IDOK) || !PressOk(pages)) return run;
  const HWND box = WaitForBoxOver(pages);
  if (box == nullptr) return run;
  run.box = MessageText(box);
  PressOk(box);
  if (!WaitUntilEnabled(pages, IDCANCEL)) return run;
  run.onlyCancel = !IsWindowEnabled(GetDlgItem(pages, IDOK));
  run.statusLine = StatusLine(pages);
  PressBoxButton(pages, IDCANCEL);
  run.exitCode = shown.WaitForExit(kExitTimeout);
  return run;
}

// A program file the uninstaller cannot delete (held open by something that shares no delete)
// is named in a box and the uninstall ends on a page that says it failed; nothing is removed, not
// the other programs, the current-saver setting or either entry, so the saver works on and the
// uninstall can be run again once the file is free. Silently, only the exit code tells. Run in
// place (_?=) so the exit code is the uninstall's own.
TEST_F(SetupTest, AnUninstallThatCannotDeleteAProgramFileChangesNothing) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  const std::optional<std::wstring> saver = ReadUserString(kDesktopKey, kCurrentSaver);
  ASSERT_EQ(saver, ShortPathOf(Installed(kHostFile)));
  {
    const ScopedHandle renderer = HoldFile(Installed(kRendererFile));
    ASSERT_TRUE(renderer.valid());
    const FailedUninstall shown = RunShownUninstallThatFails();
    EXPECT_NE(shown.box.find(Installed(kRendererFile)), std::wstring::npos)
        << testing::PrintToString(shown.box);
    // A failed run leaves only Cancel to leave the pages by, under a header that says so.
    EXPECT_TRUE(shown.onlyCancel);
    EXPECT_NE(shown.statusLine.find(kRendererFile), std::wstring::npos)
        << testing::PrintToString(shown.statusLine);
    EXPECT_EQ(shown.exitCode, kUninstallLeftProgramFiles);

    const ChildProcess silent =
        ChildProcess::Start(Installed(kUninstallerFile), L"/S _?=" + InstallFolder(), L"");
    EXPECT_EQ(silent.WaitForExit(kUninstallTimeout), kUninstallLeftProgramFiles);
    ExpectInstalledProgramsAreTheBuiltOnes();
    EXPECT_TRUE(PathExists(Installed(kUninstallerFile)));
    EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), saver);
    EXPECT_TRUE(PathExists(StartMenuEntry()));
    EXPECT_TRUE(UserKeyExists(kUninstallKey));
  }
  ASSERT_TRUE(RunQuietUninstall());
  EXPECT_FALSE(PathExists(InstallFolder()));
  EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), std::nullopt);
}

// A program file left moved aside by an uninstall that stopped halfway, and not deletable now: run
// from there (a running program can be renamed but not deleted) or held open without delete
// sharing. The running one is given its name back, the held one stays as it is; either way the
// uninstall fails after deleting the other programs, and the setting and both entries stay, so
// it can be run again once the file is free.
TEST_F(SetupTest, AnUninstallThatCannotDeleteAFileMovedAsideKeepsTheEntries) {
  const std::wstring aside = Installed(kLauncherFile) + L".uninstalling";
  for (const bool running : {true, false}) {
    SCOPED_TRACE(running ? "running" : "held open");
    ASSERT_EQ(RunSetup(L"/S"), 0u);
    ASSERT_TRUE(MoveFileW(Installed(kLauncherFile).c_str(), aside.c_str()));
    ChildProcess launcher;
    ScopedHandle held;
    if (running) {
      // With another saver current it waits in its question.
      ASSERT_TRUE(SetUserString(kDesktopKey, kCurrentSaver, L"C:\\Savers\\other.scr"));
      launcher = ChildProcess::Start(aside, L"", InstallFolder());
      ASSERT_NE(WaitForMessageBox(kLauncherTitle, launcher.id(), kRendererTimeout), nullptr);
    } else {
      held = HoldFile(aside);
      ASSERT_TRUE(held.valid());
    }
    const std::optional<std::wstring> saver = ReadUserString(kDesktopKey, kCurrentSaver);
    std::optional<DWORD> exitCode;
    if (running) {
      exitCode = ChildProcess::Start(Installed(kUninstallerFile), L"/S _?=" + InstallFolder(), L"")
                     .WaitForExit(kUninstallTimeout);
    } else {
      // The box names it where it stays.
      const FailedUninstall shown = RunShownUninstallThatFails();
      EXPECT_NE(shown.box.find(aside), std::wstring::npos) << testing::PrintToString(shown.box);
      exitCode = shown.exitCode;
    }
    EXPECT_EQ(exitCode, kUninstallLeftProgramFiles);
    EXPECT_FALSE(PathExists(Installed(kHostFile)));
    EXPECT_EQ(PathExists(Installed(kLauncherFile)), running);
    EXPECT_EQ(PathExists(aside), !running);
    EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), saver);
    EXPECT_TRUE(PathExists(StartMenuEntry()));
    EXPECT_TRUE(UserKeyExists(kUninstallKey));
    launcher = ChildProcess();
    held = ScopedHandle();
    ASSERT_TRUE(RunQuietUninstall());
    EXPECT_FALSE(PathExists(InstallFolder()));
  }
}

// A folder chosen with /D= may hold another program's uninstall.exe. Ours has a name of its own,
// so that file is neither overwritten by setup nor deleted by our uninstall. An install by an
// earlier setup, whose entry names its uninstall.exe, moves to the new name, entry and all.
TEST_F(SetupTest, AnotherProgramsUninstallerIsNeverTakenForOurs) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  ASSERT_TRUE(
      MoveFileW(Installed(kUninstallerFile).c_str(), Installed(kEarlierUninstallerFile).c_str()));
  const std::wstring earlier = L"\"" + Installed(kEarlierUninstallerFile) + L"\"";
  ASSERT_TRUE(SetUserString(kUninstallKey, L"UninstallString", earlier));
  ASSERT_TRUE(SetUserString(kUninstallKey, L"QuietUninstallString", earlier + L" /S"));
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  EXPECT_FALSE(PathExists(Installed(kEarlierUninstallerFile)));
  EXPECT_EQ(ReadUserString(kUninstallKey, L"UninstallString"),
            L"\"" + Installed(kUninstallerFile) + L"\"");
  ASSERT_TRUE(RunQuietUninstall());

  CreateDirectoryW(kChosenParent, nullptr);
  CreateDirectoryW(kChosenFolder, nullptr);
  const std::string theirs = "another program's uninstaller";
  const std::wstring theirFile = Installed(kEarlierUninstallerFile, kChosenFolder);
  WriteFileBytes(theirFile, theirs);
  ASSERT_EQ(RunSetup(std::wstring(L"/S /D=") + kChosenFolder), 0u);
  EXPECT_EQ(FileText(theirFile), theirs);
  EXPECT_EQ(ReadUserString(kUninstallKey, L"UninstallString"),
            L"\"" + Installed(kUninstallerFile, kChosenFolder) + L"\"");
  ASSERT_TRUE(RunQuietUninstall());
  EXPECT_EQ(FileText(theirFile), theirs);
  EXPECT_FALSE(PathExists(Installed(kHostFile, kChosenFolder)));
}

// A copy that setup cannot end, as the preview in the display settings, holds the programs: a
// silent setup gives up and leaves both as they were, never one new beside one old. A host
// showing its missing-renderer box stands in for it here.
TEST_F(SetupTest, ProgramsInUseAreLeftWholeUntilTheyComeFree) {
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  ASSERT_TRUE(DeleteFileW(Installed(kRendererFile).c_str()));
  const std::vector<char> host = ReadFileBytes(Installed(kHostFile));
  ChildProcess run = ChildProcess::Start(Installed(kHostFile), L"/s", InstallFolder());
  const HWND box = WaitForMessageBox(kHostTitle, run.id(), kRendererTimeout);
  ASSERT_NE(box, nullptr);

  EXPECT_EQ(RunSetup(L"/S"), 2u);
  EXPECT_EQ(ReadFileBytes(Installed(kHostFile)), host);
  EXPECT_FALSE(PathExists(Installed(kRendererFile)));

  ASSERT_TRUE(PressOk(box));
  EXPECT_EQ(run.WaitForExit(kExitTimeout), 0u);
  ASSERT_EQ(RunSetup(L"/S"), 0u);
  ExpectInstalledProgramsAreTheBuiltOnes();
}

// The launcher and the uninstaller decide alike whether the stored value names this saver, in
// whichever form it is stored. After every uninstall: the programs, the uninstaller, the
// Start-menu entry, the uninstall entry, the working picture and its folder are gone; the current
// saver is removed only while it names this one; the settings file is kept, and the program folder
// with it.
TEST_F(SetupTest, SilentUninstallLeavesNothingOfOursBehind) {
  using Stored = std::optional<std::wstring>;
  // What the current saver names when the Start-menu entry and then the uninstaller run, from
  // the installed host's path, and whether that is this saver: the launcher does not ask, and
  // the uninstall removes it.
  const struct {
    const char* what;
    Stored (*stored)(std::wstring host);
    bool ours;
  } rows[] = {
      {"as installed", [](std::wstring host) -> Stored { return ShortPathOf(host); }, true},
      {"long form", [](std::wstring host) -> Stored { return host; }, true},
      {"long form, other case",
       [](std::wstring host) -> Stored {
         CharUpperBuffW(host.data(), static_cast<DWORD>(host.size()));
         return host;
       },
       true},
      {"another", [](std::wstring) -> Stored { return L"C:\\Savers\\other.scr"; }, false},
      {"(None)", [](std::wstring) -> Stored { return std::nullopt; }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    // One round keeps a settings file, the others show the program folder going too.
    const bool withSettings = &row == rows;
    ASSERT_EQ(RunSetup(L"/S"), 0u);
    if (withSettings) WriteFileBytes(Installed(kSettingsFile), kHandEditedSettings);
    const Stored stored = row.stored(Installed(kHostFile));
    ASSERT_TRUE(SetUserString(kDesktopKey, kCurrentSaver, stored));
    const LauncherRun launcher = RunLauncher(InstallFolder(), IDNO, kRendererTimeout);
    EXPECT_EQ(launcher.question.has_value(), !row.ours);
    EXPECT_TRUE(launcher.settingsShown);
    EXPECT_EQ(launcher.exitCode, 0u);
    CreateDirectoryW(kWorkingFolder, nullptr);
    WriteFileBytes(kWorkingBitmap, "the flake picture of the last run");

    ASSERT_TRUE(RunQuietUninstall());
    for (const wchar_t* file : {kHostFile, kRendererFile, kLauncherFile, kUninstallerFile}) {
      EXPECT_FALSE(PathExists(Installed(file))) << testing::PrintToString(std::wstring(file));
    }
    EXPECT_FALSE(PathExists(StartMenuEntry()));
    EXPECT_FALSE(PathExists(kWorkingBitmap));
    EXPECT_FALSE(PathExists(kWorkingFolder));
    EXPECT_EQ(ReadUserString(kDesktopKey, kCurrentSaver), row.ours ? std::nullopt : stored);
    if (withSettings) {
      EXPECT_EQ(FileText(Installed(kSettingsFile)), kHandEditedSettings);
      DeleteFileW(Installed(kSettingsFile).c_str());
      RemoveDirectoryW(InstallFolder().c_str());
    } else {
      EXPECT_FALSE(PathExists(InstallFolder()));
    }
  }
}

// A 64-bit program like the two it installs, and one that a standard user starts without an
// elevation prompt: its manifest asks to run as the invoker.
TEST_F(SetupTest, SetupIs64BitAndAsksForNoElevation) {
  const std::vector<char> image = Built(kSetupFile);
  ASSERT_GT(image.size(), 0x40u);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
  ASSERT_LT(static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64), image.size());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(image.data() + dos->e_lfanew);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);

  const std::wstring setup = ExecutableFolder() + L"\\" + kSetupFile;
  const HMODULE module = LoadLibraryExW(setup.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(module, nullptr);
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  ASSERT_NE(found, nullptr);
  const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
  const std::string manifest(text, SizeofResource(module, found));
  FreeLibrary(module);
  const std::size_t element = manifest.find("<requestedExecutionLevel");
  ASSERT_NE(element, std::string::npos) << manifest;
  const std::string request = manifest.substr(element, manifest.find('>', element) - element);
  EXPECT_NE(request.find("level=\"asInvoker\""), std::string::npos) << request;
}

}  // namespace
