set(OVCL_CORE_CONFIG
  LocalFiles.h LocalFiles.cpp
)
set(OVCL_GUI_CONFIG
  TForm5.h TForm5.cpp
  SettingsStartup.h SettingsStartup.cpp
  LanguageSwitch.h LanguageSwitch.cpp
)
