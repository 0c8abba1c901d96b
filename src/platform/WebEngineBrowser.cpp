#include "WebEngineBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

WebEngineBrowser::WebEngineBrowser(QWidget *parent, bool onScreen)
    : BrowserControl(parent), m_onScreen(onScreen)
{
    setAutoFillBackground(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    setPalette(dark);
}

QWebEnginePage *WebEngineBrowser::page()
{
    if (m_onScreen && !m_view) {
        m_view = new QWebEngineView(this);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        m_view->page()->setBackgroundColor(Qt::black);
        m_page = m_view->page();
    } else if (!m_onScreen && !m_page) {
        m_page = new QWebEnginePage(this);
    }
    return m_page;
}

void WebEngineBrowser::navigate(const QString &url)
{
    page()->load(QUrl(url));
}

void WebEngineBrowser::refresh()
{
    if (m_page)
        m_page->triggerAction(QWebEnginePage::Reload);
}
