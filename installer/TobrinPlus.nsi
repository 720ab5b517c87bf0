; The installer and uninstaller of トブリン＋ (Tobrin+), built with NSIS 3 on any machine:
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DTOBRIN_EXE=... -DTOBRINPLUS_EXE=...
;            -DMENU_LIST=... -DICON=... -DOUTFILE=... [-DSHELLEX_DLL=...] TobrinPlus.nsi
;
; The files come from the defines, so the build names exactly what it made; the Explorer
; component TobrinShellEX.dll is installed only when SHELLEX_DLL is given. The installer puts
; the programs and the site list into "Program Files\TobrinPlus", a Start-menu entry for the
; settings program and the uninstaller with its entry in the list of installed programs. It
; registers nothing with the browser or the shell: the settings program's "設定" does that.
; The uninstaller removes the files, including those the settings program writes beside
; itself, and each registry entry of those registrations that still names our files or our
; class identifier; an entry that another program has taken over since stays.

Unicode true
; A 64-bit installer for the 64-bit programs: it refuses a 32-bit Windows, where they cannot run.
Target amd64-unicode

!macro RequireDefine NAME WHAT
  !ifndef ${NAME}
    !error "${NAME} is not defined: give the path of ${WHAT} with -D${NAME}=..."
  !endif
!macroend
!insertmacro RequireDefine VERSION "the version (1.0.0)"
!insertmacro RequireDefine TOBRIN_EXE "Tobrin.exe"
!insertmacro RequireDefine TOBRINPLUS_EXE "TobrinPlus.exe"
!insertmacro RequireDefine MENU_LIST "MenuList.csv"
!insertmacro RequireDefine ICON "the program icon"
!insertmacro RequireDefine OUTFILE "the installer to write"

!include "FileFunc.nsh"

!define PRODUCT "トブリン＋"
!define PUBLISHER "Tobrin+ project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TobrinPlus"
!define CLSID "{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}"
!define VIEW_SOURCE_KEY "SOFTWARE\Microsoft\Internet Explorer\View Source Editor"
!define MENU_EXT_KEY "Software\Microsoft\Internet Explorer\MenuExt\トブリン＋(&S)"
!define HANDLER "shellex\ContextMenuHandlers\TobrinPlus"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\TobrinPlus"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "© ${PUBLISHER}"

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The Start-menu entry is for every user of the machine.
Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "/oname=Tobrin.exe" "${TOBRIN_EXE}"
  File "/oname=TobrinPlus.exe" "${TOBRINPLUS_EXE}"
!ifdef SHELLEX_DLL
  File "/oname=TobrinShellEX.dll" "${SHELLEX_DLL}"
!endif
  File "/oname=MenuList.csv" "${MENU_LIST}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\TobrinPlus.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\TobrinPlus.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Deletes the key when its default value is the text (letter case ignored, as in paths).
!macro DeleteKeyNaming ROOT KEY TEXT
  ReadRegStr $0 ${ROOT} "${KEY}" ""
  StrCmp $0 `${TEXT}` 0 +2
    DeleteRegKey ${ROOT} "${KEY}"
!macroend

Section "Uninstall"
  ; The view-source editor, when it is still our launcher (the settings program writes the
  ; path in quotes); the parent key only when nothing else is left in it.
  !insertmacro DeleteKeyNaming HKLM "${VIEW_SOURCE_KEY}\Editor Name" '"$INSTDIR\Tobrin.exe"'
  DeleteRegKey /ifempty HKLM "${VIEW_SOURCE_KEY}"

  ; The browser's context-menu entry, when it still runs our script.
  !insertmacro DeleteKeyNaming HKCU "${MENU_EXT_KEY}" "$INSTDIR\Tobrin_Menu.html"

  ; The Explorer component: each handler that names our class, and the class when its
  ; server is our DLL.
  !insertmacro DeleteKeyNaming HKCR "*\${HANDLER}" "${CLSID}"
  !insertmacro DeleteKeyNaming HKCR "Directory\${HANDLER}" "${CLSID}"
  !insertmacro DeleteKeyNaming HKCR "Folder\${HANDLER}" "${CLSID}"
  ReadRegStr $0 HKCR "CLSID\${CLSID}\InProcServer32" ""
  StrCmp $0 "$INSTDIR\TobrinShellEX.dll" 0 +2
    DeleteRegKey HKCR "CLSID\${CLSID}"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  Delete "$INSTDIR\Tobrin.exe"
  Delete "$INSTDIR\TobrinPlus.exe"
  ; Explorer may hold the component loaded: then it goes at the next start of Windows.
  Delete /REBOOTOK "$INSTDIR\TobrinShellEX.dll"
  Delete "$INSTDIR\MenuList.csv"
  Delete "$INSTDIR\TobrinPlus.ini"
  Delete "$INSTDIR\Tobrin_Menu.html"
  Delete "$INSTDIR\Uninstall.exe"
  ; The folder only when empty: lists the user saved there stay.
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
