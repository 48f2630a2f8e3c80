#include "settings_dialog_win.h"

#include <commdlg.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "ansi_text_win.h"
#include "application_win.h"
#include "dialog_rules.h"
#include "host_paths.h"
#include "host_state.h"
#include "number_text.h"
#include "resource_ids.h"
#include "settings_system_win.h"
#include "shared_names.h"
#include "statements_win.h"
#include "zoom_win.h"

namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr SIZE kClientSize = {495, 246};
constexpr COLORREF kDialogBackground = RGB(192, 192, 192);
constexpr COLORREF kPanelBackground = RGB(224, 224, 224);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr wchar_t kCreditText[] = L"氷花灯 ScreenSaver  Ver.1.0.0";
constexpr std::array<const wchar_t*, 3> kSourceNames = {L"なし", L"音楽CD", L"MP3、WAV"};

constexpr wchar_t kFileFilter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kFileDialogTitle[] = L"ﾌｧｲﾙを開く";
constexpr DWORD kFileBufferChars = 255;
constexpr wchar_t kUnstorablePathText[] =
    L"このﾌｧｲﾙ名は設定ﾌｧｲﾙに保存できません。別の場所のﾌｧｲﾙを選んでください。";

RECT Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

// Where each source's mark and label sit on the panel, by source number.
constexpr std::array<int, 3> kSourceRowTop = {76, 56, 96};
constexpr std::array<int, 3> kSourceLabelWidth = {22, 43, 60};

void LoadButtonLayout(CommandButton& button, HWND parent, RECT bounds, const wchar_t* caption) {
  PropertyBag layout;
  layout.Write(L"Caption", std::wstring(caption));
  button.Create(parent, bounds, layout);
}

std::shared_ptr<const Picture> SharedPicture(int resourceId) {
  return std::make_shared<const Picture>(LoadPictureResource(resourceId));
}

}  // namespace

SettingsDialog::SettingsDialog()
    : Form(kSettingsCaption, kDialogStyle),
      Cmd_File([this] { ChooseFile(); }),
      Cmd_Set([this] { StoreAndClose(); }),
      Cmd_Can([this] { CloseLater(); }) {
  SetBackColour(kDialogBackground);
  for (const int index : {7, 14, 15}) lbl.try_emplace(index);
}

void SettingsDialog::OnLoad() {
  CreateControls();
  PlaceWindow();
  SetupButtons();
  TilePanel(Pic_C);
  BGM_Repeat.SetEnabled(false);
  ShowChosenSource();
  BGM_Repeat.SetText(FormatDigitsOrEmpty(BgmRepeat));
  BGM_Repeat.SetList(RepeatChoices());
  lbl_Fname.SetCaption(BgmFile);
  POINT cursor = {0, 0};
  LastApiResult = GetCursorPos(&cursor);
  ZoomX = LastApiResult != 0 ? static_cast<std::int16_t>(cursor.x) : 0;
  ZoomY = LastApiResult != 0 ? static_cast<std::int16_t>(cursor.y) : 0;
  ZoomOpen(window());
  SetApplicationPointer(ApplicationPointer::Default);
}

// Painted once per size into the form's persistent picture, so covering and uncovering the
// dialog shows it again without a repaint of every row.
void SettingsDialog::OnResize() {
  HDC canvas = Canvas();
  if (canvas == nullptr) return;
  RECT client;
  GetClientRect(window(), &client);
  const std::vector<std::uint8_t> levels = GradientLevels(client.bottom);
  for (int y = 0; y < static_cast<int>(levels.size()); ++y) {
    const std::uint8_t v = levels[y];
    HBRUSH brush = CreateSolidBrush(RGB(v, v, v + kGradientBlueLift));
    const RECT row = {0, y, client.right, y + 1};
    FillRect(canvas, &row, brush);
    DeleteObject(brush);
  }
  Refresh();
}

void SettingsDialog::OnUnload() { ZoomClose(window()); }

