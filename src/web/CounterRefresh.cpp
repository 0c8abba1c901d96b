#include "CounterRefresh.h"

#include "CommunityUrls.h"
#include "CounterControls.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "platform/BrowserControl.h"
#include "platform/DownloadService.h"
#include "platform/TextLabel.h"

#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <exception>

const CounterRefresh::Counter CounterRefresh::access{LocalFiles::statistic, &CommunityUrls::accessCounter, "Memo1", "stat"};
const CounterRefresh::Counter CounterRefresh::online{LocalFiles::online, &CommunityUrls::onlineCounter, "Memo2", "Label52"};

namespace {
BrowserControl *browser(TForm1 *main, const char *name)
{
    return main->control<BrowserControl>(QLatin1String(name));
}

// A counter may come in several lines; the label grows downwards to show
// those that fit in the statistics block.
void show(TextLabel *label, const QString &text)
{
    label->setCaption(text);
}
} // namespace

CounterRefresh::CounterRefresh(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *main = launcher.form1();
    main->controls().build(counterControls());
    for (const Counter *counter : {&access, &online}) {
        auto *label = main->control<TextLabel>(QLatin1String(counter->label));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->keepWithin(statisticsRoom());
    }
    main->onTimer(QStringLiteral("onlinecounter"), [this] { onlinecounterTimer(); });
    launcher.hooks().counters = [this] { counters(); };
}

// The two fetches of a step share one time budget, so a web server that
// accepts and never answers holds the step up no longer than one fetch.
// While they wait the event loop runs; `Timer6` is already off and `Timer4`
// is armed only after both refreshes have ended.
void CounterRefresh::counters()
{
    const QScopedValueRollback<bool> busy(m_refreshing, true);
    DownloadBatch batch(m_launcher.downloads());
    TForm1 *main = m_launcher.form1();
    browser(main, "WebBrowser4")->navigate(CommunityUrls::statistics());
    refresh(access);
    browser(main, "WebBrowser5")->navigate(CommunityUrls::statisticsOnline());
    refresh(online);
}

// The event loop runs while a refresh waits for its fetches, and this timer
// is never switched off: a tick that comes meanwhile starts nothing, and the
// refreshes under way finish the job.
void CounterRefresh::onlinecounterTimer()
{
    if (m_refreshing)
        return;
    const QScopedValueRollback<bool> busy(m_refreshing, true);
    DownloadBatch batch(m_launcher.downloads());
    refresh(access);
    try {
        browser(m_launcher.form1(), "WebBrowser5")->refresh();
    } catch (const std::exception &) {
    }
    refresh(online);
}

// Delete, fetch, then show the text, as much of it as can show. A failed
// fetch leaves no file, so the load fails too and the label keeps its
// caption.
void CounterRefresh::refresh(const Counter &counter)
{
    LocalFiles &files = m_launcher.files();
    TForm1 *main = m_launcher.form1();
    try {
        files.remove(counter.file);
        m_launcher.downloads().downloadToFile(counter.url(), files.path(counter.file));
    } catch (const std::exception &) {
    }
    try {
        const QString text = files.loadHead(counter.file, counterLinesShown, counterCharactersShown);
        auto *memo = main->control<QPlainTextEdit>(QLatin1String(counter.memo));
        QString lines = text;
        memo->setPlainText(lines.replace(QLatin1String("\r\n"), QLatin1String("\n")));
        show(main->control<TextLabel>(QLatin1String(counter.label)), text);
    } catch (const std::exception &) {
    }
}
