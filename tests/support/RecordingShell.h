#pragma once

#include "EventLog.h"
#include "platform/system/ShellService.h"

#include <QVector>

class RecordingShell : public ShellService
{
public:
    enum Kind { Program, Address };
    struct Call {
        Kind kind;
        QString file, parameters, directory;
    };
    explicit RecordingShell(EventLog *log = nullptr) : m_log(log) {}

    StartFailure startProgram(const QString &file, const QString &arguments, const QString &directory) override
    {
        calls.push_back({Program, file, arguments, directory});
        if (m_log)
            m_log->add(QStringLiteral("program %1").arg(file));
        return failure;
    }
    void openAddress(const QString &url) override
    {
        calls.push_back({Address, url, QString(), QString()});
        if (m_log)
            m_log->add(QStringLiteral("address %1").arg(url));
    }

    QVector<Call> calls;
    // What every start answers.
    StartFailure failure = StartFailure::None;

private:
    EventLog *m_log;
};
