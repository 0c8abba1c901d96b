#include "TForm2.h"

TForm2::TForm2(ErrorReporter &errors, BrowserFactory &browsers)
    : Form({"TForm2", "Form2", {400, 300}, {-1, -1}, Qt::Dialog}, errors, browsers)
{
}
