#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <Qt>

class QWidget;

// What every window states once: its name, caption, frame, size, place,
// colours, font and how see-through it gets.
struct WindowFrame {
    const char *name;
    const char *caption;
    QSize client;
    QPoint position;        // designed screen position; (-1, -1) centres it
    Qt::WindowFlags flags;
    bool fixedSize = false; // the player cannot resize it
    QColor background = {}; // invalid: the style's own
    QColor text = {};       // invalid: the style's own
    const char *font = "MS Sans Serif"; // at 8 points
    int alpha = 255;        // alpha blending level while transparency is on

    // Gives 'window' all of the above.
    void applyTo(QWidget *window) const;
    // Blends 'window' at this frame's level, or makes it opaque.
    void setTransparent(QWidget *window, bool on) const;
};
