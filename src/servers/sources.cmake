set(OVCL_CORE_SERVERS
)
set(OVCL_GUI_SERVERS
  ServerMenu.h ServerMenu.cpp
  AddressPanels.h AddressPanels.cpp
  VoiceAndLinkButtons.h VoiceAndLinkButtons.cpp
)
