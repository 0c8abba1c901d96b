#pragma once

#include "AccessibleText.h"
#include "ControlBuilder.h"
#include "ControlEvents.h"

#include <QWidget>

class BrowserFactory;
class ErrorReporter;

// The controls of one window: built from tables, found by name, with their
// click and pointer handlers.
class ControlHost
{
public:
    ControlHost(QWidget *window, ErrorReporter *errors, BrowserFactory *browsers);

    void build(const std::vector<ControlRow> &rows) { m_builder.build(rows); }
    void restack() { m_builder.restack(); }
    // Gives named controls their accessible name and description; a control
    // given no name is called by its hint.
    void describe(const std::vector<AccessibleText> &texts);
    ControlEvents &events() { return *m_events; }

    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }

private:
    QWidget *m_window;
    ControlEvents *m_events;
    ControlBuilder m_builder;
};
