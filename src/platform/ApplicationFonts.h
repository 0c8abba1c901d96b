#pragma once

#include <QString>
#include <QStringList>

// The windows are laid out for Tahoma and MS Sans Serif at 8 pt. Free,
// metric-compatible versions of both (from the Wine project) are loaded as
// application fonts: from the fonts/ folder beside the program when it has
// one, otherwise from where Debian's fonts-wine installs them.
class ApplicationFonts
{
public:
    static QStringList fileNames();
    static QString systemFolder();

    // Loads every font file found; returns the paths loaded.
    static QStringList load(const QString &applicationDirectory);
};
