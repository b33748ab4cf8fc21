; The installer: Quorvane for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\Quorvane. makensis gets VERSION, PROGRAM (the
; built Quorvane.exe), TIPS (the shipped TIPOFDAY.TXT), ICON and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "Quorvane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvane"
BrandingText "Quorvane ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "Quorvane"
VIAddVersionKey /LANG=2052 "FileDescription" "Quorvane 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Quorvane 开发组"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The finish page starts the program, ticked unless the user unticks it; a
; silent install shows no pages and starts nothing.
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvane.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; A running Quorvane holds its file open. It is asked to end as "退出" ends
; it (the tray icon goes, nothing is lost); a kill would leave a dead icon.
!macro DEFINE_END_RUNNING prefix
Function ${prefix}EndRunningQuorvane
  System::Call 'user32::RegisterWindowMessageW(w "Quorvane.Exit") i .r3'
  ${For} $5 1 5
    FindWindow $0 "QuorvaneMainWindow"
    ${If} $0 = 0
      Return
    ${EndIf}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    ; SYNCHRONIZE: enough to wait for the process.
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
    SendMessage $0 $3 0 0 /TIMEOUT=5000
    StrCpy $4 0
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 20000) i .r4'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
    ${If} $4 <> 0
      MessageBox MB_OK|MB_ICONSTOP "Quorvane 仍在运行。请在通知区域的 Quorvane 图标菜单中选择“退出”，然后再试一次。" /SD IDOK
      Abort
    ${EndIf}
  ${Next}
FunctionEnd
!macroend
!insertmacro DEFINE_END_RUNNING ""
!insertmacro DEFINE_END_RUNNING "un."

Section
  Call EndRunningQuorvane
  SetOutPath "$INSTDIR"
  File "/oname=Quorvane.exe" "${PROGRAM}"
  ; The shipped tips only where there are none: a tip file the user has
  ; updated stays.
  SetOverwrite off
  File "/oname=TIPOFDAY.TXT" "${TIPS}"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Quorvane.lnk" "$INSTDIR\Quorvane.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quorvane"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quorvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Call un.EndRunningQuorvane
  ; What the installer and the program put into the folder.
  Delete "$INSTDIR\Quorvane.exe"
  Delete "$INSTDIR\TIPOFDAY.TXT"
  Delete "$INSTDIR\tipofday.txt.new"
  Delete "$INSTDIR\qelmuEbook.chm"
  Delete "$INSTDIR\tkw.chm"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: files of the user's own stay.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quorvane.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"

  MessageBox MB_YESNO|MB_DEFBUTTON2|MB_ICONQUESTION "是否同时删除您的用药记录和用药日记？$\r$\n$\r$\n选“否”将保留它们，以后再安装 Quorvane 时还能用。" /SD IDNO IDNO keep_record
  DeleteRegValue HKCU "Software" "Quorvane"
  RMDir /r "$APPDATA\Quorvane"
keep_record:
  SetAutoClose true
SectionEnd
