#pragma once

#include "EventLog.h"
#include "platform/system/SoundService.h"

class RecordingSound : public SoundService
{
public:
    explicit RecordingSound(EventLog *log = nullptr) : m_log(log) {}

    void play(const QString &name, bool asynchronous) override
    {
        played << name;
        modes << (asynchronous ? QStringLiteral("async") : QStringLiteral("sync"));
        if (m_log)
            m_log->add(QStringLiteral("sound %1 %2").arg(name, modes.last()));
    }

    QStringList played;
    QStringList modes;

private:
    EventLog *m_log;
};
