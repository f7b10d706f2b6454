; The Windows installer: Tesselka into Program Files for every user, two Start-menu entries, and
; an uninstaller listed among the installed programs. "/S" installs and uninstalls silently.
; scripts/windows.sh defines VERSION, STAGE (the folder to install), UNINSTALL_LIST, ICON and
; OUTFILE.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tesselka"
!define MENU_FOLDER "$SMPROGRAMS\Tesselka"
!define PROJECTOR_ENTRY "大きく表示（プロジェクター）"

Name "Tesselka"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tesselka"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Tesselka"
VIAddVersionKey /LANG=1041 "FileDescription" "Tesselka のインストーラー"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "CompanyName" "The Tesselka authors"
VIAddVersionKey /LANG=1041 "LegalCopyright" "© 2026 Tesselka project"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tesselka.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\licenses\Tesselka.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Tesselka"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\Tesselka.lnk" "$INSTDIR\tesselka.exe" "" "$INSTDIR\tesselka.exe" 0
  CreateShortcut "${MENU_FOLDER}\${PROJECTOR_ENTRY}.lnk" "$INSTDIR\tesselka.exe" "--full-screen" \
    "$INSTDIR\tesselka.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tesselka"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Tesselka authors"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tesselka.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "${MENU_FOLDER}\Tesselka.lnk"
  Delete "${MENU_FOLDER}\${PROJECTOR_ENTRY}.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
