#pragma once

#include "EventLog.h"

#include <QObject>

class QWidget;

// Writes "show <name>" and "hide <name>" into a log whenever a watched
// control is shown or hidden, even inside a window that is not on screen.
class VisibilityLog : public QObject
{
    Q_OBJECT
public:
    explicit VisibilityLog(EventLog *log, QObject *parent = nullptr) : QObject(parent), m_log(log) {}

    void watch(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EventLog *m_log;
};
