set(OVCL_CORE_SERVERS
  ServerCatalogue.h ServerCatalogue.cpp
  JoinActions.h JoinActions.cpp
  ServerQueries.h ServerQueries.cpp
  ServerStateTexts.h ServerStateTexts.cpp
  Bilingual.h
  FriendList.h FriendList.cpp
  FriendSightings.h FriendSightings.cpp
)
set(OVCL_GUI_SERVERS
  ServerMenu.h ServerMenu.cpp
  ServerMenuControls.h ServerMenuControls.cpp
  LowerCaseValidator.h LowerCaseValidator.cpp
  AddressPanels.h AddressPanels.cpp
  AddressPanelControls.h AddressPanelControls.cpp
  SelectionKeeper.h SelectionKeeper.cpp
  VoiceAndLinkButtons.h VoiceAndLinkButtons.cpp
  LiveServerControls.h LiveServerControls.cpp
  ServerCard.h ServerCard.cpp
  LiveServerState.h LiveServerState.cpp
  CentreOnScreen.h
  JoinPromptForm.h JoinPromptForm.cpp
  SlotWait.h SlotWait.cpp
  JoinGate.h JoinGate.cpp
  TrayServers.h TrayServers.cpp
  FriendsForm.h FriendsForm.cpp
  FriendWatch.h FriendWatch.cpp
  ServerWatch.h ServerWatch.cpp
)
