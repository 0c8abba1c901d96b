#include "WebEngineBrowserFactory.h"

#include "RequestOnlyBrowser.h"
#include "WebEngineBrowser.h"

#include <QNetworkAccessManager>

WebEngineBrowserFactory::WebEngineBrowserFactory() = default;

WebEngineBrowserFactory::~WebEngineBrowserFactory() = default;

BrowserControl *WebEngineBrowserFactory::create(QWidget *parent, bool onScreen)
{
    if (onScreen)
        return new WebEngineBrowser(parent);
    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    return new RequestOnlyBrowser(parent, m_network.get());
}
