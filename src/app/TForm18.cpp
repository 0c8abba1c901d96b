#include "TForm18.h"

#include "Launcher.h"

TForm18::TForm18(Launcher &launcher)
    : Form({"TForm18", "Form18", {400, 300}, {-1, -1}, Qt::Dialog}, &launcher.errors(), &launcher.browsers())
{
}
