; A running copy of 氷花灯 holds its program files open, so they could be neither replaced nor
; removed, and a setup that went on would leave half a program. A saver run is ended the way
; Escape ends it. The settings dialog may hold choices not yet confirmed and the preview belongs
; to the display settings, so those the user is asked to close; a silent run gives up instead,
; with exit code 2 and nothing changed.

; Whether either program is in use: $R0 is empty when both can be replaced, or else the text for
; the user.
!macro TEST_PROGRAM_REPLACEABLE file
  ${If} ${FileExists} "$INSTDIR\${file}"
    ClearErrors
    ; Opening for writing changes nothing, and fails while the program is running.
    FileOpen $0 "$INSTDIR\${file}" a
    ${If} ${Errors}
      StrCpy $R0 "$(ProgramsInUse)"
    ${Else}
      FileClose $0
    ${EndIf}
  ${EndIf}
!macroend

!macro RUNNING_COPIES un
; Ends a saver run and waits for the programs to come free, about ten seconds at most: the host
; ends its side of the run at its next look for the renderer's window. $R0 as above.
Function ${un}SettleRunningCopies
  StrCpy $R1 0
  ${Do}
    StrCpy $R0 ""
    FindWindow $0 "" "${SETTINGS_CAPTION}"
    ${If} $0 <> 0
      StrCpy $R0 "$(SettingsDialogOpen)"
      Return
    ${EndIf}
    FindWindow $0 "" "${RENDERER_WINDOW}"
    ${If} $0 <> 0
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=1000
    ${EndIf}
    FindWindow $1 "" "${SAVER_CAPTION}"
    ${If} $0 <> 0
    ${OrIf} $1 <> 0
      StrCpy $R0 "$(ProgramsInUse)"
    ${EndIf}
    !insertmacro TEST_PROGRAM_REPLACEABLE "${HOST_FILE}"
    !insertmacro TEST_PROGRAM_REPLACEABLE "${RENDERER_FILE}"
    !insertmacro TEST_PROGRAM_REPLACEABLE "${LAUNCHER_FILE}"
    ${IfThen} $R0 == "" ${|} Return ${|}
    IntOp $R1 $R1 + 1
    ${IfThen} $R1 >= 100 ${|} Return ${|}
    Sleep 100
  ${Loop}
FunctionEnd

; Returns once the programs can be replaced; otherwise ends the setup.
Function ${un}MakeProgramsReplaceable
  ${Do}
    Call ${un}SettleRunningCopies
    ${IfThen} $R0 == "" ${|} Return ${|}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R0" /SD IDCANCEL IDRETRY +2
    Abort "$R0"
  ${Loop}
FunctionEnd
!macroend

!insertmacro RUNNING_COPIES ""
!insertmacro RUNNING_COPIES "un."
