#include "settings_dialog/settings_dialog_win.h"

#include <string>
#include <utility>
#include <vector>

#include "forms/ansi_text_win.h"
#include "forms/application_win.h"
#include "forms/dpi_scale.h"
#include "forms/gdi_objects_win.h"
#include "forms/number_text.h"
#include "forms/picture_making_win.h"
#include "forms/shell_services_win.h"
#include "forms/window_dpi_win.h"
#include "host_paths.h"
#include "resource_ids.h"
#include "settings/settings_system_win.h"
#include "settings_dialog/mark_art.h"
#include "shared_names.h"

namespace {

constexpr DWORD kDialogStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr COLORREF kDialogBackground = RGB(192, 192, 192);
constexpr COLORREF kPanelBackground = RGB(224, 224, 224);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// PRODUCT_VERSION is the build's project version, which the version resources carry too.
constexpr wchar_t kCreditText[] = L"氷花灯 ScreenSaver  Ver." PRODUCT_VERSION;
constexpr std::array<const wchar_t*, 3> kSourceNames = {L"なし", L"音楽CD", L"MP3、WAV"};

constexpr wchar_t kFileFilter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kFileDialogTitle[] = L"ﾌｧｲﾙを開く";
constexpr DWORD kFileBufferChars = 255;
constexpr wchar_t kUnstorablePathText[] =
    L"このﾌｧｲﾙ名は設定ﾌｧｲﾙに保存できません。別の場所のﾌｧｲﾙを選んでください。";
constexpr wchar_t kUnsavedText[] = L"設定を保存できませんでした。次のﾌｧｲﾙに書き込めません:\n\n";
constexpr wchar_t kUnsavedAdvice[] = L"\n\n読み取り専用か、書き込めないﾌｫﾙﾀﾞにあります。";
constexpr wchar_t kMissingFileNote[] = L"  (見つかりません)";
constexpr wchar_t kKeepModeText[] = L"画面の解像度を変えない";

constexpr const DialogLayout& kLayout = kDialogLayout;

RECT Bounds(const DesignRect& design) {
  return {design.left, design.top, design.left + design.width, design.top + design.height};
}

// The marks at 96 dpi are the pictures the program carries; elsewhere they are drawn at size.
std::shared_ptr<const Picture> MarkPicture(bool chosen, int resourceId, int dpi) {
  return std::make_shared<const Picture>(dpi == kDesignDpi ? LoadPictureResource(resourceId)
                                                           : PictureOfArt(MarkArt(chosen, dpi)));
}

}  // namespace

SettingsDialog::SettingsDialog(HostSettings settings)
    : Form(kSettingsCaption, kDialogStyle),
      Cmd_File([this] { ChooseFile(); }),
      Cmd_Set([this] { StoreAndClose(); }),
      Cmd_Can([this] { CloseLater(); }),
      settings_(std::move(settings)) {
  SetBackColour(kDialogBackground);
}

void SettingsDialog::OnLoad() {
  CreateControls();
  PlaceWindow();
  SetupButtons();
  TilePanel(Pic_C);
  KeepStoredChoice();
  BGM_Repeat.SetEnabled(false);
  ShowChosenSource();
  ShowKeepMode();
  BGM_Repeat.SetText(FormatDigitsOrEmpty(settings_.BgmRepeat));
  BGM_Repeat.SetList(RepeatChoices());
  ShowChosenFile();
  POINT cursor = {0, 0};
  if (GetCursorPos(&cursor)) {
    zoomPoint_ = {static_cast<std::int16_t>(cursor.x), static_cast<std::int16_t>(cursor.y)};
  }
  ZoomOpen(window(), zoomPoint_);
  SetApplicationPointer(ApplicationPointer::Default);
}

// Loading dropped a stored file that cannot be opened now; the dialog shows it chosen still, so
// that 設定 does not erase a choice whose drive is only not connected.
void SettingsDialog::KeepStoredChoice() {
  const OpeningChoice opening =
      ChoiceToOpenWith(settings_.BgmKind, settings_.BgmFile, ReadStoredMusic());
  settings_.BgmKind = opening.kind;
  settings_.BgmFile = opening.file;
  if (opening.missing) settings_.BgmFolder = FolderOf(settings_.BgmFile);
  fileMissing_ = opening.missing;
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
    FillSolid(canvas, {0, y, client.right, y + 1}, RGB(v, v, v + kGradientBlueLift));
  }
  Refresh();
}

void SettingsDialog::OnUnload() { ZoomClose(window(), zoomPoint_); }

// The controls are laid out again from their 96-dpi places by the form, so a move back gives
// the first layout to the pixel, whatever moves came between; the pictures follow.
void SettingsDialog::OnDpiChanged(int dpi, const RECT& suggested) {
  Form::OnDpiChanged(dpi, suggested);
  LoadScaledPictures();
  ShowChosenSource();
  ShowKeepMode();
  TilePanel(Pic_C);
}

