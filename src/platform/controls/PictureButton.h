#pragma once

#include <QRect>
#include <Qt>

class PictureControl;

// A picture that works as a button, with its hover twin: a second picture
// lying on it, hidden until the pointer lights it up. Both carry the same
// click, hint and accessible texts.
struct PictureButtonRow {
    const char *name;
    const char *twin; // null: the picture has no twin
    QRect place;
    const char *picture;
    const char *twinPicture = nullptr;
    const char *hint = nullptr;
    // What a screen reader says of it; a null name is the hint.
    const char *accessibleName = nullptr;
    const char *description = nullptr;
    Qt::CursorShape cursor = Qt::PointingHandCursor;
    Qt::CursorShape twinCursor = Qt::PointingHandCursor;
    QSize twinSize = {}; // empty: the picture's size
};

// The two built controls of a picture button.
struct PictureButton {
    PictureControl *picture = nullptr;
    PictureControl *twin = nullptr;
};
