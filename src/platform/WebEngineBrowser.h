#pragma once

#include "BrowserControl.h"

class QWebEnginePage;
class QWebEngineView;

// A browser control on QtWebEngine. The engine is created on the first
// navigation; a control that is never seen loads its page without a view.
class WebEngineBrowser : public BrowserControl
{
    Q_OBJECT
public:
    WebEngineBrowser(QWidget *parent, bool onScreen);

    void navigate(const QString &url) override;
    void refresh() override;

private:
    QWebEnginePage *page();

    bool m_onScreen;
    QWebEngineView *m_view = nullptr;
    QWebEnginePage *m_page = nullptr;
};
