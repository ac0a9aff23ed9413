; SPDX-License-Identifier: Apache-2.0
; The Windows installer, made on Debian by scripts/build-windows-installer.sh from build-windows/dist.
; It installs per machine (Program Files, for every user, with administrator rights) or per user (the
; user's own programs folder, no rights needed): chosen on a page, or with /AllUsers or /CurrentUser
; beside /S for a silent install. The window is offered in Open With for the evidence types without
; taking any type over from the program that opens it today.
; A 64-bit installer for a 64-bit program: its registry entries and folders are those Explorer reads.
Target amd64-unicode
!macro Required NAME
    !ifndef ${NAME}
        !error "makensis -DVERSION=1.2.3 -DDIST=folder -DFILES=list.nsh -DOUTFILE=setup.exe quorlith.nsi"
    !endif
!macroend
!insertmacro Required VERSION
!insertmacro Required DIST
!insertmacro Required FILES
!insertmacro Required OUTFILE

!define APP "Trevalon Quorlith"
!define PROGID "TrevalonQuorlith.Evidence"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TrevalonQuorlith"
!define APPLICATION_KEY "Software\Classes\Applications\quorlith.exe"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${APP} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Apache License 2.0"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

; Removed as it was installed, per machine or per user, whatever rights the person removing it has: the
; installer leaves the way it installed beside the uninstaller.
Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    ReadINIStr $0 "$INSTDIR\install.ini" "Install" "Mode"
    ${If} $0 == "AllUsers"
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
FunctionEnd

!macro OpenWith EXTENSION
    WriteRegStr SHCTX "Software\Classes\.${EXTENSION}\OpenWithProgids" "${PROGID}" ""
    WriteRegStr SHCTX "${APPLICATION_KEY}\SupportedTypes" ".${EXTENSION}" ""
!macroend

!macro NoLongerOpenWith EXTENSION
    DeleteRegValue SHCTX "Software\Classes\.${EXTENSION}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.${EXTENSION}\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\.${EXTENSION}"
!macroend

Section
    SetOutPath "$INSTDIR"
    File /r "${DIST}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteINIStr "$INSTDIR\install.ini" "Install" "Mode" "$MultiUser.InstallMode"
    CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\quorlith.exe"

    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Surveillance evidence"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\quorlith.exe,0"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\quorlith.exe" "%1"'
    WriteRegStr SHCTX "${APPLICATION_KEY}" "FriendlyAppName" "${APP}"
    WriteRegStr SHCTX "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\quorlith.exe" "%1"'
    !insertmacro OpenWith jpg
    !insertmacro OpenWith avi
    !insertmacro OpenWith mp4
    !insertmacro OpenWith mxg

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Trevalon Quorlith developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorlith.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ; Explorer reads the associations anew.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; Only what the installer put there, so that a folder chosen with other files in it keeps them.
Section "Uninstall"
    Delete "$SMPROGRAMS\${APP}.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    Delete "$INSTDIR\install.ini"
    RMDir "$INSTDIR"

    !insertmacro NoLongerOpenWith jpg
    !insertmacro NoLongerOpenWith avi
    !insertmacro NoLongerOpenWith mp4
    !insertmacro NoLongerOpenWith mxg
    DeleteRegKey SHCTX "${APPLICATION_KEY}"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
