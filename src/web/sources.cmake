set(OVCL_CORE_WEB
  CommunityUrls.h CommunityUrls.cpp
  VersionDecision.h VersionDecision.cpp
)
set(OVCL_GUI_WEB
  LinkKinds.h
  LinkControl.h
  WebLinkControls.h WebLinkControls.cpp
  WebLinks.h WebLinks.cpp
  CounterControls.h CounterControls.cpp
  CounterRefresh.h CounterRefresh.cpp
  UpdateControls.h UpdateControls.cpp
  UpdateCheck.h UpdateCheck.cpp
  BrowserWindowRow.h
  BrowserWindow.h BrowserWindow.cpp
  BrowserWindows.h BrowserWindows.cpp
  TForm7.h TForm7.cpp
  TForm11.h TForm11.cpp
  TForm12.h TForm12.cpp
  TForm13.h TForm13.cpp
)
