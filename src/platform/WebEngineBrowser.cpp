#include "WebEngineBrowser.h"

#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

WebEngineBrowser::WebEngineBrowser(QWidget *parent) : BrowserControl(parent)
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

void WebEngineBrowser::navigate(const QString &url)
{
    view()->load(QUrl(url));
}

void WebEngineBrowser::refresh()
{
    if (m_view)
        m_view->page()->triggerAction(QWebEnginePage::Reload);
}
