; The installer of the Validador for 64-bit Windows, made by scripts/package.sh with
; Debian's makensis:
;   makensis -DVERSION=2007.1 -DSTAGING=folder -DFILES=install.nsh -DUNFILES=uninstall.nsh
;            -DLICENSE=LICENSE.txt -DICON=validador.ico -DOUTFILE=validador-2007.1-setup.exe
;            validador.nsi
; STAGING holds the program folder as the zip has it; install.nsh and uninstall.nsh
; list its files, so that the uninstaller removes exactly what was installed and never
; a file the user put in the same folder.
; A 64-bit installer, as the program is: it runs where the program can run, and Wine
; without its 32-bit part runs it too.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include "MUI2.nsh"

!define PRODUCT "Validador"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Validador"
!define UNINSTALLER "Desinstalar.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "Software\${PRODUCT}" "InstallDir"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1046 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1046 "FileDescription" "Instalador do Validador - verificador de entregas"
VIAddVersionKey /LANG=1046 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1046 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1046 "LegalCopyright" "Validador developers (licença MIT)"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_ABORTWARNING_TEXT "Deseja cancelar a instalação do Validador?"
!define MUI_WELCOMEPAGE_TITLE "Instalação do Validador ${VERSION}"
!define MUI_WELCOMEPAGE_TEXT "Este assistente instala o Validador, que verifica pastas de entrega de dados bancários: o programa com janela e o validador-cli.exe para a linha de comando.$\r$\n$\r$\nClique em Avançar para continuar."
!define MUI_LICENSEPAGE_TEXT_TOP "O Validador é distribuído sob a licença MIT (texto original em inglês)."
!define MUI_FINISHPAGE_RUN "$INSTDIR\validador.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Abrir o Validador"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "PortugueseBR"

Section "Validador" SecPrograma
  SectionIn RO
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; For every user of the machine: the program is installed for all of them.
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Validador.lnk" "$INSTDIR\validador.exe" "" \
    "$INSTDIR\validador.exe" 0 SW_SHOWNORMAL "" "Verifica pastas de entrega de dados bancários"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Desinstalar o Validador.lnk" "$INSTDIR\${UNINSTALLER}"

  WriteRegStr HKLM "Software\${PRODUCT}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Validador developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\validador.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  !include "${UNFILES}"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: a file the user left there stays, and so does its folder.
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\Validador.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Desinstalar o Validador.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\${PRODUCT}"
SectionEnd
