; The per-user setup of Brasswick, made by NSIS (cmake/windows.cmake passes VERSION,
; VERSION_QUAD, STAGE, ICON, OUTFILE and SETUP_FILES).
;
; It asks for no administrator rights: the program goes to the designer's own Programs folder
; (%LOCALAPPDATA%\Programs\Brasswick), where DrawPath.txt beside it can be written, and the
; shortcut and the uninstall entry go to the designer's own Start menu and registry. A first
; installation also makes a working folder in the designer's documents, "Brasswick Drawings"
; with its Brasswick subfolder, and a DrawPath.txt naming it for both folders, so the program
; starts without asking anything. DrawPath.txt is never replaced: installing again keeps the
; designer's settings byte for byte.

Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma

!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "${SETUP_FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brasswick"
!define WORKING_FOLDER "$DOCUMENTS\Brasswick Drawings"

Name "Brasswick ${VERSION}"
Caption "Brasswick ${VERSION} Setup"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Brasswick"
; Installing again goes where the first installation went, beside its DrawPath.txt.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "Brasswick"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "Brasswick"
VIAddVersionKey /LANG=1033 "FileDescription" "Brasswick ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright Brasswick"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; A running Brasswick keeps brasswick.exe open, so it could not be replaced or removed: a silent
; run would carry on past that and leave the old program in place. Both ask for it to be
; quit first; silent runs end with exit code 2.
!macro RefuseWhileRunning ACTION
  retry:
  FindWindow $0 "" "Brasswick for AutoCAD LT"
  ${If} $0 <> 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Brasswick is running. Quit it (its Quit button), then press Retry to ${ACTION}." /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RefuseWhileRunning "install"
FunctionEnd

Function un.onInit
  !insertmacro RefuseWhileRunning "uninstall"
FunctionEnd

Section "Brasswick"
  SetOutPath "$INSTDIR"
  !insertmacro InstallProgramFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ${IfNot} ${FileExists} "$INSTDIR\DrawPath.txt"
    ; The script goes to the working folder's Brasswick subfolder and BW_Info.txt is read
    ; from the working folder itself; the Settings page names other folders later. The file
    ; is in the system's ANSI code page, as the program reads it.
    CreateDirectory "${WORKING_FOLDER}\Brasswick"
    ClearErrors
    FileOpen $0 "$INSTDIR\DrawPath.txt" w
    FileWrite $0 '"${WORKING_FOLDER}\"$\r$\n'
    FileWrite $0 '"${WORKING_FOLDER}\"$\r$\n'
    FileWrite $0 "0$\r$\n"
    FileWrite $0 ".015$\r$\n"
    FileClose $0
    ${If} ${Errors}
      DetailPrint "DrawPath.txt could not be written: Brasswick asks for its folders at its first start."
    ${EndIf}
  ${EndIf}

  ; The shortcut starts the program in its own folder, like a double click on it.
  CreateShortcut "$SMPROGRAMS\Brasswick.lnk" "$INSTDIR\brasswick.exe" "" "$INSTDIR\brasswick.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Brasswick"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brasswick.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Brasswick"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$1"
SectionEnd

; Removes what the setup put there and nothing of the designer's: DrawPath.txt (the
; designer's settings, kept for the next installation), scripts, drawings and DXF files stay,
; and a folder goes only when it is empty.
Section "Uninstall"
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Brasswick.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
  RMDir "${WORKING_FOLDER}\Brasswick"
  RMDir "${WORKING_FOLDER}"
SectionEnd
