; The installer, compiled by release.sh; makensis -D gives NAME, VERSION,
; PUBLISHER, ICON, STAGE (the portable folder), UNINSTALL_FILES and OUTFILE.
Unicode true
; 64-bit, like the program; a 32-bit installer would also need 32-bit Wine.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\quorvanta-timer"
!define SHORTCUT "$SMPROGRAMS\$(ShortcutName).lnk"

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${NAME} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvanta-timer.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The pages speak the system's display language, English where it is none of
; these (the first is the fallback). The Start menu entry and the entry in
; Settings, Apps say what the program is in the same language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "Korean"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "Vietnamese"
!insertmacro MUI_LANGUAGE "Indonesian"
!insertmacro MUI_LANGUAGE "Turkish"
LangString ShortcutName ${LANG_ENGLISH} "${NAME}"
LangString ShortcutName ${LANG_GERMAN} "Quorvanta Rubik's-Cube-Timer"
LangString ShortcutName ${LANG_SPANISH} "Quorvanta Cronómetro para el cubo de Rubik"
LangString ShortcutName ${LANG_FRENCH} "Quorvanta Chronomètre pour Rubik's Cube"
LangString ShortcutName ${LANG_PORTUGUESEBR} "Quorvanta Cronômetro para Cubo de Rubik"
LangString ShortcutName ${LANG_POLISH} "Quorvanta Stoper do kostki Rubika"
LangString ShortcutName ${LANG_RUSSIAN} "Quorvanta Таймер для кубика Рубика"
LangString ShortcutName ${LANG_SIMPCHINESE} "Quorvanta 魔方计时器"
LangString ShortcutName ${LANG_JAPANESE} "Quorvanta ルービックキューブ タイマー"
LangString ShortcutName ${LANG_KOREAN} "Quorvanta 루빅스 큐브 타이머"
LangString ShortcutName ${LANG_ITALIAN} "Quorvanta Timer per il cubo di Rubik"
LangString ShortcutName ${LANG_UKRAINIAN} "Quorvanta Таймер для кубика Рубіка"
LangString ShortcutName ${LANG_VIETNAMESE} "Quorvanta Đồng hồ bấm giờ Rubik"
LangString ShortcutName ${LANG_INDONESIAN} "Quorvanta Pencatat Waktu Kubus Rubik"
LangString ShortcutName ${LANG_TURKISH} "Quorvanta Rubik Küpü Zamanlayıcısı"

Section "Install"
    ; The Start menu entry for every user, as the files are.
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\quorvanta-timer.exe" "" "$INSTDIR\quorvanta-timer.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(ShortcutName)"
    ; The entry's name is in the language of the day it was installed, which
    ; the uninstaller need not speak.
    WriteRegStr HKLM "${UNINSTALL_KEY}" "StartMenuShortcut" "${SHORTCUT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvanta-timer.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "StartMenuShortcut"
    StrCmp $0 "" +2
    Delete "$0"
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    ; Only an emptied folder goes: anything the user put there stays.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
