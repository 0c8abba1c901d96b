#pragma once

#include "EventLog.h"
#include "platform/system/BeepService.h"

class RecordingBeep : public BeepService
{
public:
    explicit RecordingBeep(EventLog *log = nullptr) : m_log(log) {}
    void beep() override
    {
        ++count;
        if (m_log)
            m_log->add(QStringLiteral("beep"));
    }
    int count = 0;

private:
    EventLog *m_log;
};
