#pragma once

#include "EventLog.h"
#include "platform/profiles/IniProfileStore.h"

#include <QFileInfo>

// The real profile files, with every write and deletion recorded, and writes
// that can be made to fail from a given one on.
class RecordingProfileStore : public ProfileStore
{
public:
    explicit RecordingProfileStore(EventLog *log = nullptr) : m_log(log) {}

    QString readValue(const QString &file, const QString &section, const QString &key,
                      const QString &defaultValue) override
    {
        return m_real.readValue(file, section, key, defaultValue);
    }
    void writeValue(const QString &file, const QString &section, const QString &key,
                    const QString &text) override
    {
        const QString entry = QStringLiteral("%1 %2/%3=%4").arg(QFileInfo(file).fileName(), section, key, text);
        if (failFromWrite >= 0 && writes.size() >= failFromWrite)
            throw ProfileWriteError(file);
        m_real.writeValue(file, section, key, text);
        writes << entry;
        if (m_log)
            m_log->add(QStringLiteral("write ") + entry);
    }
    void writeSection(const QString &file, const QString &section,
                      const QList<QPair<QString, QString>> &keys) override
    {
        QStringList pairs;
        for (const auto &[key, text] : keys)
            pairs << key + QLatin1Char('=') + text;
        const QString entry = QStringLiteral("%1 [%2] %3").arg(QFileInfo(file).fileName(), section, pairs.join(u' '));
        if (failFromWrite >= 0 && writes.size() >= failFromWrite)
            throw ProfileWriteError(file);
        m_real.writeSection(file, section, keys);
        writes << entry;
        if (m_log)
            m_log->add(QStringLiteral("write ") + entry);
    }
    void deleteFile(const QString &file) override
    {
        deletions << QFileInfo(file).fileName();
        if (m_log)
            m_log->add(QStringLiteral("delete ") + QFileInfo(file).fileName());
        m_real.deleteFile(file);
    }
    QStringList loadLines(const QString &file) override { return m_real.loadLines(file); }
    QStringList loadFirstLines(const QString &file, int maxLines, qsizetype maxChars) override
    {
        return m_real.loadFirstLines(file, maxLines, maxChars);
    }

    QStringList writes;    // "data.dat Setting/csloc=cesta", "data.dat [Friends] name1=Pepa"
    QStringList deletions; // file names
    int failFromWrite = -1; // index of the first write that fails; -1 = none

private:
    IniProfileStore m_real;
    EventLog *m_log;
};
