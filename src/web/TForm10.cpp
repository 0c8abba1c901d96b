#include "TForm10.h"

TForm10::TForm10(ErrorReporter &errors, BrowserFactory &browsers)
    : TForm9(speedTestFrame("TForm10", "Form10"), errors, browsers)
{
}
