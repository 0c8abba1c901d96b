#include "WinePrefixes.h"

#include "FolderList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <yaml-cpp/yaml.h>

namespace {
constexpr qint64 maxSettingsFile = 1 << 20;

// A prefix holds drive_c.
class PrefixList : public FolderList
{
public:
    void add(const QString &folder) { FolderList::add(folder, QStringLiteral("drive_c")); }
    // Every folder directly inside 'parent' that is a prefix.
    void addChildren(const QString &parent)
    {
        const QDir dir(parent);
        for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
            add(dir.filePath(name));
    }
};

QByteArray readSmall(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > maxSettingsFile)
        return QByteArray();
    return f.read(maxSettingsFile);
}

QString expandHome(const QString &path, const QString &home)
{
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        return home + path.mid(1);
    return path;
}
} // namespace

QString WinePrefixes::lutrisPrefix(const QString &gameFile, const QString &home)
{
    const QByteArray text = readSmall(gameFile);
    if (text.isEmpty())
        return QString();
    try {
        const YAML::Node root = YAML::Load(text.toStdString());
        const YAML::Node prefix = root.IsMap() && root["game"].IsMap() ? root["game"]["prefix"] : YAML::Node();
        if (!prefix.IsScalar())
            return QString();
        return expandHome(QString::fromStdString(prefix.as<std::string>()), home);
    } catch (const YAML::Exception &) {
        return QString();
    }
}

QStringList WinePrefixes::heroicPrefixes(const QString &settingsFile)
{
    QStringList prefixes;
    const QJsonDocument doc = QJsonDocument::fromJson(readSmall(settingsFile));
    // One object per game: { "<app name>": { "winePrefix": "..." } }.
    const QJsonObject games = doc.object();
    for (auto it = games.begin(); it != games.end(); ++it) {
        const QString prefix = it.value().toObject().value(QLatin1String("winePrefix")).toString();
        if (!prefix.isEmpty())
            prefixes << prefix;
    }
    return prefixes;
}

QStringList WinePrefixes::of(const QString &home, const QStringList &steamLibraries)
{
    PrefixList prefixes;
    if (!home.isEmpty()) {
        const QDir h(home);
        prefixes.add(h.filePath(QStringLiteral(".wine")));
        prefixes.addChildren(h.filePath(QStringLiteral(".local/share/wineprefixes")));
        prefixes.addChildren(h.filePath(QStringLiteral(".local/share/bottles/bottles")));
        prefixes.addChildren(h.filePath(QStringLiteral(".var/app/com.usebottles.bottles/data/bottles/bottles")));
        for (const char *games : {".config/lutris/games", ".local/share/lutris/games",
                                  ".var/app/net.lutris.Lutris/config/lutris/games"}) {
            const QDir dir(h.filePath(QLatin1String(games)));
            for (const QString &file : dir.entryList({QStringLiteral("*.yml")}, QDir::Files, QDir::Name))
                prefixes.add(lutrisPrefix(dir.filePath(file), home));
        }
        for (const char *config : {".config/heroic/GamesConfig",
                                   ".var/app/com.heroicgameslauncher.hgl/config/heroic/GamesConfig"}) {
            const QDir dir(h.filePath(QLatin1String(config)));
            for (const QString &file : dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
                for (const QString &prefix : heroicPrefixes(dir.filePath(file)))
                    prefixes.add(expandHome(prefix, home));
        }
        prefixes.addChildren(h.filePath(QStringLiteral("Games/Heroic/Prefixes")));
    }
    for (const QString &library : steamLibraries) {
        const QDir compat(QDir(library).filePath(QStringLiteral("steamapps/compatdata")));
        for (const QString &app : compat.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            prefixes.add(compat.filePath(app + QLatin1String("/pfx")));
    }
    return prefixes.list();
}
