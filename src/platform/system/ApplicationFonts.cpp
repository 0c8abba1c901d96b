#include "ApplicationFonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontDatabase>

QStringList ApplicationFonts::fileNames()
{
    return {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf"), QStringLiteral("ms_sans_serif.ttf")};
}

QString ApplicationFonts::systemFolder()
{
    return QStringLiteral("/usr/share/wine/fonts");
}

QStringList ApplicationFonts::bitmapOnly()
{
    return {QStringLiteral("ms_sans_serif.ttf")};
}

QStringList ApplicationFonts::load(const QString &applicationDirectory, qreal scale)
{
    const QStringList folders = {QDir(applicationDirectory).filePath(QStringLiteral("fonts")), systemFolder()};
    const bool scaled = !qFuzzyCompare(scale, 1.0);
    if (scaled)
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QStringList loaded;
    for (const QString &name : fileNames()) {
        if (scaled && bitmapOnly().contains(name))
            continue;
        for (const QString &folder : folders) {
            const QString path = QDir(folder).filePath(name);
            if (QFileInfo::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) {
                loaded << path;
                break;
            }
        }
    }
    return loaded;
}

ApplicationFonts::Bold ApplicationFonts::bold(const QFont &font)
{
    if (font.weight() < QFont::Bold)
        return Bold::Face;
    const QString family = QFontInfo(font).family();
    if (family == QLatin1String("MS Sans Serif"))
        return Bold::OverstrikeWidened;
    if (family == QLatin1String("Tahoma"))
        return Bold::Overstrike;
    return Bold::Face;
}
