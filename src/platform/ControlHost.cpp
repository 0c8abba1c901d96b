#include "ControlHost.h"

ControlHost::ControlHost(QWidget *window, ErrorReporter *errors, BrowserFactory *browsers)
    : m_window(window), m_events(new ControlEvents(errors, window)), m_builder(window, m_events, browsers)
{
    m_events->attach(window);
}
