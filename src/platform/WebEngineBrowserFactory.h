#pragma once

#include "BrowserFactory.h"

#include <QList>
#include <QPointer>
#include <memory>

class QNetworkAccessManager;
class WebEngineBrowser;

// Browser controls on QtWebEngine. A control outside its window only sends
// its requests, over one network manager that all such controls share.
class WebEngineBrowserFactory : public BrowserFactory
{
public:
    WebEngineBrowserFactory();
    ~WebEngineBrowserFactory() override;

    BrowserControl *create(QWidget *parent, bool onScreen) override;
    void startEngine() override;
    void beginLoading() override;

private:
    void releaseNext();

    std::unique_ptr<QNetworkAccessManager> m_network;
    std::unique_ptr<QObject> m_turns; // runs the releases; gone with the factory
    bool m_loading = false;
    QList<QPointer<WebEngineBrowser>> m_held;
};
