#pragma once

#include "LinkKinds.h"
#include "platform/controls/ControlRow.h"
#include "platform/windows/WindowFrame.h"

#include <QString>
#include <vector>

// A button or bar of a browser window and what its click does.
struct BrowserWindowLink {
    const char *control;
    LinkCue cue;
    LinkAction action;
};

// One window that shows a page of the community in its browser control
// "WebBrowser1": its frame (name, caption, size, place, border), its
// controls, what its buttons do and how its page and browser behave.
struct BrowserWindowRow {
    WindowFrame frame;
    std::vector<ControlRow> controls;   // "WebBrowser1" among them
    std::vector<BrowserWindowLink> links;
    QString (*pageAtStart)() = nullptr; // loaded once, when the window is made
    bool browserFillsWindow = false;    // the browser follows the window's size
    bool blendsAtStart = false;         // see-through from the start
};
