// The settings dialog as a user meets it: opened with /c from the program folder, driven with
// real clicks and keys from this process, judged by what it shows and by the settings file's
// bytes.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "child_process.h"
#include "deadline.h"
#include "file_bytes.h"
#include "message_box.h"
#include "program_folder.h"
#include "scoped_handle_win.h"
#include "shipped_names.h"
#include "unicode_file.h"
#include "user_input.h"
#include "window_finder.h"

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kDialogCaption[] = L"<氷花灯>";
constexpr wchar_t kChooserTitle[] = L"ﾌｧｲﾙを開く";
constexpr auto kTimeout = 10s;

// Key names as the file holds them, in code page 932 whatever the system's code page.
const std::string kSection = "[Section]\r\n";
const std::string kKind = "BGM\x8B\xE6\x95\xAA=";
const std::string kRepeat = "BGM\xD8\xCB\xDF\xB0\xC4=";
const std::string kFile = "BGM\xCC\xA7\xB2\xD9=";
const std::string kKeepMode = "\x89\xF0\x91\x9C\x93\x78\x90\xD8\x91\xD6=";  // 解像度切替
constexpr COLORREF kChosenMark = RGB(40, 80, 200);

COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT at = {x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// The file as a text editor saves it in "Unicode".
std::string Utf16LeOf(const std::string& cp932) { return UnicodeFileOf(FromCodePage932(cp932)); }

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.created());
    ASSERT_EQ(folder_.Install(kHostFile), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(folder_.Install(kRendererFile), static_cast<DWORD>(ERROR_SUCCESS));
  }

  void WriteSettings(const std::string& bytes) {
    settings_ = bytes;
    WriteFileBytes(folder_.PathOf(kSettingsFile), bytes);
  }
  std::string SettingsNow() const {
    const std::vector<char> bytes = ReadFileBytes(folder_.PathOf(kSettingsFile));
    return std::string(bytes.begin(), bytes.end());
  }

  // Starts /c and waits for the dialog to be on screen with its background painted.
  void Open() {
    const auto started = std::chrono::steady_clock::now();
    host_ = ChildProcess::Start(folder_.PathOf(kHostFile), L"/c", folder_.path());
    ASSERT_TRUE(host_.started());
    dialog_ = WaitForTopLevelWindow(nullptr, kDialogCaption, host_.id(), kTimeout);
    ASSERT_NE(dialog_, nullptr);
    // The window exists from the start of its load; it shows once its controls are made. The
    // middle row of the background is the gradient's lightest.
    ASSERT_TRUE(PollUntil(kTimeout, [&] {
      RECT client = {};
      GetClientRect(dialog_, &client);
      return IsWindowVisible(dialog_) &&
             ScreenPixel(dialog_, 3, client.bottom / 2) == RGB(220, 220, 250);
    }));
    const std::chrono::duration<double, std::milli> painted =
        std::chrono::steady_clock::now() - started;
    std::printf("dialog painted %.0f ms after /c\n", painted.count());
    panel_ = FindWindowExW(dialog_, nullptr, L"DriftmantlePictureBox", nullptr);
    ASSERT_NE(panel_, nullptr);
    // Input sent while the window is still becoming the active one may be lost.
    BringToFront(dialog_);
    ASSERT_TRUE(PollUntil(kTimeout, [&] { return GetForegroundWindow() == dialog_; }));
  }

  HWND OnPanel(const wchar_t* className, const wchar_t* text) const {
    return FindWindowExW(panel_, nullptr, className, text);
  }
  HWND Button(HWND parent, const wchar_t* caption) const {
    return FindWindowExW(parent, nullptr, nullptr, caption);
  }

  // One press, as a user gives it. Callers wait for what the button does; a press that did
  // nothing is a fault.
  static void PressButton(HWND button) {
    ASSERT_NE(button, nullptr);
    ClickMiddleOf(button);
  }
  void PressToClose(HWND button) const {
    PressButton(button);
    EXPECT_TRUE(PollUntil(kTimeout, [&] { return !host_.Running(); }));
  }
  // The mark images in creation order: the sources none, CD and file, then the display mode.
  HWND Mark(int index) const {
    HWND mark = nullptr;
    for (int i = 0; i <= index; ++i)
      mark = FindWindowExW(panel_, mark, L"DriftmantleImage", nullptr);
    return mark;
  }
  // Waits for the mark to show the chosen square: the panel's children may reach the screen a
  // little after the dialog's background.
  bool MarkLit(int index) const {
    return PollUntil(kTimeout, [&] { return ScreenPixel(Mark(index), 6, 6) == kChosenMark; });
  }

  // Keys go to the focus: typing waits until the click has put it into the window.
  static void TypeInto(HWND window, const std::wstring& text) {
    ClickMiddleOf(window);
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof(focus);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    ASSERT_TRUE(PollUntil(kTimeout, [&] {
      return GetGUIThreadInfo(thread, &focus) && focus.hwndFocus != nullptr &&
             (focus.hwndFocus == window || IsChild(window, focus.hwndFocus));
    }));
    TypeText(text);
  }

  void ExpectClosed() {
    EXPECT_EQ(host_.WaitForExit(kTimeout), 0u);
    EXPECT_EQ(FindTopLevelWindow(nullptr, kDialogCaption, host_.id()), nullptr);
  }

  ProgramFolder folder_;
  std::string settings_;
  ChildProcess host_;
  HWND dialog_ = nullptr;
  HWND panel_ = nullptr;
};

