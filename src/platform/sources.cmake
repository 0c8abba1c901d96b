set(OVCL_CORE_PLATFORM
  profiles/ProfileStore.h
  network/DownloadService.h
  system/ShellService.h
  system/SoundService.h
  system/BeepService.h
  system/ErrorReporter.h
  system/FileDialogService.h
  controls/HandlerGuard.h
  windows/DialogFilter.h windows/DialogFilter.cpp
  profiles/Windows1250.h profiles/Windows1250.cpp
  profiles/ProfileEncoding.h profiles/ProfileEncoding.cpp
  profiles/AtomicFile.h profiles/AtomicFile.cpp
  profiles/FileStamp.h profiles/FileStamp.cpp
  profiles/ProfileLock.h profiles/ProfileLock.cpp
  profiles/IniDocument.h profiles/IniDocument.cpp
  profiles/ProfileLines.h profiles/ProfileLines.cpp
  profiles/IniProfileStore.h profiles/IniProfileStore.cpp
  network/DownloadLimits.h
  network/HttpRequest.h network/HttpRequest.cpp
  network/DownloadTransfer.h network/DownloadTransfer.cpp
  network/CurlDownloadService.h network/CurlDownloadService.cpp
  network/DatagramService.h
  network/QtDatagramService.h network/QtDatagramService.cpp
  network/SenderFilter.h network/SenderFilter.cpp
)
set(OVCL_GUI_PLATFORM
  browser/BrowserControl.h
  browser/BrowserFactory.h
  system/TrayService.h
  controls/WindowTimer.h controls/WindowTimer.cpp
  controls/PictureControl.h controls/PictureControl.cpp
  controls/TextFit.h controls/TextFit.cpp
  controls/TextLabel.h controls/TextLabel.cpp
  controls/ControlRow.h controls/ControlRow.cpp
  controls/ControlEvents.h controls/ControlEvents.cpp
  controls/ControlBuilder.h controls/ControlBuilder.cpp
  controls/AccessibleText.h
  controls/PictureButton.h
  controls/ControlHost.h controls/ControlHost.cpp
  windows/WindowFrame.h windows/WindowFrame.cpp
  windows/Transparency.h windows/Transparency.cpp
  windows/Form.h windows/Form.cpp
  windows/WindowReturn.h windows/WindowReturn.cpp
  windows/WindowGroup.h windows/WindowGroup.cpp
  system/QtSoundService.h system/QtSoundService.cpp
  system/QtBeepService.h system/QtBeepService.cpp
  windows/QtFileDialogService.h windows/QtFileDialogService.cpp
  windows/MessageBoxErrorReporter.h windows/MessageBoxErrorReporter.cpp
  system/NoticeService.h
  system/DesktopNotifications.h system/DesktopNotifications.cpp
  system/SystemTrayService.h system/SystemTrayService.cpp
  windows/NoticeWindow.h windows/NoticeWindow.cpp
  browser/NonBlockingPage.h browser/NonBlockingPage.cpp
  browser/PageNotice.h browser/PageNotice.cpp
  browser/WebEngineBrowser.h browser/WebEngineBrowser.cpp
  browser/WebEngineSetup.h browser/WebEngineSetup.cpp
  windows/FirstPaint.h windows/FirstPaint.cpp
  system/ApplicationFonts.h system/ApplicationFonts.cpp
  browser/RequestOnlyBrowser.h browser/RequestOnlyBrowser.cpp
  browser/WebEngineBrowserFactory.h browser/WebEngineBrowserFactory.cpp
)
