#pragma once

#include <QByteArray>
#include <Qt>

// The kinds of control a window is built from.
enum class ControlKind {
    Picture,     // PictureControl; content = picture resource
    Label,       // TextLabel; content = caption
    Panel,       // TextLabel with a centred caption and its own background
    Edit,        // QLineEdit; content = initial text
    StaticText,  // TextLabel with a sunken border; content = caption
    CheckBox,    // QCheckBox; content = caption
    Button,      // QPushButton; content = caption
    ProgressBar, // QProgressBar 0..100
    Memo,        // QPlainTextEdit; content = initial text
    List,        // QListWidget, one line per item; content = none
    Browser,     // BrowserControl shown in the window
    HiddenBrowser // BrowserControl outside the window: only its requests count
};

// One control of a window, declared as data: one row per control.
struct ControlRow {
    const char *name;
    ControlKind kind;
    int left, top, width, height;
    const char *content = nullptr;
    const char *hint = nullptr;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool visible = true;
    int layer = 0;                // stacking: higher layers lie above lower ones
    const char *style = nullptr;  // style sheet of the control
    const char *parent = nullptr; // name of the panel that holds it; null = the window
};

// A text made at run time that a row points to: kept for the whole run.
const char *keptText(const QByteArray &text);
