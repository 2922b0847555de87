; The per-user installer and the uninstaller it writes. scripts/package.sh builds it with makensis and names:
;   VERSION       the project's version, 1.2.3
;   VERSION_QUAD  the same with four numbers, 1.2.3.0
;   TARGET        x86-unicode (the shipped 32-bit program) or amd64-unicode
;   STAGE         a folder holding fleeba.exe, README.txt and LICENSE.txt
;   ICON          the program's icon file
;   OUTFILE       the installer to write
;
; No administrator is needed: everything goes to the current user's folders and registry.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Fleeba"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The program's own names: its Run value, its settings key, and its hidden window, which quits on WM_CLOSE.
!define RUN_VALUE "Fleeba Desktop Toy"
!define SETTINGS_KEY "Software\Fleeba"
!define TOY_CLASS "TambaGuiCustomWindow"
!define TOY_TITLE "Fleeba"
!define PUBLISHER "The Fleeba developers"
; How long a running toy gets to close, in tenths of a second.
!define CLOSE_WAIT 50
; The exit code of an installer or uninstaller that stopped before changing anything.
!define EXIT_TOY_RUNNING 2

Name "Fleeba"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Fleeba"
; An installed copy is upgraded where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Fleeba ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "Fleeba"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Fleeba ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 the Fleeba developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\fleeba.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Fleeba now"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks every running toy to close, as choosing Exit from its menu does (its hidden window quits on WM_CLOSE),
; and waits for its process to end, since the program file stays locked until then. A toy still running
; after a few seconds is reported (silently: by the exit code) and the run ends before anything changes.
!macro CLOSE_RUNNING_TOYS un
Function ${un}CloseRunningToys
  Push $0
  Push $1
  Push $2
  Push $3
  Push $4
  StrCpy $0 ${CLOSE_WAIT}
  ask:
    FindWindow $1 "${TOY_CLASS}" "${TOY_TITLE}"
    StrCmp $1 0 closed
    StrCpy $2 0
    System::Call "user32::GetWindowThreadProcessId(p r1, *i 0 r2)"
    ; SYNCHRONIZE: enough to wait for the process.
    System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r2) p.r3"
    System::Call "user32::PostMessage(p r1, i ${WM_CLOSE}, p 0, p 0)"
  waiting:
    IntCmp $0 0 stuck stuck
    IntOp $0 $0 - 1
    ${If} $3 P<> 0
      System::Call "kernel32::WaitForSingleObject(p r3, i 100) i.r4"
      IntCmp $4 0 ended
    ${Else}
      ; A process that cannot be opened is followed by its window.
      Sleep 100
      IsWindow $1 0 ask
    ${EndIf}
    Goto waiting
  ended:
    System::Call "kernel32::CloseHandle(p r3)"
    Goto ask
  stuck:
    ${If} $3 P<> 0
      System::Call "kernel32::CloseHandle(p r3)"
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "Fleeba is still running and did not close.$\r$\n$\r$\nClose it (right-click the sea monster and choose Exit), then press Retry. Nothing has been changed yet." \
      /SD IDCANCEL IDCANCEL giveUp
    StrCpy $0 ${CLOSE_WAIT}
    Goto ask
  giveUp:
    SetErrorLevel ${EXIT_TOY_RUNNING}
    Quit
  closed:
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_TOYS ""
!insertmacro CLOSE_RUNNING_TOYS "un."

Section
  Call CloseRunningToys
  SetOutPath "$INSTDIR"
  File "${STAGE}\fleeba.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Fleeba.lnk" "$INSTDIR\fleeba.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Fleeba"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\fleeba.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ; The uninstaller runs where it lies (_?=), so that whoever started it waits for it and reads its exit code.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" _?=$INSTDIR'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; Run on startup is the user's choice, made in Options: kept as it is, but when it is on, Windows starts
  ; the program just installed (the program writes its path in quotes).
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${IfNot} ${Errors}
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\fleeba.exe"'
  ${EndIf}
SectionEnd

; Removes only what the installer put there, never a folder with anything else left in it: the folder may
; have been chosen by hand (/D=) and hold the user's own files.
Section "Uninstall"
  Call un.CloseRunningToys
  ; The program goes first: while it cannot, nothing else is touched.
  Delete "$INSTDIR\fleeba.exe"
  ${If} ${FileExists} "$INSTDIR\fleeba.exe"
    MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\fleeba.exe cannot be removed. Nothing has been changed." /SD IDOK
    SetErrorLevel ${EXIT_TOY_RUNNING}
    Quit
  ${EndIf}
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$SMPROGRAMS\Fleeba.lnk"

  ; The Run value goes only when it starts this copy; one that starts another copy is that copy's.
  ClearErrors
  ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${IfNot} ${Errors}
    ${If} $0 == '"$INSTDIR\fleeba.exe"'
    ${OrIf} $0 == "$INSTDIR\fleeba.exe"
      DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; A running program cannot delete its own file. Once this one has ended (after its last page is closed, when
; it has one), a hidden command prompt deletes it and the emptied folder (and, when the uninstaller runs from
; the temporary copy it makes of itself when started without _?=, that copy and its folder), then ends itself.
Function un.onUninstSuccess
  SetOutPath "$TEMP"
  ExecShell "" "$SYSDIR\cmd.exe" '/d /q /s /c "for /l %i in (1,1,60) do @(ping -n 2 127.0.0.1 >nul & del /f /q "$INSTDIR\uninstall.exe" "$EXEPATH" 2>nul & rmdir "$INSTDIR" 2>nul & rmdir "$EXEDIR" 2>nul & if not exist "$INSTDIR\uninstall.exe" if not exist "$EXEPATH" exit)"' SW_HIDE
FunctionEnd
