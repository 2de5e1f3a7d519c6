; The Windows installer: the game in Program Files, a Start-menu entry, and an uninstaller listed
; among Windows' installed programs. Built by makensis with EXE, LICENSE, VERSION and OUTFILE
; defined; /S installs and uninstalls without a word.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "pirandella"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\pirandella"
InstallDirRegKey HKLM "Software\pirandella" "InstallDir"
RequestExecutionLevel admin
BrandingText "pirandella ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1040 "ProductName" "pirandella"
VIAddVersionKey /LANG=1040 "FileDescription" "Installazione di pirandella"
VIAddVersionKey /LANG=1040 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1040 "LegalCopyright" "MIT License"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\pirandella"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The finish page starts the game through Explorer, which runs as the logged-in user: never with
; the administrator rights this installer holds.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

Function StartAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\pirandella.exe"'
FunctionEnd

Section "pirandella"
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "${EXE}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\Disinstalla.exe"
  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\pirandella.lnk" "$INSTDIR\pirandella.exe"
  WriteRegStr HKLM "Software\pirandella" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "pirandella"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pirandella.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "pirandella"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Disinstalla.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Disinstalla.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "${SIZE_KB}"
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\pirandella.lnk"
  Delete "$INSTDIR\pirandella.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Disinstalla.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\pirandella"
SectionEnd
