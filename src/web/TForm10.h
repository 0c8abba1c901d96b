#pragma once

#include "TForm9.h"

// A second speed-test window with the same controls; never shown.
class TForm10 : public TForm9
{
    Q_OBJECT
public:
    TForm10(ErrorReporter &errors, BrowserFactory &browsers);
};
