#pragma once

#include "LocalFiles.h"
#include "games/Program.h"

#include <QString>
#include <vector>

// One program-path row of the settings window: a label naming the program,
// the display that holds its path, the "..." button and the row's own
// file-open dialog.
struct PathRow {
    Program program;
    int row;               // 1 to 9, top to bottom
    const char *label;     // caption naming the program
    const char *display;   // the StaticText whose caption is the stored path
    const char *button;    // opens the dialog
    const char *dialog;    // the dialog's name
    const char *filter;    // "description|pattern|description|pattern"
    const char *nativeFilter; // further entries for native builds of the program, or null
    const ProfileKey *key; // where data.dat keeps the path
    int storeOrder;        // 1 to 9: order of the keys when loaded and when saved
    bool early;            // loaded in the first group; also the dialog's initial file then
    const char *labelName; // object names of the label and of its game icon
    const char *iconName;
    const char *icon;      // picture of the icon, or null for a row without one
};

// The nine rows, top to bottom.
const std::vector<PathRow> &pathRows();
// The same rows in the order their keys are read and written.
std::vector<const PathRow *> pathRowsInStoreOrder();
