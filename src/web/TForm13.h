#pragma once

#include "platform/Form.h"

class Launcher;

// The update-server error dialog.
class TForm13 : public Form
{
    Q_OBJECT
public:
    explicit TForm13(Launcher &launcher);
};
