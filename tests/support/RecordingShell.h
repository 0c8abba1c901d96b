#pragma once

#include "EventLog.h"
#include "platform/ShellService.h"

#include <QVector>

class RecordingShell : public ShellService
{
public:
    struct Call {
        QString verb, file, parameters, directory;
        int showCommand;
    };
    explicit RecordingShell(EventLog *log = nullptr) : m_log(log) {}

    void execute(const QString &verb, const QString &file, const QString &parameters,
                 const QString &directory, int showCommand) override
    {
        calls.push_back({verb, file, parameters, directory, showCommand});
        if (m_log)
            m_log->add(QStringLiteral("shell %1 %2").arg(verb, file));
    }

    QVector<Call> calls;

private:
    EventLog *m_log;
};
