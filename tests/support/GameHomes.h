#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>

// Players' homes as the game tests make them: each thing one line under a root.
//   "path/"              a folder
//   "path->target"       a symbolic link to 'target' (as written, so relative to the link's folder)
//   "path=content"       a file holding 'content'
//   "path=mz:1.3"        a Windows program stating version 1.3 in its version resource
//   "path=wine"          the system.reg that real Wine writes (data/wine-registry.sh)
//   "path"               a Windows program when the name ends in .exe, else a native one
// "{root}" in a target or a content stands for the root itself. Files are executable.
namespace GameHomes {

// A Windows program whose version resource states major.minor; 0.0: none.
inline QByteArray windowsProgram(int major, int minor)
{
    QByteArray bytes("MZ");
    bytes.append(64, '\0');
    if (major || minor) {
        bytes.append(reinterpret_cast<const char *>(u"VS_VERSION_INFO"), 30);
        bytes.append(2, '\0'); // terminator, then four-byte alignment
        char fixed[16] = {};
        qToLittleEndian<quint32>(0xFEEF04BD, fixed);
        qToLittleEndian<quint32>(0x00010000, fixed + 4);
        qToLittleEndian<quint32>(quint32(major) << 16 | quint32(minor), fixed + 8);
        bytes.append(fixed, sizeof fixed);
    }
    return bytes;
}

inline QString dataFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QLatin1String("/../core/data");
}

// The system.reg of a prefix whose keys Wine's own "reg add" wrote
// (data/wine-registry.sh: C:\Hry\Černá\Call of Duty\, D:\Hry\UT2004, Windows
// Steam's install path, a key named outside ASCII): made anew by real Wine
// when it is installed (once per test run), else the bytes real Wine 8
// produced once, kept in data/system.reg.
inline QByteArray wineSystemReg(bool *live = nullptr)
{
    static QByteArray bytes;
    static bool made = false;
    if (bytes.isEmpty()) {
        static QTemporaryDir dir;
        const QString prefix = dir.filePath(QStringLiteral("pfx"));
        if (!QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty() && qgetenv("OVCL_REAL_WINE") != "0") {
            QProcess run;
            run.start(QStringLiteral("/bin/sh"), {dataFolder() + QLatin1String("/wine-registry.sh"), prefix});
            if (run.waitForFinished(100000) && run.exitCode() == 0) {
                QFile made_(prefix + QLatin1String("/system.reg"));
                if (made_.open(QIODevice::ReadOnly))
                    bytes = made_.readAll();
                made = !bytes.isEmpty();
            }
        }
        if (bytes.isEmpty()) {
            QFile kept(dataFolder() + QLatin1String("/system.reg"));
            if (kept.open(QIODevice::ReadOnly))
                bytes = kept.readAll();
        }
    }
    if (live)
        *live = made;
    return bytes;
}

inline bool make(const QString &root, const QString &thing)
{
    const QDir dir(root);
    QString t = thing;
    t.replace(QLatin1String("{root}"), root);
    const qsizetype arrow = t.indexOf(QLatin1String("->"));
    const qsizetype equals = t.indexOf(QLatin1Char('='));
    if (arrow > 0 && (equals < 0 || arrow < equals)) {
        const QString link = dir.filePath(t.left(arrow));
        return dir.mkpath(QFileInfo(link).path()) && QFile::link(t.mid(arrow + 2), link);
    }
    if (t.endsWith(QLatin1Char('/')))
        return dir.mkpath(t);
    const QString path = equals > 0 ? t.left(equals) : t;
    QByteArray content = equals > 0 ? t.mid(equals + 1).toUtf8() : QByteArray();
    if (content.startsWith("mz:")) {
        const QList<QByteArray> version = content.mid(3).split('.');
        content = windowsProgram(version.value(0).toInt(), version.value(1).toInt());
    } else if (content == "wine") {
        content = wineSystemReg();
    } else if (equals < 0) {
        content = path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) ? windowsProgram(0, 0) : QByteArray("\x7f" "ELF\2\1");
    }
    QFile file(dir.filePath(path));
    return dir.mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) && file.write(content) == content.size()
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace GameHomes
