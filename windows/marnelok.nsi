; SPDX-License-Identifier: GPL-3.0-or-later
; The installer for Windows, made with NSIS by windows/package, which defines VERSION, VERSION_QUAD,
; STAGE (the installed folder to pack), FILES and UNFILES (its files, to install and remove),
; SIZE_KB, ICON and OUTFILE. It installs for all users into Program Files, adds a Start menu
; entry, and registers the uninstaller in Add or Remove Programs. /S installs and uninstalls
; silently. Uninstalling removes exactly the installed files; the player's record (the registry)
; and history (the application data folder) stay.
; A 64-bit installer for a 64-bit program: it also runs under Wine without 32-bit support.
Target amd64-unicode

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Marnelok"
!define PUBLISHER "The Marnelok developers"

Name "Marnelok ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Marnelok"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
Icon "${ICON}"
UninstallIcon "${ICON}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "Marnelok"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Marnelok ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "GPL-3.0-or-later"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Marnelok"
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ; The entry starts the program in its own folder, where its help document is.
  CreateShortcut "$SMPROGRAMS\Marnelok.lnk" "$INSTDIR\marnelok.exe" "" "$INSTDIR\marnelok.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Marnelok"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\marnelok.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Marnelok.lnk"
  ; Only an empty folder goes: whatever else the player put there stays.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
