set(OVCL_CORE_APP
  ProductInfo.h
  Cue.h
)
set(OVCL_GUI_APP
  WindowChrome.h WindowChrome.cpp
  ChromeControls.h ChromeControls.cpp
  HoverHighlighting.h HoverHighlighting.cpp
  HoverTables.h HoverTables.cpp
  SoundCues.h SoundCues.cpp
  MainWindowTimers.h MainWindowTimers.cpp
  MainWindowControls.h MainWindowControls.cpp
  TForm1.h TForm1.cpp
  TForm2.h TForm2.cpp
  TForm16.h TForm16.cpp
  TForm17.h TForm17.cpp
  TForm18.h TForm18.cpp
)
