#pragma once

#include "FileStamp.h"
#include "IniDocument.h"
#include "ProfileStore.h"

#include <QHash>

#include <optional>

// Profile files on disk. Every call looks at the file as it is now; a file
// that has not changed since it was last parsed (same file, size and
// modification time, see FileStamp) is not parsed again. Writes replace the
// whole file atomically, and writers of one file, in any process, take
// turns (ProfileLock).
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

private:
    struct Parsed
    {
        FileStamp stamp;
        QByteArray bytes; // the file's, shared with the document
        IniDocument document;
    };

    // The file's document as it is now; nothing when the file is missing
    // or cannot be read.
    std::optional<IniDocument> document(const QString &file);

    QHash<QString, Parsed> m_parsed;
};
