#pragma once

#include "platform/ProfileStore.h"

// Profile files on disk. Every call opens, reads or writes, and closes the
// file; nothing is cached. Writes replace the whole file atomically.
class IniProfileStore : public ProfileStore
{
public:
    QString readValue(const QString &file, const QString &section, const QString &key,
                      const QString &defaultValue) override;
    void writeValue(const QString &file, const QString &section, const QString &key,
                    const QString &text) override;
    void deleteFile(const QString &file) override;
    QStringList loadLines(const QString &file) override;
    QStringList loadFirstLines(const QString &file, int maxLines, qsizetype maxChars) override;
};
