; The Windows installer: a per-user install of the deployed program folder, with no
; administrator rights. scripts/package-windows runs makensis on it with
;   -DVERSION=2.4.4 -DOUTFILE=<setup.exe> -DFILELIST=<file list> -DICON=<tenvik.ico>
; `/S` installs and uninstalls silently. The uninstaller leaves the user's settings and
; records in %APPDATA%\Quorvell\Tenvik alone.

; A 64-bit installer for a 64-bit program; it also runs where only 64-bit Windows programs do.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Tenvik"
!define PUBLISHER "Quorvell"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "© 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\tenvik.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for a system whose language is none of these; the others
; follow the system's display language, without asking.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"

LangString ShortcutName ${LANG_ENGLISH} "Tenvik shift calendar"
LangString ShortcutName ${LANG_SPANISH} "Calendario de turnos Tenvik"
LangString ShortcutName ${LANG_FRENCH} "Calendrier des quarts Tenvik"
LangString ShortcutName ${LANG_GERMAN} "Tenvik Dienstkalender"

; The files that scripts/package-windows lists from the deployed folder: the uninstaller
; removes exactly these, so nothing a user put beside them goes with them.
!include "${FILELIST}"

Section "Tenvik"
  SetOutPath "$INSTDIR"
  !insertmacro TenvikInstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\$(ShortcutName).lnk" "$INSTDIR\tenvik.exe" "" "$INSTDIR\tenvik.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "ShortcutName" "$(ShortcutName)"

  ; Windows' list of installed apps, for this user.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tenvik.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "ShortcutName"
  StrCmp $0 "" +2
  Delete "$SMPROGRAMS\$0.lnk"
  !insertmacro TenvikUninstallFiles
  Delete "$INSTDIR\uninstall.exe"
  ; Only if empty: whatever else is there was not ours to remove.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
