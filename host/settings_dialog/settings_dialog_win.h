#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>

#include "combo_box_win.h"
#include "command_button_win.h"
#include "form_win.h"
#include "image_control_win.h"
#include "label_win.h"
#include "picture_box_win.h"
#include "picture_win.h"

// The page the credit line's link opens. A reserved documentation domain: it belongs to nobody.
inline constexpr wchar_t kProjectAddress[] = L"https://driftmantle.example/";

// Driftmantle_P: the settings dialog. The user picks no music, an audio CD with a track to
// repeat, or a music file; the set button stores the choice in the settings file and closes,
// the cancel button, the close box and Escape close without storing.
class SettingsDialog final : public Form {
 public:
  SettingsDialog();

  PictureBox Pic_C;
  ShapeControl Shape3;
  std::map<int, Label> lbl;  // 7 the credit line, 14 beside the repeat box, 15 "BGM"
  std::array<ImageControl, 3> Img_BGM;
  std::array<Label, 3> lbl_BGM;
  ComboBox BGM_Repeat;
  CommandButton Cmd_File;
  Label lbl_Fname;
  Label lbl_URL;
  CommandButton Cmd_Set;
  CommandButton Cmd_Can;

 protected:
  void OnLoad() override;
  void OnResize() override;
  void OnUnload() override;

 private:
  void CreateControls();
  void CreatePanelControls();
  void PlaceWindow();
  void SetupButtons();
  void TilePanel(PictureBox& panel);
  void ShowChosenSource();
  void ChooseSource(int source);
  void ChooseFile();
  void StoreAndClose();
  void CloseLater();
  void OpenLink();

  // Img_Ra: the not-chosen (0) and chosen (1) marks; Pic_Mbl: the panel pattern.
  std::array<std::shared_ptr<const Picture>, 2> Img_Ra;
  Picture Pic_Mbl;
  HCURSOR pointingHand_ = nullptr;
  HICON icon_ = nullptr;
};

// Shows the settings dialog modally and returns once it has closed.
void ShowSettingsDialog();
