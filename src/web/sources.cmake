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
  TForm6.h TForm6.cpp
  TForm7.h TForm7.cpp
  TForm8.h TForm8.cpp
  TForm9.h TForm9.cpp
  TForm10.h TForm10.cpp
  TForm11.h TForm11.cpp
  TForm12.h TForm12.cpp
  TForm13.h TForm13.cpp
  TForm15.h TForm15.cpp
)
