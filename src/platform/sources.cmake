set(OVCL_CORE_PLATFORM
  ProfileStore.h
  DownloadService.h
  ShellService.h
  SoundService.h
  BeepService.h
  ErrorReporter.h
  FileDialogService.h
  HandlerGuard.h
  DialogFilter.h DialogFilter.cpp
  Windows1250.h Windows1250.cpp
  ProfileEncoding.h ProfileEncoding.cpp
  AtomicFile.h AtomicFile.cpp
  FileStamp.h FileStamp.cpp
  ProfileLock.h ProfileLock.cpp
  IniDocument.h IniDocument.cpp
  IniProfileStore.h IniProfileStore.cpp
  DownloadLimits.h
  HttpRequest.h HttpRequest.cpp
  DownloadTransfer.h DownloadTransfer.cpp
  CurlDownloadService.h CurlDownloadService.cpp
  DatagramService.h
  QtDatagramService.h QtDatagramService.cpp
)
set(OVCL_GUI_PLATFORM
  BrowserControl.h
  BrowserFactory.h
  TrayService.h
  WindowTimer.h WindowTimer.cpp
  PictureControl.h PictureControl.cpp
  TextFit.h TextFit.cpp
  TextLabel.h TextLabel.cpp
  ControlRow.h ControlRow.cpp
  ControlEvents.h ControlEvents.cpp
  ControlBuilder.h ControlBuilder.cpp
  AccessibleText.h
  PictureButton.h
  ControlHost.h ControlHost.cpp
  WindowFrame.h WindowFrame.cpp
  Transparency.h Transparency.cpp
  Form.h Form.cpp
  WindowGroup.h WindowGroup.cpp
  QtSoundService.h QtSoundService.cpp
  QtBeepService.h QtBeepService.cpp
  QtFileDialogService.h QtFileDialogService.cpp
  MessageBoxErrorReporter.h MessageBoxErrorReporter.cpp
  SystemTrayService.h SystemTrayService.cpp
  NonBlockingPage.h NonBlockingPage.cpp
  PageNotice.h PageNotice.cpp
  WebEngineBrowser.h WebEngineBrowser.cpp
  WebEngineSetup.h WebEngineSetup.cpp
  FirstPaint.h FirstPaint.cpp
  ApplicationFonts.h ApplicationFonts.cpp
  RequestOnlyBrowser.h RequestOnlyBrowser.cpp
  WebEngineBrowserFactory.h WebEngineBrowserFactory.cpp
)
