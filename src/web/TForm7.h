#pragma once

#include "platform/Form.h"

class Launcher;

// The About window: product, author and the community's links.
class TForm7 : public Form
{
    Q_OBJECT
public:
    explicit TForm7(Launcher &launcher);

    // Opens the About window modally; the footer credit, the Info button and
    // the tray menu's "About" all come here.
    void open();
};
