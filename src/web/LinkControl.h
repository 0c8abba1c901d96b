#pragma once

#include "LinkKinds.h"

class QWidget;

// One clickable control of the web windows or the main window: the control,
// its cue and its action.
struct LinkControl {
    QWidget *control;
    LinkCue cue;
    LinkAction action;
};
