#pragma once

#include <QString>

// A file-open dialog. The filter uses "description|pattern|description|pattern".
class FileDialogService
{
public:
    virtual ~FileDialogService() = default;

    // The chosen file's full path, or an empty string when cancelled.
    virtual QString openFile(const QString &title, const QString &initialFile,
                             const QString &filter) = 0;
};
