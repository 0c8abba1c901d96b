set(OVCL_CORE_LAUNCHER
)
set(OVCL_GUI_LAUNCHER
  Services.h Services.cpp
  StartupSteps.h
  StartupChain.h StartupChain.cpp
  LauncherSteps.h LauncherSteps.cpp
  Launcher.h Launcher.cpp
  RunLauncher.h RunLauncher.cpp
)
