#include "WebEngineBrowserFactory.h"

#include "RequestOnlyBrowser.h"
#include "WebEngineBrowser.h"

#include <QNetworkAccessManager>

WebEngineBrowserFactory::WebEngineBrowserFactory() = default;

WebEngineBrowserFactory::~WebEngineBrowserFactory() = default;

BrowserControl *WebEngineBrowserFactory::create(QWidget *parent, bool onScreen)
{
    if (onScreen) {
        auto *browser = new WebEngineBrowser(parent, !m_loading);
        if (!m_loading)
            m_held << browser;
        return browser;
    }
    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    return new RequestOnlyBrowser(parent, m_network.get());
}

void WebEngineBrowserFactory::beginLoading()
{
    if (m_loading)
        return;
    m_loading = true;
    for (const QPointer<WebEngineBrowser> &browser : std::as_const(m_held)) {
        if (browser)
            browser->release();
    }
    m_held.clear();
}