// Source 1 and repeat 5 open with the CD mark lit, 5 in the enabled box and the file button
// disabled; a press on "なし" chooses no music and 設定 stores all three keys as signed text.
TEST_F(SettingsDialogTest, OpensWithTheStoredChoiceAndStoresANewOne) {
  WriteSettings(kSection + kKind + "1\r\n" + kRepeat + "5\r\n");
  Open();
  HWND combo = OnPanel(L"ComboBox", nullptr);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(TextOf(combo), L"5");
  EXPECT_TRUE(IsWindowEnabled(combo));
  ASSERT_NE(Mark(1), nullptr);
  EXPECT_TRUE(MarkLit(1));
  HWND fileButton = Button(panel_, L"...");
  ASSERT_NE(fileButton, nullptr);
  // The disabled face is inset: its grey outline lies two pixels in.
  EXPECT_EQ(ScreenPixel(fileButton, 14, 2), RGB(201, 199, 186));

  // A second copy sees the open dialog and ends at once.
  ChildProcess second = ChildProcess::Start(folder_.PathOf(kHostFile), L"/c", folder_.path());
  EXPECT_EQ(second.WaitForExit(kTimeout), 0u);

  ClickMiddleOf(OnPanel(L"DriftmantleLabel", L"なし"));
  EXPECT_TRUE(PollUntil(kTimeout, [&] { return !IsWindowEnabled(combo); }));
  // The display-mode mark: off as loaded, lit by a press on its label.
  ASSERT_NE(Mark(3), nullptr);
  EXPECT_NE(ScreenPixel(Mark(3), 6, 6), kChosenMark);
  ClickMiddleOf(OnPanel(L"DriftmantleLabel", L"画面の解像度を変えない"));
  EXPECT_TRUE(MarkLit(3));
  PressToClose(Button(dialog_, L"設定"));
  ExpectClosed();
  EXPECT_EQ(SettingsNow(), kSection + kKind + " 0\r\n" + kRepeat + " 5\r\n" + kFile + "\r\n" +
                               kKeepMode + " 0\r\n");
}

TEST_F(SettingsDialogTest, TypedRepeatIsStoredRoundedHalfToEven) {
  WriteSettings(kSection + kKind + "1\r\n" + kRepeat + "0\r\n" + kFile + "\r\n");
  Open();
  HWND combo = OnPanel(L"ComboBox", nullptr);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(TextOf(combo), L"");
  TypeInto(combo, L"3.5");
  ASSERT_TRUE(PollUntil(kTimeout, [&] { return TextOf(combo) == L"3.5"; }))
      << testing::PrintToString(TextOf(combo));
  PressToClose(Button(dialog_, L"設定"));
  ExpectClosed();
  EXPECT_EQ(SettingsNow(), kSection + kKind + " 1\r\n" + kRepeat + " 4\r\n" + kFile + "\r\n" +
                               kKeepMode + " 1\r\n");
}

