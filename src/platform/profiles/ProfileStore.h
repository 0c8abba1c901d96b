#pragma once

#include <QString>
#include <QList>
#include <QPair>
#include <QStringList>
#include <stdexcept>

// Raised when a profile value cannot be written: "Unable to write to <full path>".
class ProfileWriteError : public std::runtime_error
{
public:
    explicit ProfileWriteError(const QString &fullPath)
        : std::runtime_error(QStringLiteral("Unable to write to %1").arg(fullPath).toStdString())
    {
    }
};

// Raised when a text file cannot be loaded line by line.
class FileLoadError : public std::runtime_error
{
public:
    explicit FileLoadError(const QString &fullPath)
        : std::runtime_error(QStringLiteral("Cannot open file \"%1\"").arg(fullPath).toStdString())
    {
    }
};

// Classic INI-style profile files, opened and closed per operation.
// Every file argument is a full path (application directory + name).
class ProfileStore
{
public:
    virtual ~ProfileStore() = default;

    // The stored value, trimmed and at most 2047 characters, or the default
    // when the file, section or key is missing. Names match without regard to case.
    virtual QString readValue(const QString &file, const QString &section, const QString &key,
                              const QString &defaultValue) = 0;

    // Creates file, section and key as needed; keeps every other line.
    // Throws ProfileWriteError, leaving the file as it was.
    virtual void writeValue(const QString &file, const QString &section, const QString &key,
                            const QString &text) = 0;

    // Writes the section anew with exactly these keys, in this order, as one
    // write; every other section stays as it was. Throws ProfileWriteError,
    // leaving the file as it was.
    virtual void writeSection(const QString &file, const QString &section,
                              const QList<QPair<QString, QString>> &keys) = 0;

    // Removes the file if it is there; never fails.
    virtual void deleteFile(const QString &file) = 0;

    // The lines of a text file (CR, LF or CR LF end a line). Throws FileLoadError.
    virtual QStringList loadLines(const QString &file) = 0;
    // Its first 'maxLines' lines, each cut to 'maxChars' characters, read as
    // loadLines() reads them; no more of the file is decoded than they need.
    // Throws FileLoadError.
    virtual QStringList loadFirstLines(const QString &file, int maxLines, qsizetype maxChars) = 0;
};
