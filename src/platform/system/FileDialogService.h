#pragma once

#include <QString>

#include <QStringList>

// A file-open dialog. The filter uses "description|pattern|description|pattern".
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;

    // The chosen file's full path, or an empty string when cancelled.
    // 'places' are folders offered in the dialog's sidebar.
    virtual QString openFile(const QString &title, const QString &initialFile, const QString &filter,
                             const QStringList &places = {}) = 0;
};
