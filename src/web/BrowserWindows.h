#pragma once

#include "BrowserWindowRow.h"

// The rows of the browser windows, one per window.
namespace BrowserWindows {

// TForm15: shown once per run, at the end of start-up.
const BrowserWindowRow &news();
// TForm6: modeless and sizeable; it closes by its close box.
const BrowserWindowRow &chat();
// TForm8: its page is loaded once, when the window is made.
const BrowserWindowRow &bugReport();
// TForm9: minimise and maximise buttons only, no system menu, so that its
// OK button is the way to close it; it blends with the main window.
const BrowserWindowRow &speedTest();
// TForm10: the speed-test window under another name, never shown.
const BrowserWindowRow &speedTest2();

} // namespace BrowserWindows
