#pragma once

#include "platform/system/FileDialogService.h"

#include <QQueue>
#include <QVector>

// Answers file-open dialogs from a queue; an empty answer is a cancel.
class ScriptedFileDialogs : public FileDialogService
{
public:
    struct Call {
        QString title, initialFile, filter;
        QStringList places;
    };
    QString openFile(const QString &title, const QString &initialFile, const QString &filter,
                     const QStringList &places) override
    {
        calls.push_back({title, initialFile, filter, places});
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
    QQueue<QString> answers;
    QVector<Call> calls;
};
