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
; A name of our own: a folder chosen with /D= may hold another program's uninstall.exe, which
; must neither be overwritten nor deleted. Earlier setups used the common name.
!define UNINSTALLER_FILE "${PRODUCT}-uninstall.exe"
!define EARLIER_UNINSTALLER_FILE "uninstall.exe"
; Program files are moved aside under this suffix before any is deleted, so an uninstall that
; cannot move one of them puts the others back and leaves the install whole.
!define ASIDE_SUFFIX ".uninstalling"
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
  ; Read before the entry is written anew: whether this folder's uninstall.exe is an earlier
  ; setup's, known only by the entry naming it.
  ReadRegStr $R4 HKCU "${UNINSTALL_KEY}" "UninstallString"
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
  ${If} $R4 == '"$INSTDIR\${EARLIER_UNINSTALLER_FILE}"'
    Delete "$INSTDIR\${EARLIER_UNINSTALLER_FILE}"
  ${EndIf}
SectionEnd

Section "$(SectionCurrentSaver)" SectionCurrentSaver
  Call MakeCurrentSaver
SectionEnd

; An update leaves alone another saver the user has chosen since, and no saver at all: choosing
; "(None)" in Windows' settings deletes the value. Interactively the box is there to tick.
Function .onInit
  ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${IfThen} $R2 == "" ${|} Return ${|}
  StrCpy $R2 "$R2\${HOST_FILE}"
  Call ReadCurrentSaver
  ${IfThen} $R1 != yes ${|} !insertmacro UnselectSection ${SectionCurrentSaver} ${|}
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

; Moves a program file aside; one that cannot be moved (held open without delete sharing) is
; added to the list in $R0, a line each, and its name to the one in $R6.
!macro SET_PROGRAM_FILE_ASIDE file
  ${If} ${FileExists} "$INSTDIR\${file}"
    ; Only an earlier uninstall that stopped halfway leaves one; it is ours.
    Delete "$INSTDIR\${file}${ASIDE_SUFFIX}"
    ClearErrors
    Rename "$INSTDIR\${file}" "$INSTDIR\${file}${ASIDE_SUFFIX}"
    ${If} ${Errors}
      StrCpy $R0 "$R0$\r$\n$INSTDIR\${file}"
      StrCpy $R6 "$R6 ${file}"
    ${EndIf}
  ${EndIf}
!macroend

; One that cannot be given its name back is added to the list in $R7 under the name it has, so
; the user is told where it is rather than that nothing changed.
!macro PUT_PROGRAM_FILE_BACK file
  ${If} ${FileExists} "$INSTDIR\${file}${ASIDE_SUFFIX}"
    ClearErrors
    Rename "$INSTDIR\${file}${ASIDE_SUFFIX}" "$INSTDIR\${file}"
    ${IfThen} ${Errors} ${|} StrCpy $R7 "$R7$\r$\n$INSTDIR\${file}${ASIDE_SUFFIX}" ${|}
  ${EndIf}
!macroend

; A running program can be renamed but not deleted: one that stays is put back under its name
; and listed as SET_PROGRAM_FILE_ASIDE lists one.
!macro DELETE_PROGRAM_FILE_SET_ASIDE file
  ${If} ${FileExists} "$INSTDIR\${file}${ASIDE_SUFFIX}"
    ClearErrors
    Delete "$INSTDIR\${file}${ASIDE_SUFFIX}"
    ${If} ${Errors}
      StrCpy $R0 "$R0$\r$\n$INSTDIR\${file}"
      StrCpy $R6 "$R6 ${file}"
      !insertmacro PUT_PROGRAM_FILE_BACK "${file}"
    ${EndIf}
  ${EndIf}
!macroend

; The program files go first; only once all are gone the entries and the current-saver setting
; that name them, so a failed uninstall leaves the entries to remove what stayed.
Section "Uninstall"
  Call un.MakeProgramsReplaceable
  ; Asked before the host is moved: its short path can only be asked of the file by its name.
  StrCpy $R2 "$INSTDIR\${HOST_FILE}"
  Call un.ReadCurrentSaver
  StrCpy $R5 $R1
  ; A copy installed elsewhere later with /D= took over the entries; they stay with it.
  ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R3 == ""
  ${OrIf} $R3 == $INSTDIR
    StrCpy $R3 yes
  ${EndIf}
  StrCpy $R0 ""
  StrCpy $R6 ""
  StrCpy $R7 ""
  !insertmacro SET_PROGRAM_FILE_ASIDE "${HOST_FILE}"
  !insertmacro SET_PROGRAM_FILE_ASIDE "${RENDERER_FILE}"
  !insertmacro SET_PROGRAM_FILE_ASIDE "${LAUNCHER_FILE}"
  ${If} $R0 != ""
    !insertmacro PUT_PROGRAM_FILE_BACK "${HOST_FILE}"
    !insertmacro PUT_PROGRAM_FILE_BACK "${RENDERER_FILE}"
    !insertmacro PUT_PROGRAM_FILE_BACK "${LAUNCHER_FILE}"
  ${Else}
    !insertmacro DELETE_PROGRAM_FILE_SET_ASIDE "${HOST_FILE}"
    !insertmacro DELETE_PROGRAM_FILE_SET_ASIDE "${RENDERER_FILE}"
    !insertmacro DELETE_PROGRAM_FILE_SET_ASIDE "${LAUNCHER_FILE}"
  ${EndIf}
  ${If} $R0 != ""
    StrCpy $0 "$(ProgramFilesStayed)$R0"
    ${IfThen} $R7 != "" ${|} StrCpy $0 "$0$\r$\n$\r$\n$(ProgramFilesLeftAside)$R7" ${|}
    DetailPrint $0
    MessageBox MB_OK|MB_ICONEXCLAMATION $0 /SD IDOK
    SetErrorLevel ${EXIT_PROGRAM_FILES_STAYED}
    ; Ends on the page that says the uninstall did not complete.
    Abort "$(NotUninstalled)$R6"
  ${EndIf}
  ; The user may have chosen another saver since; that one stays.
  ${IfThen} $R5 == yes ${|} DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" ${|}
  ${IfThen} $R3 == yes ${|} Delete "${SHORTCUT}" ${|}
  ; The flake picture the host writes at every run; the folder goes only if nothing else is in it.
  Delete "C:\b_lorn\Driftmantle.bmp"
  RMDir "C:\b_lorn"
  ${If} ${FileExists} "$INSTDIR\${SETTINGS_FILE}"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(DeleteSettings)" /SD IDNO IDNO +2
    Delete "$INSTDIR\${SETTINGS_FILE}"
  ${EndIf}
  Delete "$INSTDIR\${UNINSTALLER_FILE}"
  RMDir "$INSTDIR"
  ; Last, so an uninstall that stopped halfway can be started again from the list.
  ${IfThen} $R3 == yes ${|} DeleteRegKey HKCU "${UNINSTALL_KEY}" ${|}
SectionEnd
