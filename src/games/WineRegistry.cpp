#include "WineRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
constexpr qint64 maxRegistry = 256 << 20;
constexpr int maxLine = 64 << 10;

// Registry files double every backslash of key names and data.
QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\\') && i + 1 < text.size())
            ++i;
        out.append(text.at(i));
    }
    return out;
}

QString withoutWow(const QString &key)
{
    static const QLatin1String wow("Software\\Wow6432Node\\");
    if (key.startsWith(wow, Qt::CaseInsensitive))
        return QStringLiteral("Software\\") + key.mid(wow.size());
    return key;
}

// A folder's entry named 'name' without regard to case; exact names first.
QString entryNamed(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}
} // namespace

std::vector<QString> WineRegistry::read(const QString &prefix, const std::vector<Value> &wanted)
{
    QFile file(QDir(prefix).filePath(QStringLiteral("system.reg")));
    std::vector<QString> found(wanted.size());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || file.size() > maxRegistry)
        return found;
    std::vector<size_t> inKey; // the wanted values of the key being read
    while (!file.atEnd()) {
        const QByteArray raw = file.readLine(maxLine);
        if (raw.startsWith('[')) {
            inKey.clear();
            const qsizetype close = raw.lastIndexOf(']');
            if (close < 0)
                continue;
            const QString key = withoutWow(unescape(QString::fromUtf8(raw.mid(1, close - 1))));
            for (size_t i = 0; i < wanted.size(); ++i)
                if (key.compare(wanted[i].key, Qt::CaseInsensitive) == 0)
                    inKey.push_back(i);
        } else if (!inKey.empty() && raw.startsWith('"')) {
            // "InstallPath"="C:\\Games\\Call of Duty"
            const QString line = QString::fromUtf8(raw).trimmed();
            const qsizetype split = line.indexOf(QLatin1String("\"=\""));
            if (split < 0 || !line.endsWith(QLatin1Char('"')))
                continue;
            const QString name = unescape(QStringView(line).mid(1, split - 1));
            const QString data = unescape(QStringView(line).mid(split + 3, line.size() - split - 4));
            for (size_t i : inKey)
                if (found[i].isEmpty() && name.compare(wanted[i].name, Qt::CaseInsensitive) == 0)
                    found[i] = data;
        }
    }
    return found;
}

QString WineRegistry::toLocalPath(const QString &prefix, const QString &windowsPath)
{
    if (windowsPath.size() < 2 || windowsPath.at(1) != QLatin1Char(':') || !windowsPath.at(0).isLetter())
        return QString();
    const QString drive = windowsPath.left(2).toLower();
    QString folder = QDir(prefix).filePath(QStringLiteral("dosdevices/") + drive);
    if (!QFileInfo(folder).isDir()) {
        if (drive != QLatin1String("c:"))
            return QString();
        folder = QDir(prefix).filePath(QStringLiteral("drive_c"));
    }
    const QStringList parts = windowsPath.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            return QString();
        const QString entry = entryNamed(folder, part);
        if (entry.isEmpty())
            return QString();
        folder += QLatin1Char('/') + entry;
    }
    return QFileInfo(folder).canonicalFilePath();
}
