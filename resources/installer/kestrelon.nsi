; Kestrelon's installer: a per-user installation that needs no administrator rights.
;
; The build (resources/CMakeLists.txt) runs makensis with these definitions:
;   PROGRAM_EXE  kestrelon.exe          HELP_CHM  help.chm          NOTICES  the third-party notices
;   CLI_EXE      kestrelon-cli.exe
;   SETUP_ICON   the installer's icon   WIZARD_BITMAP  the picture of the first and last pages
;   OUTFILE      kestrelon-setup.exe
;
; Installed: kestrelon.exe, kestrelon-cli.exe, help.chm, THIRD-PARTY-NOTICES.txt and uninstall.exe in
; %LOCALAPPDATA%\Programs\Kestrelon, a Start-menu shortcut, the "InstallPath" value the program reads to find its
; help, and an entry in the current user's list of installed programs. Uninstalling removes all of these and keeps
; the user's own settings (City, Latitude, Longitude, Elevation, Elevation Units, Holiday).

Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The file name must be kestrelon-setup.exe. The installer's manifest asks for no elevation, so Windows does not
; treat it by its name; the warning about names containing "setup" does not apply.
!pragma warning disable 9000

!ifndef PROGRAM_EXE | CLI_EXE | HELP_CHM | NOTICES | SETUP_ICON | WIZARD_BITMAP | OUTFILE
  !error "makensis needs -DPROGRAM_EXE -DCLI_EXE -DHELP_CHM -DNOTICES -DSETUP_ICON -DWIZARD_BITMAP -DOUTFILE"
!endif

!define PRODUCT "Kestrelon"
!define VERSION "1.1"
!define PUBLISHER "Brisken Software"
!define SETTINGS_KEY "Software\Brisken Software\Kestrelon\1.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrelon"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${SETTINGS_KEY}" "InstallPath"
BrandingText "${PUBLISHER}"

VIProductVersion "1.1.0.0"
VIFileVersion "1.1.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${SETUP_ICON}"
!define MUI_UNICON "${SETUP_ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_BITMAP}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION}, a calendar for the Jewish year, for your \
    user account only. No administrator rights are needed.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\kestrelon.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${PRODUCT}"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=kestrelon.exe" "${PROGRAM_EXE}"
    File "/oname=kestrelon-cli.exe" "${CLI_EXE}"
    File "/oname=help.chm" "${HELP_CHM}"
    File "/oname=THIRD-PARTY-NOTICES.txt" "${NOTICES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\kestrelon.exe" "" "$INSTDIR\kestrelon.exe" 0

    ; The program finds its help file through this value.
    WriteRegStr HKCU "${SETTINGS_KEY}" "InstallPath" "$INSTDIR"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kestrelon.exe,0"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\kestrelon.exe"
    Delete "$INSTDIR\kestrelon-cli.exe"
    Delete "$INSTDIR\help.chm"
    Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
    Delete "$INSTDIR\uninstall.exe"
    ; Only an empty folder is removed: the user may have put files of their own there.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"

    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; The user's settings stay for a later installation. A key is removed only when nothing is left in it.
    DeleteRegValue HKCU "${SETTINGS_KEY}" "InstallPath"
    DeleteRegKey /ifnosubkeys /ifnovalues HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifnosubkeys /ifnovalues HKCU "Software\Brisken Software\Kestrelon"
    DeleteRegKey /ifnosubkeys /ifnovalues HKCU "Software\Brisken Software"
SectionEnd
