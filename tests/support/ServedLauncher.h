#pragma once

#include "CommunityServer.h"
#include "EventLog.h"
#include "RecordingBeep.h"
#include "RecordingBrowser.h"
#include "RecordingErrors.h"
#include "RecordingProfileStore.h"
#include "RecordingShell.h"
#include "RecordingSound.h"
#include "RecordingTray.h"
#include "ScriptedFileDialogs.h"
#include "launcher/Launcher.h"
#include "platform/network/CurlDownloadService.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

// The real download service, with every request for a community host sent to
// a local community server instead (same path and query).
class ServerRoutedDownloads : public DownloadService
{
public:
    ServerRoutedDownloads(CommunityServer &server, EventLog *log, const DownloadLimits &limits)
        : m_server(server), m_real(limits), m_log(log)
    {
        m_clock.start();
    }

    void downloadToFile(const QString &url, const QString &file) override;
    void beginBatch() override { m_real.beginBatch(); }
    void endBatch() override { m_real.endBatch(); }

    QStringList requested; // the launcher's own URLs
    // Every fetch as it went, in milliseconds since this service was made.
    struct Fetch {
        QString url;
        qint64 startedMs = 0;
        qint64 endedMs = -1; // -1 while it runs
        bool saved = false;
    };
    QList<Fetch> fetches;
    bool fetching() const
    {
        return std::any_of(fetches.cbegin(), fetches.cend(), [](const Fetch &f) { return f.endedMs < 0; });
    }

private:
    CommunityServer &m_server;
    CurlDownloadService m_real;
    EventLog *m_log;
    QElapsedTimer m_clock;
};

// A launcher in a temporary application directory whose downloads travel
// over HTTP to an in-process community server; the other services are the
// recording doubles of LauncherFixture.
class ServedLauncher
{
public:
    explicit ServedLauncher(const DownloadLimits &limits = DownloadLimits());
    ~ServedLauncher();

    void preset(const char *file, const char *section, const char *key, const QString &value);
    void presetNotFirstRun();
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
    bool exists(const QString &name) const;

    Launcher &make();
    Launcher &start();

    CommunityServer server;
    QTemporaryDir dir;
    EventLog log;
    RecordingProfileStore *profiles;
    ServerRoutedDownloads *downloads;
    RecordingShell *shell;
    RecordingSound *sound;
    RecordingBeep *beep;
    RecordingErrors *errors;
    RecordingTray *tray;
    std::unique_ptr<Launcher> launcher;

private:
    Services m_services;
};