void SettingsDialog::CreateControls() {
  HINSTANCE instance = ApplicationInstance();
  icon_ = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_HOST), IMAGE_ICON, 32, 32, LR_SHARED));
  SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  pointingHand_ = LoadCursorW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND));
  Img_Ra = {SharedPicture(IDR_MARK_OFF), SharedPicture(IDR_MARK_ON)};
  Pic_Mbl = LoadPictureResource(IDR_METAL_STRIP);

  Pic_C.SetBackColour(kPanelBackground);
  Pic_C.Create(window(), Bounds(12, 16, 469, 165));
  // The panel's children join the dialog's Tab order.
  SetWindowLongPtrW(Pic_C.window(), GWL_EXSTYLE,
                    GetWindowLongPtrW(Pic_C.window(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  CreatePanelControls();

  lbl[7].Create(window(), Bounds(12, 192, 165, 13));
  lbl[7].SetForeColour(kWhite);
  lbl[7].SetCaption(kCreditText);
  lbl_URL.Create(window(), Bounds(12, 208, 219, 13));
  FontDescription underlined = FormFont();
  underlined.underline = true;
  lbl_URL.SetFont(underlined);
  lbl_URL.SetForeColour(kWhite);
  lbl_URL.SetPointer(pointingHand_);
  lbl_URL.SetCaption(kProjectAddress);
  lbl_URL.onClick = [this] { OpenLink(); };
  LoadButtonLayout(Cmd_Set, window(), Bounds(316, 200, 81, 25), L"設定");
  LoadButtonLayout(Cmd_Can, window(), Bounds(400, 200, 81, 25), L"ｷｬﾝｾﾙ");
}

void SettingsDialog::CreatePanelControls() {
  HWND panel = Pic_C.window();
  Shape3.Place(Bounds(20, 20, 113, 21));
  Pic_C.Hold(Shape3);
  lbl[15].Create(panel, Bounds(20, 24, 111, 13));
  lbl[15].SetAlignment(TextAlignment::Centre);
  lbl[15].SetCaption(L"BGM");
  for (int source = 0; source < kMusicSourceCount; ++source) {
    const int top = kSourceRowTop[source];
    Img_BGM[source].Create(panel, Bounds(28, top, 13, 13));
    lbl_BGM[source].Create(panel, Bounds(44, top, kSourceLabelWidth[source], 13));
    lbl_BGM[source].SetCaption(kSourceNames[source]);
    Img_BGM[source].onMouseDown = [this, source](MouseButton) { ChooseSource(source); };
    lbl_BGM[source].onMouseDown = [this, source](MouseButton) { ChooseSource(source); };
  }
  BGM_Repeat.Create(panel, Bounds(112, 52, 41, 20), FormFont());
  lbl[14].Create(panel, Bounds(156, 56, 66, 13));
  lbl[14].SetCaption(L"曲目をﾘﾋﾟｰﾄ");
  LoadButtonLayout(Cmd_File, panel, Bounds(40, 112, 29, 25), L"...");
  lbl_Fname.Create(panel, Bounds(72, 116, 381, 33));
}

void SettingsDialog::PlaceWindow() {
  RECT frame = {0, 0, kClientSize.cx, kClientSize.cy};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const SIZE screen = ScreenSize();
  const WindowPlace place = DialogPlace(screen.cx, screen.cy, width, height);
  Move(place.left, place.top, width, height);
}

void SettingsDialog::SetupButtons() {
  for (CommandButton* button : {&Cmd_Can, &Cmd_Set, &Cmd_File}) button->control().Initialize();
}

void SettingsDialog::TilePanel(PictureBox& panel) {
  HDC canvas = panel.Canvas();
  if (canvas == nullptr) return;
  const SIZE panelSize = panel.ClientSize();
  const SIZE pattern = Pic_Mbl.size();
  for (const TilePosition& at : TilePositions(panelSize.cx, panelSize.cy, pattern.cx, pattern.cy)) {
    LastApiResult = Pic_Mbl.DrawAt(canvas, at.x, at.y);
  }
  panel.Refresh();
}

void SettingsDialog::ShowChosenSource() {
  const SourceLook look = LookOfSource(BgmKind);
  for (int source = 0; source < kMusicSourceCount; ++source) {
    Img_BGM[source].SetPicture(Img_Ra[look.markLit[source] ? 1 : 0]);
  }
  BGM_Repeat.SetEnabled(look.repeatEnabled);
  Cmd_File.control().SetEnabled(look.fileButtonEnabled);
}

void SettingsDialog::ChooseSource(int source) {
  BgmKind = static_cast<std::int16_t>(source);
  Cmd_File.control().SetEnabled(false);
  BGM_Repeat.SetEnabled(false);
  ShowChosenSource();
}

// The wide dialog lets a path in any language through; the settings file then gets a form of it
// that its code page holds, or the choice is refused rather than stored damaged.
void SettingsDialog::ChooseFile() {
  std::vector<wchar_t> file(kFileBufferChars, L'\0');
  std::vector<wchar_t> title(kFileBufferChars, L'\0');
  OPENFILENAMEW request = {};
  // The whole record: the fields later systems added stay zero, and the shorter early form is
  // not taken everywhere.
  request.lStructSize = sizeof(request);
  request.hwndOwner = window();
  request.hInstance = ApplicationInstance();
  request.lpstrFilter = kFileFilter;  // the literal's own NUL ends the list
  request.lpstrFile = file.data();
  request.nMaxFile = kFileBufferChars;
  request.lpstrFileTitle = title.data();
  request.nMaxFileTitle = kFileBufferChars;
  request.lpstrInitialDir = BgmFolder.c_str();
  request.lpstrTitle = kFileDialogTitle;
  LastApiResult = GetOpenFileNameW(&request);
  if (LastApiResult <= 0) return;
  const std::wstring chosen(file.data());
  const std::optional<std::wstring> storable =
      StorablePath(chosen, ShortPathOf(chosen),
                   [](const std::wstring& text) { return EncodeAnsi(text).has_value(); });
  if (!storable) {
    ShowMessage(kUnstorablePathText);
    return;
  }
  BgmFile = *storable;
  lbl_Fname.SetCaption(BgmFile);
  BgmFolder = FolderOf(BgmFile);
}

void SettingsDialog::StoreAndClose() {
  const std::wstring file = SettingsFilePath();
  WriteIni(kSettingsSection, kKeyBgmKind, SignedDecimal(BgmKind), file);
  BgmRepeat = RepeatFromText(BGM_Repeat.Text());
  WriteIni(kSettingsSection, kKeyBgmRepeat, SignedDecimal(BgmRepeat), file);
  WriteIni(kSettingsSection, kKeyBgmFile, BgmFile, file);
  CloseLater();
}

// The unload comes through the queue: a button must not be destroyed inside its own Click.
void SettingsDialog::CloseLater() { PostMessageW(window(), WM_CLOSE, 0, 0); }

void SettingsDialog::OpenLink() {
  SetApplicationPointer(ApplicationPointer::Hourglass);
  ShellExecuteW(window(), L"open", lbl_URL.caption().c_str(), L"", L"", SW_SHOWNORMAL);
  SetApplicationPointer(ApplicationPointer::Default);
}

void ShowSettingsDialog() {
  static SettingsDialog dialog;
  dialog.ShowModal();
}
