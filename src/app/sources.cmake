set(OVCL_CORE_APP
  ProductInfo.h
)
set(OVCL_GUI_APP
  Services.h Services.cpp
  StartupHooks.h
  Launcher.h Launcher.cpp Subsystems.cpp
  RunLauncher.h RunLauncher.cpp
  WindowChrome.h WindowChrome.cpp
  ChromeControls.h ChromeControls.cpp
  ChromeTransparency.h ChromeTransparency.cpp
  HoverHighlighting.h HoverHighlighting.cpp
  HoverTables.h HoverTables.cpp
  Accessibility.h Accessibility.cpp
  AccessibleTexts.h AccessibleTexts.cpp
  SoundCues.h SoundCues.cpp
  MainWindowTimers.h MainWindowTimers.cpp
  MainWindowControls.h MainWindowControls.cpp
  StartupChain.h StartupChain.cpp
  TForm1.h TForm1.cpp
  TForm2.h TForm2.cpp
  TForm16.h TForm16.cpp
  TForm17.h TForm17.cpp
  TForm18.h TForm18.cpp
)
