#pragma once

#include "EventLog.h"
#include "platform/system/ErrorReporter.h"

class RecordingErrors : public ErrorReporter
{
public:
    explicit RecordingErrors(EventLog *log = nullptr) : m_log(log) {}
    void report(const QString &message) override
    {
        messages << message;
        if (m_log)
            m_log->add(QStringLiteral("error %1").arg(message));
    }
    QStringList messages;

private:
    EventLog *m_log;
};
