set(OVCL_CORE_CONFIG
  LocalFiles.h LocalFiles.cpp
  SettingsRows.h SettingsRows.cpp
)
set(OVCL_GUI_CONFIG
  TForm5.h TForm5.cpp
  SettingsControls.h SettingsControls.cpp
  SettingsStartup.h SettingsStartup.cpp
  LanguageSwitch.h LanguageSwitch.cpp
  LanguageControls.h LanguageControls.cpp
)
