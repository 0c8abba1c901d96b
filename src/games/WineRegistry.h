#pragma once

#include <QString>
#include <QStringList>
#include <vector>

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
    // (empty for a value the file lacks). Keys match without regard to case,
    // also under Software\Wow6432Node.
    static std::vector<QString> read(const QString &prefix, const std::vector<Value> &wanted);
    // 'windowsPath' (C:\Games\Call of Duty) as a path of this system, through
    // the prefix's dosdevices (or drive_c for C:), each part matched without
    // regard to case as Windows does; empty when it does not exist.
    static QString toLocalPath(const QString &prefix, const QString &windowsPath);
};
