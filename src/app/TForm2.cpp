#include "TForm2.h"

#include "Launcher.h"

TForm2::TForm2(Launcher &launcher)
    : Form({"TForm2", "Form2", {400, 300}, {-1, -1}, Qt::Dialog}, &launcher.errors(), &launcher.browsers())
{
}
