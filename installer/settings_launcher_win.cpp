// The Start-menu entry's program: opens the settings of the host beside it. The entry cannot
// name the host itself, because the shell opens a screen saver file as `"%1" /S` whatever
// arguments a shortcut to it carries, and that would start the full-screen saver instead.
//
// It is also the user's way back: Windows' list of screen savers shows those in the system's
// folders and the current one, so a per-user install drops out of it once another saver is
// chosen. Before the settings open, the launcher offers to make 氷花灯 current again.
#include <windows.h>

#include <string>

#include "current_saver_win.h"
#include "forms/application_win.h"
#include "scoped_handle_win.h"

namespace {

// The host's file name as the build names it, in UTF-8.
constexpr char kHostFileName[] = HOST_FILE_NAME;
constexpr wchar_t kSettingsArgument[] = L" /c";
constexpr wchar_t kCaption[] = L"氷花灯";

// The texts the launcher shows, in each language setup's pages speak.
struct LauncherTexts {
  const wchar_t* makeCurrentQuestion;
  const wchar_t* notMadeCurrent;
};
constexpr LauncherTexts kEnglish = {
    L"氷花灯 is not your screen saver at the moment, so Windows' list of screen savers does not "
    L"show it.\r\n\r\nMake 氷花灯 your screen saver again?",
    L"氷花灯 could not be made your screen saver:"};
constexpr LauncherTexts kJapanese = {
    L"現在のスクリーンセーバーは 氷花灯 ではないため、Windows のスクリーンセーバーの一覧に "
    L"氷花灯 は表示されません。\r\n\r\n氷花灯 をスクリーンセーバーに戻しますか？",
    L"氷花灯 をスクリーンセーバーにできませんでした:"};

// Chosen as setup chooses its pages' language: the user's interface language where setup
// speaks it, English otherwise.
const LauncherTexts& TextsForUser() {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? kJapanese : kEnglish;
}

std::wstring Widened(const char* utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
  return wide;
}

// The system's text for error, after what it is about.
void ShowFailure(const std::wstring& about, DWORD error) {
  wchar_t* reason = nullptr;
  FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
  const std::wstring text = about + L"\r\n\r\n" + (reason != nullptr ? reason : L"");
  LocalFree(reason);
  MessageBoxW(nullptr, text.c_str(), kCaption, MB_OK | MB_ICONEXCLAMATION);
}

// Only a host that is there can become the current saver.
void OfferToBecomeCurrentSaver(const std::wstring& host) {
  if (GetFileAttributesW(host.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  if (NamesProgram(StoredCurrentSaver(), host)) return;
  const LauncherTexts& texts = TextsForUser();
  if (MessageBoxW(nullptr, texts.makeCurrentQuestion, kCaption, MB_YESNO | MB_ICONQUESTION) !=
      IDYES) {
    return;
  }
  if (const DWORD error = MakeCurrentSaver(host)) ShowFailure(texts.notMadeCurrent, error);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring folder = ProgramFolder();
  const std::wstring host = folder + L"\\" + Widened(kHostFileName);
  OfferToBecomeCurrentSaver(host);
  std::wstring commandLine = L"\"" + host + L"\"" + kSettingsArgument;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(host.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &started)) {
    ShowFailure(host, GetLastError());
    return 1;
  }
  const ScopedHandle process(started.hProcess);
  const ScopedHandle thread(started.hThread);
  return 0;
}
