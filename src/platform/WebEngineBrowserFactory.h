#pragma once

#include "BrowserFactory.h"

#include <memory>

class QNetworkAccessManager;

// Browser controls on QtWebEngine. A control outside its window only sends
// its requests, over one network manager that all such controls share.
class WebEngineBrowserFactory : public BrowserFactory
{
public:
    WebEngineBrowserFactory();
    ~WebEngineBrowserFactory() override;

    BrowserControl *create(QWidget *parent, bool onScreen) override;

private:
    std::unique_ptr<QNetworkAccessManager> m_network;
};
