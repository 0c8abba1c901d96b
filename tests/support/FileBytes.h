#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QtTest>

// The whole content of a file, or nothing when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Puts exactly these bytes into the file.
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

// The temporary file a write of 'target' is filling now (AtomicFile names it
// "<name>.<random>.ovcl-partial"), or nothing.
inline QString partialOf(const QString &target)
{
    const QFileInfo info(target);
    const QStringList found = info.dir().entryList({info.fileName() + QStringLiteral(".*.ovcl-partial")},
                                                   QDir::Files | QDir::Hidden);
    return found.isEmpty() ? QString() : info.dir().filePath(found.first());
}
