; The user's current screen saver: HKCU\Control Panel\Desktop, value SCRNSAVE.EXE.
!define DESKTOP_KEY "Control Panel\Desktop"

Function MakeCurrentSaver
  ; Windows itself keeps the short (8.3) path here: the value is started as a command line with
  ; " /s" after it, and the short form has no blanks to split it. A volume that makes no short
  ; names gives back the long path, as it does to Windows.
  GetFullPathName /SHORT $0 "$INSTDIR\${HOST_FILE}"
  ${IfThen} $0 == "" ${|} StrCpy $0 "$INSTDIR\${HOST_FILE}" ${|}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $0
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  ; The running session reads the switch from memory, not from the registry, until the next
  ; sign-in: SPI_SETSCREENSAVEACTIVE (17) tells it now.
  System::Call "user32::SystemParametersInfoW(i 17, i 1, p 0, i 3)"
FunctionEnd

!macro CURRENT_SAVER un
; $0: the long form of the path in $0, or the path unchanged when it names no file.
Function ${un}LongPathOf
  System::Call "kernel32::GetLongPathNameW(w r0, w .r1, i ${NSIS_MAX_STRLEN}) i .r2"
  ${IfThen} $2 <> 0 ${|} StrCpy $0 $1 ${|}
FunctionEnd

; $R0: SCRNSAVE.EXE as stored; $R1: "yes" when it names the existing host $R2, in whichever form
; it was stored. Comparisons are case-blind, as paths are.
Function ${un}ReadCurrentSaver
  StrCpy $R1 ""
  ReadRegStr $R0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${IfThen} $R0 == "" ${|} Return ${|}
  StrCpy $0 $R0
  Call ${un}LongPathOf
  StrCpy $3 $0
  StrCpy $0 $R2
  Call ${un}LongPathOf
  GetFullPathName /SHORT $4 $R2
  ${If} $3 == $0
  ${OrIf} $R0 == $4
    StrCpy $R1 yes
  ${EndIf}
FunctionEnd
!macroend

!insertmacro CURRENT_SAVER ""
!insertmacro CURRENT_SAVER "un."
