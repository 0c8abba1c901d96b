set(OVCL_CORE_GAMES
  Program.h
  SearchBound.h SearchBound.cpp
  TextLines.h TextLines.cpp
  FolderList.h FolderList.cpp
  KeyValues.h KeyValues.cpp
  StructuredFile.h StructuredFile.cpp
  SteamLibraries.h SteamLibraries.cpp
  WinePrefixes.h WinePrefixes.cpp
  WineRegistry.h WineRegistry.cpp
  GamePlaces.h GamePlaces.cpp
  PeVersion.h PeVersion.cpp
  ProgramFiles.h ProgramFiles.cpp
  FileSearch.h FileSearch.cpp
  FoundPrograms.h FoundPrograms.cpp
  GameDiscovery.h GameDiscovery.cpp
  GameSearch.h GameSearch.cpp
  ProgramStart.h ProgramStart.cpp
)
set(OVCL_GUI_GAMES
  ProgramShell.h ProgramShell.cpp
  StartFailureNotice.h StartFailureNotice.cpp
)
