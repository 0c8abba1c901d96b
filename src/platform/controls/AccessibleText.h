#pragma once

#include <QString>

// What a screen reader says of a control whose look carries its meaning: a
// picture button, a tile, a flag, a switch without a caption.
struct AccessibleText {
    QString control;     // objectName of the control
    QString name;        // short, read first; empty: the control's hint
    QString description; // what a click does
};
