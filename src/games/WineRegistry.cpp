#include "WineRegistry.h"

#include "TextLines.h"
#include "WinePrefixes.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>

namespace {
int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The end of the string that starts at 'from' (after its opening quote or
// bracket): the first 'close' not escaped; -1 when there is none.
qsizetype closing(QByteArrayView line, qsizetype from, char close)
{
    for (qsizetype i = from; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == close)
            return i;
    }
    return -1;
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

QString WineRegistry::unescape(QByteArrayView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\\' || i + 1 >= text.size()) {
            out.append(QChar(uchar(c)));
            continue;
        }
        const char e = text[++i];
        static const char from[] = "abefnrtv", to[] = "\a\b\x1b\f\n\r\t\v";
        if (const char *at = std::strchr(from, e); at && e) {
            out.append(QChar(uchar(to[at - from])));
        } else if (e == 'x' && i + 1 < text.size() && hexDigit(text[i + 1]) >= 0) {
            char16_t unit = 0;
            for (int n = 0; n < 4 && i + 1 < text.size() && hexDigit(text[i + 1]) >= 0; ++n)
                unit = char16_t(unit * 16 + hexDigit(text[++i]));
            out.append(QChar(unit));
        } else if (e >= '0' && e <= '7') {
            char16_t unit = char16_t(e - '0');
            for (int n = 1; n < 3 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7'; ++n)
                unit = char16_t(unit * 8 + (text[++i] - '0'));
            out.append(QChar(unit));
        } else {
            out.append(QChar(uchar(e))); // \\, \", \[, \] and any other: the character itself
        }
    }
    return out;
}

std::vector<QString> WineRegistry::read(const QString &prefix, const std::vector<Value> &wanted, const SearchBound &bound)
{
    std::vector<QString> found(wanted.size());
    TextLines lines(QDir(prefix).filePath(QStringLiteral("system.reg")), bound);
    std::vector<size_t> inKey; // the wanted values of the key being read
    QByteArrayView line;
    while (lines.next(line)) {
        if (line.startsWith('[')) {
            // [Software\\Wow6432Node\\Activision\\Call of Duty] 1700000000
            inKey.clear();
            const qsizetype close = closing(line, 1, ']');
            if (close < 0)
                continue;
            const QString key = withoutWow(unescape(line.sliced(1, close - 1)));
            for (size_t i = 0; i < wanted.size(); ++i)
                if (key.compare(wanted[i].key, Qt::CaseInsensitive) == 0)
                    inKey.push_back(i);
        } else if (!inKey.empty() && line.startsWith('"')) {
            // "InstallPath"="C:\\Games\\Call of Duty", or =str(2):"..." for an expandable string
            const qsizetype nameEnd = closing(line, 1, '"');
            if (nameEnd < 0 || nameEnd + 1 >= line.size() || line[nameEnd + 1] != '=')
                continue;
            QByteArrayView data = line.sliced(nameEnd + 2);
            if (data.startsWith("str(2):"))
                data = data.sliced(7);
            if (!data.startsWith('"'))
                continue;
            const qsizetype dataEnd = closing(data, 1, '"');
            if (dataEnd < 0)
                continue;
            const QString name = unescape(line.sliced(1, nameEnd - 1));
            for (size_t i : inKey)
                if (found[i].isEmpty() && name.compare(wanted[i].name, Qt::CaseInsensitive) == 0)
                    found[i] = unescape(data.sliced(1, dataEnd - 1));
        }
    }
    return found;
}

QString WineRegistry::toLocalPath(const WinePrefix &prefix, const QString &windowsPath)
{
    QString path = windowsPath;
    for (const char *device : {"\\\\?\\", "\\??\\"})
        if (path.startsWith(QLatin1String(device)))
            path = path.mid(4);
    if (path.size() < 2 || path.at(1) != QLatin1Char(':') || !path.at(0).isLetter() || path.at(0).unicode() > 'z')
        return QString();
    QString folder = prefix.driveTarget(path.at(0));
    if (folder.isEmpty())
        return QString();
    const QStringList parts = path.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return QString();
        const QString entry = entryNamed(folder, part);
        if (entry.isEmpty())
            return QString();
        folder += QLatin1Char('/') + entry;
    }
    return QFileInfo(folder).canonicalFilePath();
}