// The icon and the link's pointer at the system's sizes for dpi, the marks and the panel pattern
// at the dialog's scale.
void SettingsDialog::LoadScaledPictures() {
  HINSTANCE instance = ApplicationInstance();
  const int iconSize = SystemMetricForDpi(SM_CXICON, dpi());
  OwnedIcon icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_HOST), IMAGE_ICON,
                                               iconSize, iconSize, LR_DEFAULTCOLOR)));
  SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
  icon_ = std::move(icon);  // the window holds the new icon before the old one goes
  const int pointerSize = SystemMetricForDpi(SM_CXCURSOR, dpi());
  OwnedCursor pointer(
      static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR,
                                      pointerSize, pointerSize, LR_DEFAULTCOLOR)));
  lbl_URL.SetPointer(pointer.get());
  pointingHand_ = std::move(pointer);  // likewise the label before the old pointer goes
  Img_Ra = {MarkPicture(false, IDR_MARK_OFF, dpi()), MarkPicture(true, IDR_MARK_ON, dpi())};
  Picture strip = LoadPictureResource(IDR_METAL_STRIP);
  if (dpi() != kDesignDpi) {
    const SIZE designSize = strip.size();
    strip =
        SmoothlyScaled(strip, {ScaleEdge(designSize.cx, dpi()), ScaleEdge(designSize.cy, dpi())});
  }
  Pic_Mbl = std::move(strip);
}

void SettingsDialog::CreateButton(CommandButton& button, HWND parent, const DesignRect& design,
                                  const wchar_t* caption) {
  PropertyBag layout;
  layout.Write(L"Caption", std::wstring(caption));
  button.Create(parent, Bounds(design), layout);
}

