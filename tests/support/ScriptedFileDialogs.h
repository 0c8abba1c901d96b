#pragma once

#include "platform/FileDialogService.h"

#include <QQueue>
#include <QVector>

// Answers file-open dialogs from a queue; an empty answer is a cancel.
class ScriptedFileDialogs : public FileDialogService
{
public:
    struct Call {
        QString title, initialFile, filter;
    };
    QString openFile(const QString &title, const QString &initialFile, const QString &filter) override
    {
        calls.push_back({title, initialFile, filter});
        return answers.isEmpty() ? QString() : answers.dequeue();
    }
    QQueue<QString> answers;
    QVector<Call> calls;
};
