#pragma once

#include "platform/windows/Form.h"

// A window that exists for the whole run and is never shown.
class TForm16 : public Form
{
    Q_OBJECT
public:
    TForm16(ErrorReporter &errors, BrowserFactory &browsers);
};
