#include "WebEngineBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

WebEngineBrowser::WebEngineBrowser(QWidget *parent, bool held) : BrowserControl(parent), m_held(held)
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
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        m_view->page()->setBackgroundColor(Qt::black);
    }
    return m_view;
}

// As in a browser, a later page replaces one that has not loaded yet.
void WebEngineBrowser::navigate(const QString &url)
{
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
