#include "LocalFiles.h"

#include "app/ProductInfo.h"
#include "platform/profiles/AtomicFile.h"
#include "platform/profiles/ProfileLock.h"
#include "platform/profiles/ProfileStore.h"

#include <QStringList>

const ProfileKey LocalFiles::csloc{data, "Setting", "csloc", unsetPath};
const ProfileKey LocalFiles::codloc{data, "Setting", "codloc", unsetPath};
const ProfileKey LocalFiles::cod210loc{data, "Setting", "cod210loc", unsetPath};
const ProfileKey LocalFiles::cod213loc{data, "Setting", "cod213loc", unsetPath};
const ProfileKey LocalFiles::avploc{data, "Setting", "avploc", unsetPath};
const ProfileKey LocalFiles::vnt{data, "Setting", "vnt", unsetPath};
const ProfileKey LocalFiles::ts{data, "Setting", "ts", unsetPath};
const ProfileKey LocalFiles::ut{data, "Setting", "ut", unsetPath};
const ProfileKey LocalFiles::ut2004{data, "Setting", "ut2004", unsetPath};
const ProfileKey LocalFiles::first{data, "Setting", "first", trueText};
const ProfileKey LocalFiles::notshow{data, "Setting", "notshow", falseText};
const ProfileKey LocalFiles::soundsEnabled{data, "Sounds", "enabled", onText};
const ProfileKey LocalFiles::transparencyEnabled{data, "Transparency", "enabled", onText};
const ProfileKey LocalFiles::languageType{language, "LNG", "type", czech};
const ProfileKey LocalFiles::ready{update, "Setting", "ready", falseText};
const ProfileKey LocalFiles::infVer{versionInf, "Setting", "ver", ProductInfo::version};
const ProfileKey LocalFiles::infNew1{versionInf, "Setting", "new1", "n/a"};
const ProfileKey LocalFiles::infNew2{versionInf, "Setting", "new2", "n/a"};
const ProfileKey LocalFiles::datVer{versionDat, "Setting", "ver", "1.8"};
const ProfileKey LocalFiles::datNews{versionDat, "Setting", "news", "n/a"};

const LocalFiles::ListSection LocalFiles::friends{data, "Friends", "name"};
const LocalFiles::ListSection LocalFiles::watch{data, "Watch", "entry"};

LocalFiles::LocalFiles(ProfileStore &store, const QString &applicationDirectory)
    : m_store(store), m_directory(applicationDirectory)
{
}

QString LocalFiles::path(const char *fileName) const
{
    return m_directory + QLatin1String(fileName);
}

void LocalFiles::removeLeftovers() const
{
    for (const char *name : {data, language, update, versionInf, versionDat, online, statistic}) {
        AtomicFile::removeLeftovers(path(name));
        ProfileLock::removeStale(path(name));
    }
}

QString LocalFiles::read(const ProfileKey &key) const
{
    return m_store.readValue(path(key.file), QLatin1String(key.section), QLatin1String(key.key),
                             QLatin1String(key.defaultValue));
}

void LocalFiles::write(const ProfileKey &key, const QString &text)
{
    m_store.writeValue(path(key.file), QLatin1String(key.section), QLatin1String(key.key), text);
}

QStringList LocalFiles::readList(const ListSection &list, int count) const
{
    QStringList values;
    for (const auto &[number, value] : readNumbered(list, count))
        values << value;
    return values;
}

QList<QPair<int, QString>> LocalFiles::readNumbered(const ListSection &list, int count) const
{
    QList<QPair<int, QString>> values;
    for (int i = 1; i <= count; ++i) {
        const QString value = m_store.readValue(path(list.file), QLatin1String(list.section),
                                                QLatin1String(list.keyPrefix) + QString::number(i), QString());
        if (!value.isEmpty())
            values.append({i, value});
    }
    return values;
}

void LocalFiles::writeList(const ListSection &list, const QStringList &values)
{
    QList<QPair<int, QString>> numbered;
    for (int i = 0; i < values.size(); ++i)
        numbered.append({i + 1, values.at(i)});
    writeNumbered(list, numbered);
}

void LocalFiles::writeNumbered(const ListSection &list, const QList<QPair<int, QString>> &values)
{
    QList<QPair<QString, QString>> keys;
    for (const auto &[number, value] : values)
        keys.append({QLatin1String(list.keyPrefix) + QString::number(number), value});
    m_store.writeSection(path(list.file), QLatin1String(list.section), keys);
}

void LocalFiles::remove(const char *fileName)
{
    m_store.deleteFile(path(fileName));
}

QString LocalFiles::loadHead(const char *fileName, int maxLines, qsizetype maxChars) const
{
    return m_store.loadFirstLines(path(fileName), maxLines, maxChars).join(QLatin1String("\r\n"));
}
