#pragma once

#include "platform/windows/Form.h"

// The update-server error dialog.
class TForm13 : public Form
{
    Q_OBJECT
public:
    TForm13(ErrorReporter &errors, BrowserFactory &browsers);
};
