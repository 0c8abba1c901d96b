#include "TForm13.h"

#include "app/Launcher.h"

TForm13::TForm13(Launcher &launcher)
    : Form({"TForm13", "Chyba / Error", {381, 98}, {554, 312}, Form::toolWindowWithoutIcons()}, &launcher.errors(), &launcher.browsers())
{
}
