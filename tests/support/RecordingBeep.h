#pragma once

#include "EventLog.h"
#include "platform/BeepService.h"

class RecordingBeep : public BeepService
{
public:
    explicit RecordingBeep(EventLog *log = nullptr) : m_log(log) {}
    void beep(int type) override
    {
        types << type;
        if (m_log)
            m_log->add(QStringLiteral("beep %1").arg(type));
    }
    QList<int> types;

private:
    EventLog *m_log;
};
