#pragma once

#include "AccessibleText.h"
#include "ControlBuilder.h"
#include "ControlEvents.h"
#include "PictureButton.h"

#include <QWidget>

class BrowserFactory;
class ErrorReporter;

// The controls of one window: built from tables, with their click and
// pointer handlers. The window, or the part of the program that builds a
// set of its controls, takes each control it works with once, right where
// its table is built, and keeps it typed.
class ControlHost
{
public:
    ControlHost(QWidget *window, ErrorReporter *errors, BrowserFactory *browsers);

    void build(const std::vector<ControlRow> &rows) { m_builder.build(rows); }
    // The picture on layer 1, shown; its twin on layer 2, hidden; both
    // described for screen readers.
    PictureButton build(const PictureButtonRow &row);
    void restack() { m_builder.restack(); }
    // Gives named controls their accessible name and description; a control
    // given no name is called by its hint.
    void describe(const std::vector<AccessibleText> &texts);
    ControlEvents &events() { return *m_events; }

    // What a click is bound to: a picture button (its picture and its twin)
    // or one control (a push button, check box, menu entry or any widget).
    struct ClickTarget {
        ClickTarget(const PictureButton &button);
        ClickTarget(QObject *control) : first(control) {}
        QObject *first;
        QObject *second = nullptr;
    };
    // Runs 'handler' on every click of the target, as ControlEvents routes it.
    void onClick(const ClickTarget &target, const ControlEvents::Handler &handler);

    // The built control 'name'. A name that no row built is a fault of the
    // program, found when the window is made.
    template <typename T = QWidget>
    T *get(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            missing(name);
        return found;
    }

private:
    [[noreturn]] static void missing(const char *name);

    QWidget *m_window;
    ControlEvents *m_events;
    ControlBuilder m_builder;
};
