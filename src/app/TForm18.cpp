#include "TForm18.h"

TForm18::TForm18(ErrorReporter &errors, BrowserFactory &browsers)
    : Form({"TForm18", "Form18", {400, 300}, {-1, -1}, Qt::Dialog}, errors, browsers)
{
}
