#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// The windows are laid out for Tahoma and MS Sans Serif at 8 pt. Free,
// metric-compatible versions of both (from the Wine project) are loaded as
// application fonts: from the fonts/ folder beside the program when it has
// one, otherwise from where Debian's fonts-wine installs them.
class ApplicationFonts
{
public:
    // How bold text is drawn in a font. Neither loaded face has bold strokes
    // of its own: MS Sans Serif has no bold face at all, and Tahoma's bold
    // face has the bold widths but regular strokes. Bold is then drawn as
    // the platform these windows were made for simulates it: the text once
    // more, one pixel to the right, each character one pixel wider where
    // the face has no bold widths.
    enum class Bold { Face, Overstrike, OverstrikeWidened };
    static Bold bold(const QFont &font);

    static QStringList fileNames();
    static QString systemFolder();

    // Loads every font file found; returns the paths loaded. MS Sans Serif
    // comes as pictures of its letters in three pixel sizes, which the
    // toolkit cannot scale: at a 'scale' other than 1 (a scaled screen) it
    // is left out and its texts are drawn in Tahoma, which scales with the
    // pictures.
    static QStringList load(const QString &applicationDirectory, qreal scale = 1.0);
    // The font files that hold only pictures of letters.
    static QStringList bitmapOnly();
};
