; The Windows installer: per user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Zumbilo, with a Start-menu shortcut, an entry in
; "Installed apps" and an uninstaller that takes all of it away again.
; makensis gets from the build: VERSION (3.5.0.4), VERSION_TEXT (3.05.0004),
; APP_ID (the uninstall entry's key), EXE, ICON and OUTFILE.

Unicode true
; The game is 64-bit only, so the installer may be too.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
ManifestSupportedOS all

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define APPS_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${APPS_KEY}\${APP_ID}"

Name "Zumbilo"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Zumbilo"
; A new version goes where the last one went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zumbilo.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the one shown where Windows speaks neither.
!insertmacro MUI_LANGUAGE "SpanishInternational"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISHINTERNATIONAL} "ProductName" "Zumbilo"
VIAddVersionKey /LANG=${LANG_SPANISHINTERNATIONAL} "CompanyName" "Velmarin"
VIAddVersionKey /LANG=${LANG_SPANISHINTERNATIONAL} "LegalCopyright" "© 2026 Velmarin"
VIAddVersionKey /LANG=${LANG_SPANISHINTERNATIONAL} "FileDescription" "Instalador de Zumbilo"
VIAddVersionKey /LANG=${LANG_SPANISHINTERNATIONAL} "FileVersion" "${VERSION_TEXT}"
VIAddVersionKey /LANG=${LANG_SPANISHINTERNATIONAL} "ProductVersion" "${VERSION_TEXT}"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "/oname=zumbilo.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Zumbilo.lnk" "$INSTDIR\zumbilo.exe" "" "$INSTDIR\zumbilo.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Zumbilo"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmarin"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zumbilo.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In kB, as "Installed apps" shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Zumbilo.lnk"
  Delete "$INSTDIR\zumbilo.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; Each only if empty: whatever the player put there stays. The install
  ; may have made the folder of per-user programs; no other program uses it.
  RMDir "$INSTDIR"
  RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; A new user's registry has no list of apps until an install makes one.
  DeleteRegKey /ifempty HKCU "${APPS_KEY}"
  IfSilent 0 +2
  Call un.removeRunningCopy
SectionEnd

; The uninstaller runs from a copy of itself in the temporary folder, which it
; cannot delete while it runs, and which a user's rights cannot have deleted
; at the next start. A hidden command line deletes it, and its folder if
; empty, once it has ended (trying each second for half a minute).
Function un.removeRunningCopy
  ; Neither this nor the command line may be working in the folder.
  SetOutPath "$TEMP"
  ExecShell "" "$SYSDIR\cmd.exe" '/c for /l %n in (1,1,30) do (ping -n 2 127.0.0.1 >nul & del /f /q "$EXEPATH" 2>nul & if not exist "$EXEPATH" (rmdir "$EXEDIR" 2>nul & exit))' SW_HIDE
FunctionEnd

Function un.onGUIEnd
  Call un.removeRunningCopy
FunctionEnd
