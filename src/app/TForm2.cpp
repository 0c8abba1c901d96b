#include "TForm2.h"

TForm2::TForm2(ErrorReporter &errors, BrowserFactory &browsers)
    : Form({.name = "TForm2", .caption = "Form2", .client = {400, 300}, .position = {-1, -1}, .flags = Qt::Dialog},
           errors, browsers)
{
}
