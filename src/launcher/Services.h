#pragma once

#include "games/GameSearch.h"
#include "platform/browser/BrowserFactory.h"
#include "platform/network/DatagramService.h"
#include "platform/network/DownloadService.h"
#include "platform/profiles/ProfileStore.h"
#include "platform/system/BeepService.h"
#include "platform/system/ErrorReporter.h"
#include "platform/system/FileDialogService.h"
#include "platform/system/ShellService.h"
#include "platform/system/SoundService.h"
#include "platform/system/TrayService.h"
#include "platform/windows/WindowGroup.h"
#include "query/QueryClock.h"

#include <QProcessEnvironment>
#include <QString>
#include <memory>

// The platform services one launcher runs on. Tests hand in recording doubles.
struct Services {
    QString applicationDirectory; // with its trailing separator
    std::unique_ptr<ProfileStore> profiles;
    std::unique_ptr<DownloadService> downloads;
    std::unique_ptr<ShellService> shell;
    std::unique_ptr<SoundService> sound;
    std::unique_ptr<BeepService> beep;
    std::unique_ptr<FileDialogService> fileDialogs;
    std::unique_ptr<ErrorReporter> errors;
    std::unique_ptr<BrowserFactory> browsers;
    std::unique_ptr<TrayService> tray;
    // Where the player's programs are.
    std::unique_ptr<GameSearch> games;
    // Datagrams to the game servers, and the time their queries go by.
    std::unique_ptr<DatagramService> datagrams;
    std::unique_ptr<QueryClock> queryClock;
    // The launcher's windows; the services' own modal boxes join them.
    std::unique_ptr<WindowGroup> windows = std::make_unique<WindowGroup>();

    // The real services of this machine, for a launcher in 'applicationDirectory';
    // programs start in 'playerEnvironment'.
    static Services real(const QString &applicationDirectory, const QProcessEnvironment &playerEnvironment);
};
