#pragma once

#include <QString>

class QFontMetrics;

// The part of a text that fits a box: its first lines, each cut where it
// gets too wide. Only the characters that can show are measured and only as
// many lines as the box holds are looked for, so the work depends on the box,
// not on the length of the text. CR LF, CR and LF all end a line.
class TextFit
{
public:
    // The first 'maxLines' lines of 'text' (at least one), each cut to at
    // most 'width' pixels, joined by LF.
    static QString fit(const QString &text, const QFontMetrics &metrics, int width, int maxLines);

private:
    // How much of the line starting at 'from' fits in 'width'.
    static qsizetype fittingLength(const QString &text, qsizetype from, const QFontMetrics &metrics, int width);
};
