#include "Services.h"

#include "games/ProgramShell.h"
#include "platform/CurlDownloadService.h"
#include "platform/IniProfileStore.h"
#include "platform/MessageBoxErrorReporter.h"
#include "platform/QtBeepService.h"
#include "platform/QtDatagramService.h"
#include "platform/QtFileDialogService.h"
#include "platform/QtSoundService.h"
#include "platform/SystemTrayService.h"
#include "platform/WebEngineBrowserFactory.h"
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
    s.tray = std::make_unique<SystemTrayService>();
    s.games = std::make_unique<GameSearch>(QDir::homePath());
    s.datagrams = std::make_unique<QtDatagramService>();
    s.queryClock = std::make_unique<SteadyQueryClock>();
    return s;
}
