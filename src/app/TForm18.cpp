#include "TForm18.h"

TForm18::TForm18(ErrorReporter &errors, BrowserFactory &browsers)
    : Form({.name = "TForm18", .caption = "Form18", .client = {400, 300}, .position = {-1, -1}, .flags = Qt::Dialog},
           errors, browsers)
{
}
