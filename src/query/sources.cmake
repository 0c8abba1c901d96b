set(OVCL_CORE_QUERY
  ServerState.h
  QueryTarget.h
  ReplyLimits.h
  ByteReader.h ByteReader.cpp
  ReplyText.h ReplyText.cpp
  SplitReassembler.h SplitReassembler.cpp
  SourceReply.h SourceReply.cpp
  Quake3Reply.h Quake3Reply.cpp
  GameSpyReply.h GameSpyReply.cpp
  GameSpyAssembler.h GameSpyAssembler.cpp
  Unreal2Reply.h Unreal2Reply.cpp
  ProtocolSession.h
  SourceSession.h SourceSession.cpp
  Quake3Session.h Quake3Session.cpp
  GameSpySession.h GameSpySession.cpp
  Unreal2Session.h Unreal2Session.cpp
  QueryProtocols.h QueryProtocols.cpp
  QuerySession.h QuerySession.cpp
  QueryClock.h
  SteadyQueryClock.h SteadyQueryClock.cpp
  QueryScheduler.h QueryScheduler.cpp
  RefreshCadence.h RefreshCadence.cpp
  ServerSlots.h ServerSlots.cpp
  JoinDecision.h JoinDecision.cpp
  AskFloor.h AskFloor.cpp
  BackgroundCadence.h BackgroundCadence.cpp
)
set(OVCL_GUI_QUERY)
