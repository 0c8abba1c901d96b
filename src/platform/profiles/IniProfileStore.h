#pragma once

#include "FileStamp.h"
#include "IniDocument.h"
#include "ProfileStore.h"

#include <QHash>

#include <functional>
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
    void writeSection(const QString &file, const QString &section,
                      const QList<QPair<QString, QString>> &keys) override;
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

    // Reads the file, changes its document and replaces the file, as one
    // step that no other writer of the file comes between.
    void change(const QString &file, const std::function<void(IniDocument &)> &edit);
    // The file's document as it is now; nothing when the file is missing
    // or cannot be read.
    std::optional<IniDocument> document(const QString &file);

    QHash<QString, Parsed> m_parsed;
};
