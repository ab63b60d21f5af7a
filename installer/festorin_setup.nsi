; Festorin-Setup.exe: installs Festorin for the current user alone, without
; administrator rights, and writes its uninstaller. Built by CMake, which
; passes the version from app/version.h and the paths of its files:
;   makensis -DVERSION=1.0 -DFILE_VERSION=1.0.0.0 -DFESTORIN_EXE=... -DOUTFILE=... festorin_setup.nsi
; The user's list of birthdays (%APPDATA%\FN) is never touched by either.
Unicode true
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Festorin"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define OPEN_WITH_KEY "Software\Classes\Applications\Festorin.exe"
!define PUBLISHER "The Festorin developers"
; How long a running Festorin is given to end once its window is closed.
!define CLOSE_TIME_SECONDS 10
!define /math CLOSE_TIME_LIMIT_MS ${CLOSE_TIME_SECONDS} * 1000

Name "Festorin"
OutFile "${OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\Festorin"
; Installing again goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
; A file that cannot be written stops the install instead of being skipped.
AllowSkipFiles off
BrandingText "Festorin ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIFileVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Festorin"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${FILE_VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Festorin installer"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!define MUI_ICON "../app/festorin.ico"
!define MUI_UNICON "../app/festorin.ico"
!define MUI_COMPONENTSPAGE_NODESC

Var FestorinWasRunning
Var ListFolder

!insertmacro MUI_PAGE_DIRECTORY
!define MUI_COMPONENTSPAGE_TEXT_TOP "Festorin is installed for you alone. It can start each time you log on to Windows, so that no birthday is missed."
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Festorin now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartFestorin
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Festorin has been removed from your computer.$\r$\n$\r$\nYour list of birthdays stays in this folder:$\r$\n$ListFolder$\r$\n$\r$\nInstall Festorin again and it shows every person as before."
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

; Ends every running Festorin as its close box does (it asks nothing, and
; every change is saved when made) and waits for its process to end, so that
; its files can be replaced or removed. Stops the install or the uninstall,
; with a message, when one still runs after the time limit.
!macro CLOSE_FESTORIN_FUNCTION PREFIX
Function ${PREFIX}CloseFestorin
    StrCpy $FestorinWasRunning 0
    System::Call "kernel32::GetTickCount() i .r5"
    ${Do}
        FindWindow $0 "TForm1" "Festorin"
        ${If} $0 = 0
            ${ExitDo}
        ${EndIf}
        StrCpy $FestorinWasRunning 1
        DetailPrint "Closing the running Festorin"
        System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
        ; SYNCHRONIZE: enough to wait for the process.
        System::Call "kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2"
        System::Call "user32::PostMessage(p r0, i ${WM_CLOSE}, p 0, p 0)"
        ${If} $2 P<> 0
            System::Call "kernel32::WaitForSingleObject(p r2, i ${CLOSE_TIME_LIMIT_MS})"
            System::Call "kernel32::CloseHandle(p r2)"
        ${Else}
            ; Its process is gone already; its window follows in a moment.
            Sleep 100
        ${EndIf}
        System::Call "kernel32::GetTickCount() i .r6"
        IntOp $6 $6 - $5
        ${If} $6 > ${CLOSE_TIME_LIMIT_MS}
            MessageBox MB_OK|MB_ICONSTOP "Festorin is still running: it did not end within ${CLOSE_TIME_SECONDS} seconds of being asked to close.$\r$\n$\r$\nClose Festorin, then start this program again: nothing has been installed or removed yet." /SD IDOK
            Abort
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSE_FESTORIN_FUNCTION ""
!insertmacro CLOSE_FESTORIN_FUNCTION "un."

Function StartFestorin
    Exec '"$INSTDIR\Festorin.exe"'
FunctionEnd

Section "-Festorin" SectionProgram
    Call CloseFestorin
    SetOutPath "$INSTDIR"
    File "/oname=Festorin.exe" "${FESTORIN_EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateShortcut "$SMPROGRAMS\Festorin.lnk" "$INSTDIR\Festorin.exe"

    ; Explorer's "Open with" offers Festorin for address books; the default
    ; program of .vcf and .csv files stays the user's choice.
    WriteRegStr HKCU "${OPEN_WITH_KEY}" "FriendlyAppName" "Festorin"
    WriteRegStr HKCU "${OPEN_WITH_KEY}\shell\open\command" "" '"$INSTDIR\Festorin.exe" "%1"'
    WriteRegStr HKCU "${OPEN_WITH_KEY}\SupportedTypes" ".vcf" ""
    WriteRegStr HKCU "${OPEN_WITH_KEY}\SupportedTypes" ".csv" ""

    ; Unticking the logon start on a new install takes back the old one's.
    DeleteRegValue HKCU "${RUN_KEY}" "Festorin"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Festorin"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Festorin.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    ${GetSize} "$INSTDIR" "/M=*.exe /S=0K /G=0" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start Festorin when Windows starts" SectionRun
    WriteRegStr HKCU "${RUN_KEY}" "Festorin" '"$INSTDIR\Festorin.exe"'
SectionEnd

; Over an installed Festorin without its logon start, the user took it away:
; the component starts unticked, and a silent install leaves it away.
Function .onInit
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        ClearErrors
        ReadRegStr $1 HKCU "${RUN_KEY}" "Festorin"
        ${If} ${Errors}
            !insertmacro UnselectSection ${SectionRun}
        ${EndIf}
    ${EndIf}
FunctionEnd

; A silent install puts back the Festorin it closed; otherwise the last
; page's "Start Festorin now" decides.
Function .onInstSuccess
    ${If} ${Silent}
    ${AndIf} $FestorinWasRunning = 1
        Call StartFestorin
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Call un.CloseFestorin
    Delete "$INSTDIR\Festorin.exe"
    ${If} ${FileExists} "$INSTDIR\Festorin.exe"
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\Festorin.exe cannot be removed. Festorin stays installed; close every program that uses the file, then uninstall again." /SD IDOK
        Abort
    ${EndIf}
    Delete "$INSTDIR\Uninstall.exe"
    ; Only an empty folder goes: Festorin keeps its list here when it cannot
    ; make its folder in %APPDATA%.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Festorin.lnk"
    DeleteRegValue HKCU "${RUN_KEY}" "Festorin"
    DeleteRegKey HKCU "${OPEN_WITH_KEY}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    StrCpy $ListFolder "$APPDATA\FN"
    ${IfNot} ${FileExists} "$APPDATA\FN\*.*"
    ${AndIf} ${FileExists} "$INSTDIR\dates.txt"
        StrCpy $ListFolder "$INSTDIR"
    ${EndIf}
SectionEnd
