#pragma once

#include "BrowserControl.h"

class QWebEngineView;

// A browser control on QtWebEngine, shown in its window. The view and its
// engine are created for the first load. A held control notes the page it is
// told to load and loads it when released.
class WebEngineBrowser : public BrowserControl
{
    Q_OBJECT
public:
    WebEngineBrowser(QWidget *parent, bool held);

    void navigate(const QString &url) override;
    void refresh() override;
    void release();

private:
    QWebEngineView *view();

    bool m_held;
    QString m_pending;
    QWebEngineView *m_view = nullptr;
};
