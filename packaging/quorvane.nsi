; The installer: Quorvane for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\Quorvane. make-package.sh gives makensis
; VERSION, PUBLISHER, ABOUT_URL, PROGRAM (the built Quorvane.exe), TIPS (the
; shipped TIPOFDAY.TXT), ICON, WIZARD (the picture of the welcome and finish
; pages), UNINSTALLER (where a copy of the uninstaller goes), OUTFILE and,
; to sign the uninstaller, SIGN (sign.sh).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
; No file times in the installer: the same files give the same bytes.
SetDateSave off

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define COPYRIGHT "Copyright (c) the Quorvane authors. MIT License."

Name "Quorvane"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvane"
BrandingText "Quorvane ${VERSION}"

; The version record of the installer, which the uninstaller shares.
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=2052 "ProductName" "Quorvane"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "FileDescription" "Quorvane 安装和卸载程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=2052 "Comments" "按 MIT 许可证发布。"

; The uninstaller is made while the installer is compiled; a copy is kept
; for the checks, after it is signed.
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
!endif
!uninstfinalize 'cp "%1" "${UNINSTALLER}"' = 0

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD}"
!define MUI_WELCOMEFINISHPAGE_BITMAP_NOSTRETCH

!define MUI_WELCOMEPAGE_TITLE "欢迎安装 Quorvane"
!define MUI_WELCOMEPAGE_TEXT "Quorvane 帮隔日服用激素的病友记住服药日：它待在屏幕右下角的通知区域，每次开机时告诉您今天是不是服药日，还帮您记下每天的服药情况。$\r$\n$\r$\nQuorvane 只为您现在登录的这个 Windows 用户安装，不需要管理员权限。$\r$\n$\r$\n如果您以前装过 Quorvane，这次安装只更新程序：您的用药记录、用药日记和自检记录都会保留。$\r$\n$\r$\n请点击“下一步”继续。"
!insertmacro MUI_PAGE_WELCOME
Page custom NoticePage
!insertmacro MUI_PAGE_INSTFILES
; The finish page starts the program, ticked unless the user unticks it; a
; silent install shows no pages and starts nothing.
!define MUI_FINISHPAGE_TITLE "Quorvane 已经装好了"
!define MUI_FINISHPAGE_TEXT "Quorvane 会出现在屏幕右下角的通知区域里，以后每次开机都会自动启动。$\r$\n$\r$\n请点击“完成”关闭安装程序。"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "现在启动 Quorvane(&R)"
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.RecordPage un.RecordPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

; A notice to read, not a licence to accept.
Function NoticePage
  !insertmacro MUI_HEADER_TEXT "使用之前请读一读" "Quorvane 能做什么，不能做什么"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 12u 100% 48u "Quorvane 帮您记住服药日，不能代替医生；怎么用药以医嘱为准。"
  Pop $1
  CreateFont $2 "$(^Font)" 12 700
  SendMessage $1 ${WM_SETFONT} $2 1
  nsDialogs::Show
FunctionEnd

; The uninstaller's first page asks about the user's own files before
; anything is removed; keeping them is the default, and what /S does.
Var DeleteRecord
Var KeepButton
Var DeleteButton

Function un.RecordPage
  !insertmacro MUI_HEADER_TEXT "卸载 Quorvane" "Quorvane 将从您的电脑上删除。"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 40u "卸载会删除 Quorvane 程序、“开始”菜单中的快捷方式和开机时的自动启动。$\r$\n$\r$\n您的用药记录、用药日记和自检记录要保留吗？"
  Pop $1
  ${NSD_CreateRadioButton} 12u 48u -12u 14u "保留（以后再安装 Quorvane 时还能接着用）(&K)"
  Pop $KeepButton
  ${NSD_CreateRadioButton} 12u 66u -12u 14u "一起删除（删除后无法恢复）(&D)"
  Pop $DeleteButton
  ${If} $DeleteRecord = 1
    ${NSD_Check} $DeleteButton
  ${Else}
    ${NSD_Check} $KeepButton
  ${EndIf}
  ; The Next button starts the removal.
  GetDlgItem $2 $HWNDPARENT 1
  SendMessage $2 ${WM_SETTEXT} 0 "STR:卸载(&U)"
  ${NSD_SetFocus} $KeepButton
  nsDialogs::Show
FunctionEnd

Function un.RecordPageLeave
  ${NSD_GetState} $DeleteButton $DeleteRecord
  ${If} $DeleteRecord = ${BST_CHECKED}
    StrCpy $DeleteRecord 1
  ${Else}
    StrCpy $DeleteRecord 0
  ${EndIf}
FunctionEnd

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
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${ABOUT_URL}"
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
  ; As answered on the first page: the record in the registry, and the
  ; diary, the self-checks and the settings in the user's folder.
  ${If} $DeleteRecord = 1
    DeleteRegValue HKCU "Software" "Quorvane"
    RMDir /r "$APPDATA\Quorvane"
  ${EndIf}
  SetAutoClose true
SectionEnd
