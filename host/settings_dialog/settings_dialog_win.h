#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/command_button_win.h"
#include "forms/combo_box_win.h"
#include "forms/form_win.h"
#include "forms/gdi_objects_win.h"
#include "forms/image_control_win.h"
#include "forms/label_win.h"
#include "forms/picture_box_win.h"
#include "forms/picture_win.h"
#include "host_state.h"
#include "settings_dialog/dialog_layout.h"
#include "settings_dialog/dialog_rules.h"
#include "zoom_win.h"

// The page the credit line's link opens. A reserved documentation domain: it belongs to nobody.
inline constexpr wchar_t kProjectAddress[] = L"https://driftmantle.example/";

// Driftmantle_P: the settings dialog. The user picks no music, an audio CD with a track to
// repeat, or a music file, and whether a saver run keeps the desktop's display mode; the set
// button stores the choice in the settings file and closes, the cancel button, the close box and
// Escape close without storing.
class SettingsDialog final : public Form {
 public:
  explicit SettingsDialog(HostSettings settings);

 protected:
  void OnLoad() override;
  void OnResize() override;
  void OnUnload() override;
  void OnDpiChanged(int dpi, const RECT& suggested) override;

 private:
  void CreateButton(CommandButton& button, HWND parent, const DesignRect& design,
                    const wchar_t* caption);
  void LoadScaledPictures();
  void CreateControls();
  void CreatePanelControls();
  void CreateSourceMarks(HWND panel);
  void CreateKeepModeMark(HWND panel);
  void PlaceWindow();
  void KeepStoredChoice();
  void SetupButtons();
  void TilePanel(PictureBox& panel);
  void ShowChosenSource();
  void ShowChosenFile();
  void ShowKeepMode();
  void ChooseSource(BgmSource source);
  void ToggleKeepMode();
  void ChooseFile();
  void StoreAndClose();
  void CloseLater();
  void OpenLink();
  void Tell(const std::wstring& text) const;

  PictureBox Pic_C;
  ShapeControl captionFrame_;  // around the panel's caption "BGM"
  Label bgmCaption_;
  std::array<ImageControl, kMusicSourceCount> Img_BGM;
  std::array<Label, kMusicSourceCount> lbl_BGM;
  ComboBox BGM_Repeat;
  Label repeatCaption_;  // "曲目をﾘﾋﾟｰﾄ" beside the repeat box
  CommandButton Cmd_File;
  Label lbl_Fname;
  // Lit when a saver run keeps the desktop's display mode (ResolutionSwitch 0).
  ImageControl Img_KeepMode;
  Label lbl_KeepMode;
  Label creditLine_;
  Label lbl_URL;
  CommandButton Cmd_Set;
  CommandButton Cmd_Can;

  // Img_Ra: the not-chosen (0) and chosen (1) marks; Pic_Mbl: the panel pattern.
  std::array<std::shared_ptr<const Picture>, 2> Img_Ra;
  Picture Pic_Mbl;
  OwnedCursor pointingHand_;
  OwnedIcon icon_;
  // The settings as loaded, changed by the user's choices and stored by 設定.
  HostSettings settings_;
  // Where the pointer was when the dialog opened, the start and end of its zoom animation.
  ZoomPoint zoomPoint_;
  // The chosen file is the stored one that could not be opened when the dialog opened.
  bool fileMissing_ = false;
};

// Shows the settings dialog with the loaded settings, modally, and returns once it has closed.
void ShowSettingsDialog(const HostSettings& settings);
