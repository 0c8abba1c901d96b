#pragma once

#include "BrowserControl.h"

#include <functional>

class PageNotice;
class QWebEngineView;

// A browser control on QtWebEngine, shown in its window. The view and its
// engine are created for the first load. A held control notes the page it is
// told to load and loads it when released.
//
// Script dialogs of its pages never block (NonBlockingPage); alerts appear
// over the top of the control. When the process that renders its page dies,
// the control loads that page again, once: should it die again within a
// minute, the control stays blank until it is told to load a page.
class WebEngineBrowser : public BrowserControl
{
    Q_OBJECT
public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;

    // Without a clock, the control goes by the system's steady clock.
    WebEngineBrowser(QWidget *parent, bool held, Clock clock = {});

    void navigate(const QString &url) override;
    void refresh() override;
    void release();
    void showAgain() override;
    static constexpr qint64 reviveAgainAfterMs = 60000;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWebEngineView *view();
    void pageDied();
    void revive();

    bool m_held;
    bool m_hiddenByWindow = false; // hidden with its window, not on its own
    QString m_pending;
    QWebEngineView *m_view = nullptr;
    PageNotice *m_notice = nullptr;
    Clock m_clock;
    qint64 m_revivedAt = -1; // when the page was last loaded again; -1 after a navigation
};
