#include "WebEngineBrowserFactory.h"

#include "RequestOnlyBrowser.h"
#include "WebEngineBrowser.h"

#include <QTimer>
#include <QWebEngineProfile>

WebEngineBrowserFactory::WebEngineBrowserFactory() : m_turns(std::make_unique<QObject>()) {}

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

// The default profile brings the engine up: its browser process, threads
// and network service.
void WebEngineBrowserFactory::startEngine()
{
    QWebEngineProfile::defaultProfile();
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