void SettingsDialog::CreateControls() {
  LoadScaledPictures();
  Pic_C.SetBackColour(kPanelBackground);
  Pic_C.Create(window(), Bounds(kLayout.panel));
  // The panel's children join the dialog's Tab order.
  SetWindowLongPtrW(Pic_C.window(), GWL_EXSTYLE,
                    GetWindowLongPtrW(Pic_C.window(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  CreatePanelControls();

  creditLine_.Create(window(), Bounds(kLayout.creditLine));
  creditLine_.SetForeColour(kWhite);
  creditLine_.SetCaption(kCreditText);
  lbl_URL.Create(window(), Bounds(kLayout.link));
  FontDescription underlined = FormFont();
  underlined.underline = true;
  lbl_URL.SetFont(underlined);
  lbl_URL.SetForeColour(kWhite);
  lbl_URL.SetCaption(kProjectAddress);
  lbl_URL.onClick = [this] { OpenLink(); };
  CreateButton(Cmd_Set, window(), kLayout.setButton, L"設定");
  CreateButton(Cmd_Can, window(), kLayout.cancelButton, L"ｷｬﾝｾﾙ");
}

void SettingsDialog::CreatePanelControls() {
  HWND panel = Pic_C.window();
  captionFrame_.Place(Bounds(kLayout.captionFrame));
  Pic_C.Hold(captionFrame_);
  bgmCaption_.Create(panel, Bounds(kLayout.bgmCaption));
  bgmCaption_.SetAlignment(TextAlignment::Centre);
  bgmCaption_.SetCaption(L"BGM");
  CreateSourceMarks(panel);
  BGM_Repeat.Create(panel, Bounds(kLayout.repeatBox), FormFont());
  repeatCaption_.Create(panel, Bounds(kLayout.repeatCaption));
  repeatCaption_.SetCaption(L"曲目をﾘﾋﾟｰﾄ");
  CreateButton(Cmd_File, panel, kLayout.fileButton, L"...");
  lbl_Fname.Create(panel, Bounds(kLayout.fileName));
  CreateKeepModeMark(panel);
}

void SettingsDialog::CreateSourceMarks(HWND panel) {
  for (int index = 0; index < kMusicSourceCount; ++index) {
    const auto source = static_cast<BgmSource>(index);
    Img_BGM[index].Create(panel, Bounds(kLayout.sourceMarks[index]));
    lbl_BGM[index].Create(panel, Bounds(kLayout.sourceLabels[index]));
    lbl_BGM[index].SetCaption(kSourceNames[index]);
    Img_BGM[index].onMouseDown = [this, source](MouseButton) { ChooseSource(source); };
    lbl_BGM[index].onMouseDown = [this, source](MouseButton) { ChooseSource(source); };
  }
}

void SettingsDialog::CreateKeepModeMark(HWND panel) {
  Img_KeepMode.Create(panel, Bounds(kLayout.keepModeMark));
  lbl_KeepMode.Create(panel, Bounds(kLayout.keepModeLabel));
  lbl_KeepMode.SetCaption(kKeepModeText);
  Img_KeepMode.onMouseDown = [this](MouseButton) { ToggleKeepMode(); };
  lbl_KeepMode.onMouseDown = [this](MouseButton) { ToggleKeepMode(); };
}

void SettingsDialog::PlaceWindow() {
  const SIZE client = {ScaleEdge(kLayout.clientWidth, dpi()),
                       ScaleEdge(kLayout.clientHeight, dpi())};
  const SIZE size = WindowSizeForClient(client, kDialogStyle, dpi());
  const SIZE screen = ScreenSize();
  const WindowPlace place = DialogPlace(screen.cx, screen.cy, size.cx, size.cy);
  Move(place.left, place.top, size.cx, size.cy);
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
    Pic_Mbl.DrawAt(canvas, at.x, at.y);
  }
  panel.Refresh();
}

void SettingsDialog::ShowChosenSource() {
  const SourceLook look = LookOfSource(settings_.BgmKind);
  for (int source = 0; source < kMusicSourceCount; ++source) {
    Img_BGM[source].SetPicture(Img_Ra[look.markLit[source] ? 1 : 0]);
  }
  BGM_Repeat.SetEnabled(look.repeatEnabled);
  Cmd_File.control().SetEnabled(look.fileButtonEnabled);
}

void SettingsDialog::ShowChosenFile() {
  lbl_Fname.SetCaption(fileMissing_ ? settings_.BgmFile + kMissingFileNote : settings_.BgmFile);
}

void SettingsDialog::ShowKeepMode() {
  Img_KeepMode.SetPicture(Img_Ra[KeepsDesktopMode(settings_.ResolutionSwitch) ? 1 : 0]);
}

void SettingsDialog::ChooseSource(BgmSource source) {
  settings_.BgmKind = source;
  Cmd_File.control().SetEnabled(false);
  BGM_Repeat.SetEnabled(false);
  ShowChosenSource();
}

void SettingsDialog::ToggleKeepMode() {
  settings_.ResolutionSwitch = ToggledResolutionSwitch(settings_.ResolutionSwitch);
  ShowKeepMode();
}

// The wide dialog lets a path in any language and of any length through; the settings file then
// gets a form of it that its code page holds and its reader takes whole, or the choice is refused
// rather than stored damaged.
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
  request.lpstrInitialDir = settings_.BgmFolder.c_str();
  request.lpstrTitle = kFileDialogTitle;
  if (!ShowOpenFileChooser(request)) return;
  const std::wstring chosen(file.data());
  const std::optional<std::wstring> storable = StorablePath(
      chosen, ShortPathOf(chosen), [](const std::wstring& text) { return EncodeAnsi(text); });
  if (!storable) {
    Tell(kUnstorablePathText);
    return;
  }
  settings_.BgmFile = *storable;
  fileMissing_ = false;
  ShowChosenFile();
  settings_.BgmFolder = FolderOf(settings_.BgmFile);
}

// All keys go in one edit, so a file that cannot be written is left as it was; the dialog then
// stays open for the user to cancel, or to mend the file and try again.
void SettingsDialog::StoreAndClose() {
  const std::wstring file = SettingsFilePath();
  settings_.BgmRepeat = RepeatFromText(BGM_Repeat.Text());
  const IniValue values[] = {
      {kKeyBgmKind, SignedDecimal(settings_.BgmKind)},
      {kKeyBgmRepeat, SignedDecimal(settings_.BgmRepeat)},
      {kKeyBgmFile, settings_.BgmFile},
      {kKeyResolutionSwitch, SignedDecimal(settings_.ResolutionSwitch)},
  };
  if (!WriteIniValues(kSettingsSection, values, file)) {
    Tell(kUnsavedText + file + kUnsavedAdvice);
    return;
  }
  CloseLater();
}

// The unload comes through the queue: a button must not be destroyed inside its own Click.
void SettingsDialog::CloseLater() { PostMessageW(window(), WM_CLOSE, 0, 0); }

void SettingsDialog::OpenLink() {
  SetApplicationPointer(ApplicationPointer::Hourglass);
  OpenWithShell(window(), lbl_URL.caption().c_str());
  SetApplicationPointer(ApplicationPointer::Default);
}

// Owned by the dialog, so that the dialog waits for the box to be answered.
void SettingsDialog::Tell(const std::wstring& text) const {
  MessageBoxW(window(), text.c_str(), kApplicationTitle, MB_OK);
}

void ShowSettingsDialog(const HostSettings& settings) {
  static SettingsDialog dialog(settings);
  dialog.ShowModal();
}
