#include "ControlHost.h"

ControlHost::ControlHost(QWidget *window, ErrorReporter *errors, BrowserFactory *browsers)
    : m_window(window), m_events(new ControlEvents(errors, window)), m_builder(window, m_events, browsers)
{
    m_events->attach(window);
}

void ControlHost::describe(const std::vector<AccessibleText> &texts)
{
    for (const AccessibleText &text : texts) {
        QWidget *control = m_window->findChild<QWidget *>(text.control);
        Q_ASSERT_X(control, "ControlHost::describe", qPrintable(text.control));
        if (!control)
            continue;
        control->setAccessibleName(text.name.isEmpty() ? control->toolTip() : text.name);
        control->setAccessibleDescription(text.description);
    }
}
