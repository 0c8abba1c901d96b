#pragma once

#include "FileDialogService.h"

class QtFileDialogService : public FileDialogService
{
public:
    QString openFile(const QString &title, const QString &initialFile, const QString &filter,
                     const QStringList &places = {}) override;
};
