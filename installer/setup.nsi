; The per-user setup program of 氷花灯. It needs no administrator: the programs go into the
; user's own programs folder, where the settings file beside them is always writable, and every
; registry value it writes is the user's own.
;
; The build passes VERSION, PRODUCT and PUBLISHER as the programs' version resources have them,
; HOST, RENDERER and LAUNCHER (the built programs) with their file names HOST_FILE, RENDERER_FILE
; and LAUNCHER_FILE, ICON, OUTFILE and the window titles the programs use: RENDERER_WINDOW,
; SAVER_CAPTION and SETTINGS_CAPTION.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; A program file that cannot be written ends the setup rather than being skipped: never one new
; program beside an old one.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include Sections.nsh

!define SETTINGS_FILE "氷花灯.ini"
!define UNINSTALLER_FILE "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The uninstaller's exit code when a program file could not be deleted.
!define EXIT_PROGRAM_FILES_STAYED 3

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An earlier install is installed over wherever it went, so its settings file stays in use and
; no second copy is made unasked. /D= still wins; that copy then takes over the entries.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The pages speak the user's language; English is the first, so every other language gets it.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

!include strings.nsh
!include running_copies.nsh
!include screen_saver.nsh

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductName "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} ProductVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} FileDescription "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} CompanyName "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} LegalCopyright "© ${PUBLISHER}"

Section "!$(SectionPrograms)" SectionPrograms
  SectionIn RO
  Call MakeProgramsReplaceable
  SetOutPath "$INSTDIR"
  ; The settings file is never part of the package, so an earlier install's one stays as it is.
  File "/oname=${HOST_FILE}" "${HOST}"
  File "/oname=${RENDERER_FILE}" "${RENDERER}"
  File "/oname=${LAUNCHER_FILE}" "${LAUNCHER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"
  ; Not the host with /c: the shell opens a screen saver file with /S whatever a shortcut adds.
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${LAUNCHER_FILE}" "" "$INSTDIR\${HOST_FILE}" 0 \
      SW_SHOWNORMAL "" "$(ShortcutDescription)"
  Call WriteUninstallEntry
SectionEnd

Section "$(SectionCurrentSaver)" SectionCurrentSaver
  Call MakeCurrentSaver
SectionEnd

; An update leaves alone another saver the user has chosen since; interactively the box is
; there to tick.
Function .onInit
  ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${IfThen} $R2 == "" ${|} Return ${|}
  StrCpy $R2 "$R2\${HOST_FILE}"
  Call ReadCurrentSaver
  ${If} $R0 != ""
  ${AndIf} $R1 != yes
    !insertmacro UnselectSection ${SectionCurrentSaver}
  ${EndIf}
FunctionEnd

Function WriteUninstallEntry
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${HOST_FILE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER_FILE}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER_FILE}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
FunctionEnd

; Deletes a program file; one that stays is added to the list in $R0, a line each.
!macro DELETE_PROGRAM_FILE file
  ClearErrors
  Delete "$INSTDIR\${file}"
  ${IfThen} ${Errors} ${|} StrCpy $R0 "$R0$\r$\n$INSTDIR\${file}" ${|}
!macroend

Section "Uninstall"
  Call un.MakeProgramsReplaceable
  ; Before the host is deleted: its short path can only be asked of an existing file.
  Call un.ForgetCurrentSaver
  ; A copy installed elsewhere later with /D= took over the entries; they stay with it.
  ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R3 == ""
  ${OrIf} $R3 == $INSTDIR
    StrCpy $R3 yes
    Delete "${SHORTCUT}"
  ${EndIf}
  ; The flake picture the host writes at every run; the folder goes only if nothing else is in it.
  Delete "C:\b_lorn\Driftmantle.bmp"
  RMDir "C:\b_lorn"
  StrCpy $R0 ""
  !insertmacro DELETE_PROGRAM_FILE "${HOST_FILE}"
  !insertmacro DELETE_PROGRAM_FILE "${RENDERER_FILE}"
  !insertmacro DELETE_PROGRAM_FILE "${LAUNCHER_FILE}"
  ${If} $R0 != ""
    ; The uninstaller and its entry stay, so the uninstall can be run again once the file is free.
    DetailPrint "$(ProgramFilesStayed)$R0"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(ProgramFilesStayed)$R0" /SD IDOK
    SetErrorLevel ${EXIT_PROGRAM_FILES_STAYED}
    Return
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\${SETTINGS_FILE}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(DeleteSettings)" /SD IDNO IDNO +2
    Delete "$INSTDIR\${SETTINGS_FILE}"
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER_FILE}"
  RMDir "$INSTDIR"
  ; Last, so an uninstall that stopped halfway can be started again from the list.
  ${IfThen} $R3 == yes ${|} DeleteRegKey HKCU "${UNINSTALL_KEY}" ${|}
SectionEnd
