#pragma once

#include "platform/system/ErrorReporter.h"

class WindowGroup;

// Shows each error in a message box that is modal to the program's window
// group: its windows wait for the box, the tray icon and its menu do not.
class MessageBoxErrorReporter : public ErrorReporter
{
public:
    explicit MessageBoxErrorReporter(WindowGroup &windows) : m_windows(windows) {}

    void report(const QString &message) override;

private:
    WindowGroup &m_windows;
};
