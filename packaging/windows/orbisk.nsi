; Orbisk for Windows: the programs with Qt's DLLs, plugins and Russian translations, the fonts
; the report is laid out in, a Start-menu entry, the .rcf file type with its icon, and an
; uninstaller that removes exactly what was installed. Built by scripts/package-windows.sh,
; which defines VERSION and OUTFILE, and LISTS: the folder of the file lists it writes
; (installed.nsh, removed.nsh).
Unicode true
; A 64-bit installer for 64-bit programs (and for a Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Orbisk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbisk"
!define PROGID "Orbisk.rcf"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
Icon "orbisk.ico"
UninstallIcon "orbisk.ico"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Orbisk"
  SetRegView 64
  SetShellVarContext all
  !include "${LISTS}/installed.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\orbisk.exe" "" "$INSTDIR\orbisk.exe" 0

  ; Configuration files show the program's icon and its type name, and open in the program.
  WriteRegStr HKLM "Software\Classes\.rcf" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "WardenyDATA"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\orbisk.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\orbisk.exe" "%1"'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orbisk.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  !include "${LISTS}/removed.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ; The file type goes only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.rcf" ""
  StrCmp $0 "${PROGID}" 0 +2
    DeleteRegKey HKLM "Software\Classes\.rcf"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The stored preferences (port, folder) stay for a later installation.
SectionEnd
