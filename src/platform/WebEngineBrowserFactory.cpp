#include "WebEngineBrowserFactory.h"

#include "RequestOnlyBrowser.h"
#include "WebEngineBrowser.h"

#include <QTimer>
#include <QWebEngineProfile>

// Starting the browser engine keeps the thread busy for most of a second.
// The program makes its services before it shows any window, so nothing on
// screen stops answering while the engine starts.
WebEngineBrowserFactory::WebEngineBrowserFactory() : m_turns(std::make_unique<QObject>())
{
    QWebEngineProfile::defaultProfile();
}

WebEngineBrowserFactory::~WebEngineBrowserFactory() = default;

BrowserControl *WebEngineBrowserFactory::create(QWidget *parent, bool onScreen)
{
    if (onScreen) {
        auto *browser = new WebEngineBrowser(parent, !m_loading);
        if (!m_loading)
            m_held << browser;
        return browser;
    }
    return new RequestOnlyBrowser(parent);
}

void WebEngineBrowserFactory::beginLoading()
{
    if (m_loading)
        return;
    m_loading = true;
    releaseNext();
}

// One control per turn of the event loop: each makes its view, and all of
// them at once would keep the windows from answering for a while.
void WebEngineBrowserFactory::releaseNext()
{
    while (!m_held.isEmpty()) {
        const QPointer<WebEngineBrowser> browser = m_held.takeFirst();
        if (browser) {
            browser->release();
            break;
        }
    }
    if (!m_held.isEmpty())
        QTimer::singleShot(0, m_turns.get(), [this] { releaseNext(); });
}
