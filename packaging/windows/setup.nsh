; The licence page: the GPL sets the terms of copying and changing Tolvar,
; not of using it, so there is nothing to agree to.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "These terms apply when you copy or change Tolvar; using it needs no agreement."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"

; The .hgt file type, per machine: Explorer shows height files as
; "Battlezone height map" with Tolvar's icon and opens them in Tolvar.

!define CLASSES "Software\Classes"
!define PROGID "Tolvar.HeightMap"

!macro NotifyExplorer
  ; SHCNE_ASSOCCHANGED, so that Explorer shows the new icon without a restart.
  System::Call "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"
!macroend

!macro RegisterHeightFiles
  WriteRegStr HKLM "${CLASSES}\.hgt" "" "${PROGID}"
  WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "Battlezone height map"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\tolvar.exe,0"
  WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\tolvar.exe" "%1"'
  !insertmacro NotifyExplorer
!macroend

!macro UnregisterHeightFiles
  DeleteRegKey HKLM "${CLASSES}\${PROGID}"
  ; .hgt stays with a program that took it over since, and keeps what other
  ; programs wrote under it.
  ReadRegStr $0 HKLM "${CLASSES}\.hgt" ""
  StrCmp $0 "${PROGID}" 0 hgt_kept
    DeleteRegValue HKLM "${CLASSES}\.hgt" ""
    EnumRegValue $0 HKLM "${CLASSES}\.hgt" 0
    StrCmp $0 "" 0 hgt_kept
      DeleteRegKey /ifempty HKLM "${CLASSES}\.hgt"
  hgt_kept:
  !insertmacro NotifyExplorer
!macroend

; The uninstaller removes Software\Tolvar\Tolvar, where the setup kept the
; folder, and leaves its parent; that goes too when nothing else is in it.
Function un.onUninstSuccess
  DeleteRegKey /ifempty SHCTX "Software\Tolvar"
FunctionEnd
