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
  ; A program that took .hgt over since keeps it.
  ReadRegStr $0 HKLM "${CLASSES}\.hgt" ""
  StrCmp $0 "${PROGID}" 0 +3
    DeleteRegValue HKLM "${CLASSES}\.hgt" ""
    DeleteRegKey /ifempty HKLM "${CLASSES}\.hgt"
  !insertmacro NotifyExplorer
!macroend
