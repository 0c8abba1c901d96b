#include "CounterRefresh.h"

#include "CommunityUrls.h"
#include "CounterControls.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "platform/browser/BrowserControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/network/DownloadService.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <exception>

CounterRefresh::CounterRefresh(TForm1 &mainWindow, LocalFiles &files, DownloadService &downloads,
                               BrowserControl &accessStatistics, BrowserControl &onlineStatistics)
    : m_files(files), m_downloads(downloads), m_accessStatistics(accessStatistics), m_onlineStatistics(onlineStatistics)
{
    ControlHost &main = mainWindow.controls();
    main.build(counterControls());
    m_frames = {main.get("Image157"), main.get("Image158")};
    m_statisticsTitle = main.get<TextLabel>("Label13");
    m_accessTitle = main.get<TextLabel>("Label50");
    m_access = {LocalFiles::statistic, &CommunityUrls::accessCounter, main.get<QPlainTextEdit>("Memo1"),
                main.get<TextLabel>("stat")};
    m_online = {LocalFiles::online, &CommunityUrls::onlineCounter, main.get<QPlainTextEdit>("Memo2"),
                main.get<TextLabel>("Label52")};
    // A counter may come in several lines; the label grows downwards to show
    // those that fit in the statistics block.
    for (TextLabel *label : {m_access.label, m_online.label}) {
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->keepWithin(statisticsRoom());
    }
    mainWindow.onTick(mainWindow.timers().counterRefreshTimer, [this] { onlinecounterTimer(); });
    QObject::connect(&mainWindow, &TForm1::closing, &mainWindow, [this] { removeCopies(); });
}

// The two fetches of a step share one time budget, so a web server that
// accepts and never answers holds the step up no longer than one fetch.
// While they wait the event loop runs; `Timer6` is already off and `Timer4`
// is armed only after both refreshes have ended.
void CounterRefresh::counters()
{
    const QScopedValueRollback<bool> busy(m_refreshing, true);
    DownloadBatch batch(m_downloads);
    m_accessStatistics.navigate(CommunityUrls::statistics());
    refresh(m_access);
    m_onlineStatistics.navigate(CommunityUrls::statisticsOnline());
    refresh(m_online);
}

// The event loop runs while a refresh waits for its fetches, and this timer
// is never switched off: a tick that comes meanwhile starts nothing, and the
// refreshes under way finish the job.
void CounterRefresh::onlinecounterTimer()
{
    if (m_refreshing)
        return;
    const QScopedValueRollback<bool> busy(m_refreshing, true);
    DownloadBatch batch(m_downloads);
    refresh(m_access);
    try {
        m_onlineStatistics.refresh();
    } catch (const std::exception &) {
    }
    refresh(m_online);
}

// Delete, fetch, then show the text, as much of it as can show. A failed
// fetch leaves no file, so the load fails too and the label keeps its
// caption.
void CounterRefresh::refresh(const Counter &counter)
{
    try {
        m_files.remove(counter.file);
        m_downloads.downloadToFile(counter.url(), m_files.path(counter.file));
    } catch (const std::exception &) {
    }
    try {
        const QString text = m_files.loadHead(counter.file, counterLinesShown, counterCharactersShown);
        QString lines = text;
        counter.memo->setPlainText(lines.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        counter.label->setCaption(text);
    } catch (const std::exception &) {
    }
}

// What goes with the program: the counters' local copies. Removing never fails.
void CounterRefresh::removeCopies()
{
    m_files.remove(LocalFiles::online);
    m_files.remove(LocalFiles::statistic);
}