// A settings file saved as UTF-16 opens with its choice and is stored as UTF-16 again.
TEST_F(SettingsDialogTest, AUtf16FileOpensWithItsChoiceAndStaysUtf16) {
  WriteSettings(Utf16LeOf(kSection + kKind + " 1\r\n" + kRepeat + " 7\r\n"));
  Open();
  HWND combo = OnPanel(L"ComboBox", nullptr);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(TextOf(combo), L"7");
  EXPECT_TRUE(IsWindowEnabled(combo));
  PressToClose(Button(dialog_, L"設定"));
  ExpectClosed();
  EXPECT_EQ(SettingsNow(), Utf16LeOf(kSection + kKind + " 1\r\n" + kRepeat + " 7\r\n" + kFile +
                                     "\r\n" + kKeepMode + " 1\r\n"));
}

// Cancel, the close box and Escape close the dialog and leave the file as it was.
TEST_F(SettingsDialogTest, CancelCloseBoxAndEscapeWriteNothing) {
  WriteSettings(kSection + kKind + "2\r\n" + kFile + "C:\\nowhere.mp3\r\n");
  const auto closeWith = [&](const char* how, auto close) {
    SCOPED_TRACE(how);
    Open();
    ClickMiddleOf(OnPanel(L"DriftmantleLabel", L"音楽CD"));
    ClickMiddleOf(OnPanel(L"DriftmantleLabel", L"画面の解像度を変えない"));
    close();
    ExpectClosed();
    EXPECT_EQ(SettingsNow(), settings_);
  };
  closeWith("cancel", [&] { PressToClose(Button(dialog_, L"ｷｬﾝｾﾙ")); });
  closeWith("close box", [&] { PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0); });
  closeWith("Escape", [&] { PressKey(VK_ESCAPE); });
}

TEST_F(SettingsDialogTest, FileButtonOpensTheChooser) {
  // A file source keeps its file only while the file can be opened.
  const std::wstring music = folder_.PathOf(L"snow.mp3");
  WriteFileBytes(music, "ID3");
  WriteSettings(kSection + kKind + "2\r\n" + kFile + std::string(music.begin(), music.end()) +
                "\r\n");
  Open();
  PressButton(Button(panel_, L"..."));
  HWND chooser = WaitForTopLevelWindow(nullptr, kChooserTitle, host_.id(), kTimeout);
  ASSERT_NE(chooser, nullptr);
  PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitForNoTopLevelWindow(nullptr, kChooserTitle, host_.id(), kTimeout));
  BringToFront(dialog_);
  PressToClose(Button(dialog_, L"ｷｬﾝｾﾙ"));
  ExpectClosed();
  EXPECT_EQ(SettingsNow(), settings_);
}

// A music file on a drive that is not connected stays the choice, and 設定 stores it again. A
// settings file that cannot be written is reported by name, the dialog stays open, and the file
// keeps every byte; once it can be written, 設定 goes through.
TEST_F(SettingsDialogTest, UnreachableFileStaysChosenAndAFailedSaveKeepsTheDialogOpen) {
  const std::wstring gone = folder_.PathOf(L"usb\\snow.mp3");
  WriteSettings(kSection + kKind + " 2\r\n" + kRepeat + " 0\r\n" + kFile +
                std::string(gone.begin(), gone.end()) + "\r\n" + kKeepMode + " 1\r\n");
  Open();
  EXPECT_TRUE(MarkLit(2));
  EXPECT_NE(OnPanel(L"DriftmantleLabel", (gone + L"  (見つかりません)").c_str()), nullptr);

  // Read-only, and held open without write sharing, since a system may write a read-only file
  // for a privileged user.
  const std::wstring settings = folder_.PathOf(kSettingsFile);
  ASSERT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE held = CreateFileW(settings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  PressButton(Button(dialog_, L"設定"));
  const HWND box = WaitForMessageBox(kHostTitle, host_.id(), kTimeout);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageText(box).find(settings), std::wstring::npos)
      << testing::PrintToString(MessageText(box));
  EXPECT_TRUE(PressOk(box));
  ASSERT_TRUE(WaitForNoTopLevelWindow(L"#32770", kHostTitle, host_.id(), kTimeout));
  EXPECT_TRUE(host_.Running());
  EXPECT_TRUE(IsWindowVisible(dialog_));
  CloseHandle(held);
  EXPECT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(SettingsNow(), settings_);

  BringToFront(dialog_);
  PressToClose(Button(dialog_, L"設定"));
  ExpectClosed();
  EXPECT_EQ(SettingsNow(), settings_);
}

