#include "BrowserWindow.h"

#include "platform/browser/BrowserControl.h"

#include <QResizeEvent>

BrowserWindow::BrowserWindow(const BrowserWindowRow &row, ErrorReporter &errors, BrowserFactory &browsers)
    : Form(row.frame, errors, browsers), m_browserFillsWindow(row.browserFillsWindow)
{
    controls().build(row.controls);
    m_browser = controls().get<BrowserControl>("WebBrowser1");
    for (const BrowserWindowLink &link : row.links)
        m_links.push_back({controls().get(link.control), link.cue, link.action});
    if (row.blendsAtStart)
        setTransparent(true);
    if (row.pageAtStart)
        m_browser->navigate(row.pageAtStart());
}

void BrowserWindow::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    if (m_browserFillsWindow && m_browser)
        m_browser->setGeometry(rect());
}
