; Installer of Kordavel Configuration, for all users (Program Files, needs
; administrator rights) or for the current user only (%LOCALAPPDATA%\Programs,
; no elevation): a Start-menu shortcut, an Apps & Features entry with an
; uninstaller, in-place upgrade of an installed version, and silent mode.
;   setup.exe [/S] [/AllUsers | /CurrentUser]
; Without a switch it installs for all users when it runs with administrator
; rights and otherwise for the current user (interactively it asks).
; makensis -DVERSION=x.y.z -DICON=file.ico -DOUTFILE=setup.exe -DFILES=files.nsh [-DSIGN=script] installer.nsi
; FILES lists the deploy folder: File commands, or with UNINSTALL defined the
; matching Delete and RMDir commands. SIGN signs the file it is given in
; place: the uninstaller before it is packed into the installer, then the
; installer.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; Never asks for elevation by itself: "for me only" needs none, and "for all
; users" starts the installer again with administrator rights.
RequestExecutionLevel user
; Sharp at 125-200 % scaling.
ManifestDPIAware true

!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define PRODUCT "Kordavel Configuration"
!define PUBLISHER "Kordavel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KordavelConfiguration"
!define SHORTCUT "$SMPROGRAMS\Kordavel Configuration.lnk"
!define FOLDER "Kordavel Configuration"
; Windows' answer when a program needs elevation the caller did not give.
!define ERROR_ELEVATION_REQUIRED 740
; Windows Installer's "fatal error during installation", for a refusal.
!define ERROR_INSTALL_FAILURE 1603
; Where the MSI notes the program's folder (resources/windows/kordavel-config.wxs).
!define MSI_KEY "Software\Kordavel\Configuration"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "Kordavel"
Icon "${ICON}"
UninstallIcon "${ICON}"
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
!endif

Var AllUsers      ; 1: for all users, 0: for the current user
Var ModeGiven     ; 1: the command line chose the mode
Var IsAdmin       ; 1: running with administrator rights
Var AllUsersRadio

Page custom ModePage ModePageLeave
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Sets the shell folders, the registry root (SHCTX) and, for a fresh install,
; the folder for the mode in $AllUsers; an installed version's folder wins.
!macro UseMode UN
  ${If} $AllUsers = 1
    SetShellVarContext all
    !if "${UN}" == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\${FOLDER}"
    !endif
  ${Else}
    SetShellVarContext current
    !if "${UN}" == ""
      GetKnownFolderPath $INSTDIR {5CD7AEE2-2219-4A67-B85D-6C9CE15660CB} ; UserProgramFiles
      ${If} $INSTDIR == ""
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs"
      ${EndIf}
      StrCpy $INSTDIR "$INSTDIR\${FOLDER}"
    !endif
  ${EndIf}
  !if "${UN}" == ""
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
      StrCpy $INSTDIR $0
    ${EndIf}
  !endif
!macroend

; The mode from /AllUsers or /CurrentUser, else by the rights the process has.
!macro ReadMode
  SetRegView 64
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $IsAdmin 1
  ${Else}
    StrCpy $IsAdmin 0
  ${EndIf}
  StrCpy $AllUsers $IsAdmin
  StrCpy $ModeGiven 0
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/AllUsers" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    StrCpy $ModeGiven 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
    StrCpy $ModeGiven 1
  ${EndIf}
!macroend

Function .onInit
  !insertmacro ReadMode
  ${If} $AllUsers = 1
  ${AndIf} $IsAdmin = 0
  ${AndIf} ${Silent}
    ; A silent roll-out for all users must be started with administrator rights.
    SetErrorLevel ${ERROR_ELEVATION_REQUIRED}
    Quit
  ${EndIf}
  ; The MSI installs into the same folder for all users, with an entry of its
  ; own: the two would overwrite and then remove each other's files.
  ReadRegStr $0 HKLM "${MSI_KEY}" "ProgramFolder"
  ${If} $AllUsers = 1
  ${AndIf} $0 != ""
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} is already installed on this computer from its MSI package. Uninstall that first (Apps & Features)." /SD IDOK
    SetErrorLevel ${ERROR_INSTALL_FAILURE}
    Quit
  ${EndIf}
  !insertmacro UseMode ""
FunctionEnd

Function ModePage
  ${If} $ModeGiven = 1
    Abort ; the command line chose
  ${EndIf}
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "Install ${PRODUCT} for:"
  Pop $0
  ${NSD_CreateRadioButton} 10u 30u 100% 12u "&Anyone who uses this computer (needs administrator rights)"
  Pop $AllUsersRadio
  ${NSD_CreateRadioButton} 10u 46u 100% 12u "Only for &me"
  Pop $1
  ${If} $AllUsers = 1
    ${NSD_Check} $AllUsersRadio
  ${Else}
    ${NSD_Check} $1
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $AllUsersRadio $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  ${If} $AllUsers = 1
  ${AndIf} $IsAdmin = 0
    ; Start again with administrator rights (Windows asks the user) and end here.
    ExecShell "runas" "$EXEPATH" "/AllUsers"
    Quit
  ${EndIf}
  !insertmacro UseMode ""
FunctionEnd

Function un.onInit
  !insertmacro ReadMode
  ${If} $ModeGiven = 0
    ; Uninstallers of older versions were written without a switch: all users.
    StrCpy $AllUsers 1
  ${EndIf}
  !insertmacro UseMode "un"
FunctionEnd

Section "Install"
  ; An installed version is removed first, in place, so that nothing of it stays.
  IfFileExists "$INSTDIR\uninstall.exe" 0 fresh
    ${If} $AllUsers = 1
      ExecWait '"$INSTDIR\uninstall.exe" /S /AllUsers _?=$INSTDIR'
    ${Else}
      ExecWait '"$INSTDIR\uninstall.exe" /S /CurrentUser _?=$INSTDIR'
    ${EndIf}
    Delete "$INSTDIR\uninstall.exe"
  fresh:
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\kordavel-config.exe" "" "$INSTDIR\kordavel-config.exe" 0
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kordavel-config.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  ${If} $AllUsers = 1
    StrCpy $0 "/AllUsers"
  ${Else}
    StrCpy $0 "/CurrentUser"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" $0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S $0'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "${SHORTCUT}"
  !define UNINSTALL
  !include "${FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
