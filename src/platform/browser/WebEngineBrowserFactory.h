#pragma once

#include "BrowserFactory.h"

#include <QList>
#include <QPointer>
#include <memory>

class WebEngineBrowser;

// Browser controls on QtWebEngine. A control outside its window only sends
// its requests (RequestOnlyBrowser).
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

    std::unique_ptr<QObject> m_turns; // runs the releases; gone with the factory
    bool m_loading = false;
    QList<QPointer<WebEngineBrowser>> m_held;
};
