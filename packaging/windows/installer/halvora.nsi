; Halvora's installer for Windows: for the user who runs it, with no
; administrator asked. The program goes into the user's own programs folder,
; with an entry in the Start menu and one in the list of installed programs,
; whose uninstaller takes all of it away again. /S installs and uninstalls
; silently; /D=FOLDER (last on the command line) installs elsewhere.
;
; makensis is given (-D): VERSION (major.minor.revision), PRODUCT_VERSION,
; COMPANY, DESCRIPTION, PROGRAM (the executable to ship), ICON and OUTFILE;
; the script is UTF-8 (-INPUTCHARSET UTF8).

Unicode true
; The program is 64-bit, and so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define UNINSTALL_LIST "Software\Microsoft\Windows\CurrentVersion\Uninstall"
!define UNINSTALL_KEY "${UNINSTALL_LIST}\Halvora"
!define UNINSTALLER "eltavolito.exe"
!define SHORTCUT "$SMPROGRAMS\Halvora.lnk"

Name "Halvora"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Halvora"
; Installed again, it goes where it went before.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${COMPANY}"
; The program cannot be replaced or removed while it runs: the user may only
; try again or give up (a silent run gives up), never skip it.
AllowSkipFiles off

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\halvora.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Hungarian"

LangString still_running ${LANG_HUNGARIAN} "A Halvora most is fut, ezért nem távolítható el. Zárja be, majd kattintson az Újra gombra."

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "ProductName" "Halvora"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "FileDescription" "Halvora telepítő – ${DESCRIPTION}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "FileVersion" "${PRODUCT_VERSION}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "ProductVersion" "${PRODUCT_VERSION}"
VIAddVersionKey /LANG=${LANG_HUNGARIAN} "LegalCopyright" "© ${COMPANY}"

Section
    SetOutPath "$INSTDIR"
    File "/oname=halvora.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\halvora.exe" "" "$INSTDIR\halvora.exe" 0 \
        SW_SHOWNORMAL "" "${DESCRIPTION}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Halvora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${PRODUCT_VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Comments" "${DESCRIPTION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\halvora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes what the installer made, the program first: while it runs, nothing
; is removed. A folder that holds anything else (a help file the user put
; beside the program) stays, with that in it.
Section Uninstall
    retry:
    ClearErrors
    Delete "$INSTDIR\halvora.exe"
    IfErrors 0 removed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(still_running)" /SD IDCANCEL IDRETRY retry
    Abort
    removed:
    Delete "${SHORTCUT}"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    ; The user's own programs folder, when Halvora was all it held (the installer made it).
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; The user's list of programs, likewise.
    DeleteRegKey /ifempty HKCU "${UNINSTALL_LIST}"
    ; The uninstaller runs as a copy of itself in a folder of the user's
    ; temporary files, which the system deletes when it starts again, before
    ; that folder; the folder is named again here, to go after it.
    StrCmp "$EXEDIR" "$INSTDIR" done
    RMDir /REBOOTOK "$EXEDIR"
    done:
SectionEnd
