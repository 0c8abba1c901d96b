#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class SearchBound;
struct WinePrefix;

// What a prefix's system.reg says about installed programs, and where a
// Windows path of that prefix lies on this system.
class WineRegistry
{
public:
    struct Value {
        QString key;  // under HKEY_LOCAL_MACHINE, single backslashes: Software\Activision\Call of Duty
        QString name; // InstallPath
    };

    // The data of each wanted value in system.reg, one for each of 'wanted'
    // (empty for a value the file lacks). Keys and names are unescaped as Wine
    // writes them and match without regard to case, also under
    // Software\Wow6432Node. The file is read line by line within 'bound';
    // one over SearchBound::maxFileSize is not read.
    static std::vector<QString> read(const QString &prefix, const std::vector<Value> &wanted, const SearchBound &bound);
    // 'windowsPath' (C:\Games\Call of Duty, d:/games/) as a path of this
    // system, through the prefix's drive letters (or drive_c for C:), each
    // part matched without regard to case as Windows does; empty when it does
    // not exist.
    static QString toLocalPath(const WinePrefix &prefix, const QString &windowsPath);

    // A key name, value name or string of a registry file without Wine's
    // escapes: \\, \", \n, \t and the other C escapes, \xNNNN (one to four
    // hex digits, UTF-16) and \NNN (octal). Bytes stand for themselves.
    static QString unescape(QByteArrayView text);
};