// The dots per inch the display reports, which the dialog lays itself out for.
int DisplayDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int Scaled(int edge, int dpi) { return static_cast<int>(std::lround(edge * dpi / 96.0)); }

// How many rows of the area hold dark ink, as black text leaves on a light ground.
int InkRows(HDC dc, RECT area) {
  int rows = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    bool ink = false;
    for (int x = area.left; x < area.right && !ink; ++x) ink = GetRValue(GetPixel(dc, x, y)) < 100;
    rows += ink ? 1 : 0;
  }
  return rows;
}

// The text drawn whole, black on white, in the dialog's font ("ＭＳ Ｐゴシック" 9.75 pt) at dpi:
// the line it takes and the rows of ink it leaves.
struct WholeText {
  SIZE size;
  int inkRows;
};
WholeText DrawnWhole(const std::wstring& text, int dpi) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HFONT font = CreateFontW(-static_cast<int>(std::lround(9.75 * dpi / 72)), 0, 0, 0, FW_NORMAL,
                           FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, 0, 0, L"ＭＳ Ｐゴシック");
  HGDIOBJ previousFont = SelectObject(memory, font);
  WholeText whole = {};
  GetTextExtentPoint32W(memory, text.c_str(), static_cast<int>(text.size()), &whole.size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(memory, &metrics);
  whole.size.cy = metrics.tmHeight;
  HBITMAP bitmap = CreateCompatibleBitmap(screen, whole.size.cx, whole.size.cy);
  HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
  const RECT area = {0, 0, whole.size.cx, whole.size.cy};
  FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  TextOutW(memory, 0, 0, text.c_str(), static_cast<int>(text.size()));
  whole.inkRows = InkRows(memory, area);
  SelectObject(memory, previousBitmap);
  DeleteObject(bitmap);
  SelectObject(memory, previousFont);
  DeleteObject(font);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return whole;
}

// The caption's rows of ink on the button as the screen shows it, inside the face's border ring.
int CaptionInkRows(HWND button, int dpi) {
  RECT face = {};
  GetClientRect(button, &face);
  MapWindowPoints(button, nullptr, reinterpret_cast<POINT*>(&face), 2);
  const int ring = Scaled(4, dpi) + 1;
  InflateRect(&face, -ring, -ring);
  HDC screen = GetDC(nullptr);
  const int rows = InkRows(screen, face);
  ReleaseDC(nullptr, screen);
  return rows;
}

// Every control's rectangle in the dialog's client area (left, top, right, bottom), by window.
using Places = std::map<HWND, std::array<LONG, 4>>;
Places ControlPlaces(HWND dialog) {
  std::pair<HWND, Places> found = {dialog, {}};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) -> BOOL {
        auto& [parent, places] = *reinterpret_cast<std::pair<HWND, Places>*>(data);
        RECT rect = {};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        places[child] = {rect.left, rect.top, rect.right, rect.bottom};
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.second;
}

// Tells the dialog, as Windows does when it is moved onto another monitor, that its resolution
// is now dpi. The suggested rectangle lives in the dialog's process, where it is read.
void SendDpiChange(HWND dialog, DWORD processId, int dpi, RECT suggested) {
  const ScopedHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
  ASSERT_TRUE(process.valid());
  void* remote = VirtualAllocEx(process.get(), nullptr, sizeof(suggested), MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE);
  ASSERT_NE(remote, nullptr);
  ASSERT_TRUE(WriteProcessMemory(process.get(), remote, &suggested, sizeof(suggested), nullptr));
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
  VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
}

