#pragma once

#include "BrowserControl.h"

class QWebEngineView;

// A browser control on QtWebEngine, shown in its window. The view and its
// engine are created on the first navigation.
class WebEngineBrowser : public BrowserControl
{
    Q_OBJECT
public:
    explicit WebEngineBrowser(QWidget *parent);

    void navigate(const QString &url) override;
    void refresh() override;

private:
    QWebEngineView *view();

    QWebEngineView *m_view = nullptr;
};
