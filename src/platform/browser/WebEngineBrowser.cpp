#include "WebEngineBrowser.h"

#include "NonBlockingPage.h"
#include "PageNotice.h"

#include <QCoreApplication>
#include <QShowEvent>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <chrono>

namespace {
qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

WebEngineBrowser::WebEngineBrowser(QWidget *parent, bool held, Clock clock)
    : BrowserControl(parent), m_held(held), m_clock(clock ? std::move(clock) : Clock(steadyMs))
{
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
}

QWebEngineView *WebEngineBrowser::view()
{
    if (!m_view) {
        m_view = new QWebEngineView(this);
        auto *page = new NonBlockingPage(m_view);
        m_view->setPage(page);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        page->setBackgroundColor(Qt::black);
        m_notice = new PageNotice(this);
        connect(page, &NonBlockingPage::alerted, m_notice, &PageNotice::showMessage);
        connect(page, &QWebEnginePage::renderProcessTerminated, this, &WebEngineBrowser::pageDied);
    }
    return m_view;
}

// As in a browser, a later page replaces one that has not loaded yet.
void WebEngineBrowser::navigate(const QString &url)
{
    m_revivedAt = -1;
    if (m_held)
        m_pending = url;
    else
        view()->load(QUrl(url));
}

// While held, the noted page will load fresh anyway.
void WebEngineBrowser::refresh()
{
    if (m_view)
        m_view->page()->triggerAction(QWebEnginePage::Reload);
}

void WebEngineBrowser::release()
{
    if (!m_held)
        return;
    m_held = false;
    if (!m_pending.isEmpty())
        view()->load(QUrl(m_pending));
    m_pending.clear();
}

void WebEngineBrowser::showEvent(QShowEvent *event)
{
    m_hiddenByWindow = false;
    BrowserControl::showEvent(event);
}

void WebEngineBrowser::hideEvent(QHideEvent *event)
{
    m_hiddenByWindow = event->spontaneous() || !isHidden();
    BrowserControl::hideEvent(event);
}

namespace {
// What the toolkit does for the contents of a window it restores: the
// innermost first, every control that is not hidden on its own is told it
// is shown.
void tellShown(QWidget *widget)
{
    for (QObject *child : widget->children()) {
        auto *inner = qobject_cast<QWidget *>(child);
        if (inner && !inner->isWindow() && !inner->isHidden())
            tellShown(inner);
    }
    widget->setAttribute(Qt::WA_Mapped);
    QShowEvent shown;
    QCoreApplication::sendEvent(widget, &shown);
}
} // namespace

// The view draws its page, and the page counts as visible, only while they
// hear they are shown; a window that comes back without the toolkit saying
// so would show an empty page until the next window opened.
void WebEngineBrowser::showAgain()
{
    if (m_hiddenByWindow && isVisible())
        tellShown(this);
}

void WebEngineBrowser::pageDied()
{
    const qint64 now = m_clock();
    if (m_revivedAt >= 0 && now - m_revivedAt < reviveAgainAfterMs)
        return;
    m_revivedAt = now;
    // Not from inside the engine's own report of the death.
    QTimer::singleShot(0, this, &WebEngineBrowser::revive);
}

// A page that died before it was first shown has only the address it was
// asked for.
void WebEngineBrowser::revive()
{
    QWebEnginePage *page = m_view->page();
    if (page->url().isEmpty())
        page->load(page->requestedUrl());
    else
        page->triggerAction(QWebEnginePage::Reload);
}
