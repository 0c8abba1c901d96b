#include "Services.h"

#include "games/ProgramShell.h"
#include "platform/browser/WebEngineBrowserFactory.h"
#include "platform/network/CurlDownloadService.h"
#include "platform/network/QtDatagramService.h"
#include "platform/profiles/IniProfileStore.h"
#include "platform/system/DesktopNotifications.h"
#include "platform/system/QtBeepService.h"
#include "platform/system/QtSoundService.h"
#include "platform/system/SystemTrayService.h"
#include "platform/windows/MessageBoxErrorReporter.h"
#include "platform/windows/NoticeWindow.h"
#include "platform/windows/QtFileDialogService.h"
#include "query/SteadyQueryClock.h"

#include <QDir>

Services Services::real(const QString &applicationDirectory, const QProcessEnvironment &playerEnvironment)
{
    Services s;
    s.applicationDirectory = applicationDirectory;
    s.profiles = std::make_unique<IniProfileStore>();
    s.downloads = std::make_unique<CurlDownloadService>();
    s.shell = std::make_unique<ProgramShell>(playerEnvironment);
    s.sound = std::make_unique<QtSoundService>(applicationDirectory);
    s.beep = std::make_unique<QtBeepService>();
    s.fileDialogs = std::make_unique<QtFileDialogService>(*s.windows);
    s.errors = std::make_unique<MessageBoxErrorReporter>(*s.windows);
    s.browsers = std::make_unique<WebEngineBrowserFactory>();
    // Without a tray, notices go to the desktop or into a window of their
    // own, outside the group: no modal window of the launcher blocks it.
    s.tray = std::make_unique<SystemTrayService>(std::make_unique<DesktopNotifications>(),
                                                 std::make_unique<NoticeWindow>());
    s.games = std::make_unique<GameSearch>(QDir::homePath());
    s.datagrams = std::make_unique<QtDatagramService>();
    s.queryClock = std::make_unique<SteadyQueryClock>();
    return s;
}