// At the display's resolution the dialog is its 96-dpi layout scaled, every caption whole on its
// panel, and a press lands where the scaled layout puts a label. Moved to a monitor of twice the
// resolution (of 200 %, or 100 % from there) and back, it is laid out again, and back is exactly
// where it was.
TEST_F(SettingsDialogTest, LaysItselfOutForTheDisplaysResolution) {
  WriteSettings(kSection + kKind + " 0\r\n" + kRepeat + " 0\r\n" + kFile + "\r\n" + kKeepMode +
                " 1\r\n");
  Open();
  const int dpi = DisplayDpi();
  std::printf("display at %d dpi\n", dpi);
  RECT client = {};
  GetClientRect(dialog_, &client);
  std::printf("client area %ld x %ld\n", client.right, client.bottom);
  EXPECT_NEAR(client.right, 495 * dpi / 96.0, 2);
  EXPECT_NEAR(client.bottom, 246 * dpi / 96.0, 2);

  // Each caption has room for its text in the dialog's font, inside the panel that holds it;
  // the buttons show their captions' every row of ink.
  RECT panel = {};
  GetClientRect(panel_, &panel);
  for (const wchar_t* caption :
       {L"BGM", L"音楽CD", L"なし", L"MP3、WAV", L"曲目をﾘﾋﾟｰﾄ", L"画面の解像度を変えない"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(caption)));
    HWND label = OnPanel(L"DriftmantleLabel", caption);
    ASSERT_NE(label, nullptr);
    RECT rect = {};
    GetWindowRect(label, &rect);
    MapWindowPoints(nullptr, panel_, reinterpret_cast<POINT*>(&rect), 2);
    const SIZE text = DrawnWhole(caption, dpi).size;
    EXPECT_GE(rect.right - rect.left, text.cx);
    EXPECT_GE(rect.bottom - rect.top, text.cy);
    EXPECT_LE(rect.right, panel.right);
    EXPECT_LE(rect.bottom, panel.bottom);
  }
  for (const wchar_t* caption : {L"設定", L"ｷｬﾝｾﾙ"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(caption)));
    const int whole = DrawnWhole(caption, dpi).inkRows;
    EXPECT_TRUE(
        PollUntil(kTimeout, [&] { return CaptionInkRows(Button(dialog_, caption), dpi) >= whole; }))
        << CaptionInkRows(Button(dialog_, caption), dpi) << " rows of " << whole;
  }

  // The system suggests the window that holds the client area scaled in the frame it then has.
  const Places before = ControlPlaces(dialog_);
  RECT window = {};
  GetWindowRect(dialog_, &window);
  const int other = dpi == 192 ? 96 : 192;
  const RECT suggested = {window.left, window.top, window.right + Scaled(495, other) - client.right,
                          window.bottom + Scaled(246, other) - client.bottom};
  SendDpiChange(dialog_, host_.id(), other, suggested);
  GetClientRect(dialog_, &client);
  EXPECT_EQ(client.right, Scaled(495, other));
  EXPECT_EQ(client.bottom, Scaled(246, other));
  SendDpiChange(dialog_, host_.id(), dpi, window);
  EXPECT_EQ(ControlPlaces(dialog_), before);
  RECT back = {};
  GetWindowRect(dialog_, &back);
  EXPECT_TRUE(EqualRect(&back, &window));

  // "MP3、WAV" lies at 44,96 on the panel at 96 dpi, 60 x 13.
  POINT label = {Scaled(44 + 30, dpi), Scaled(96 + 6, dpi)};
  ClientToScreen(panel_, &label);
  ClickAt(label);
  EXPECT_TRUE(MarkLit(2));
  PressToClose(Button(dialog_, L"設定"));
  ExpectClosed();
  EXPECT_EQ(SettingsNow(), kSection + kKind + " 2\r\n" + kRepeat + " 0\r\n" + kFile + "\r\n" +
                               kKeepMode + " 1\r\n");
}

}  // namespace
