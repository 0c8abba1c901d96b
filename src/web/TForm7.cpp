#include "TForm7.h"

#include "app/Launcher.h"

TForm7::TForm7(Launcher &launcher)
    : Form({"TForm7", "About OV Game Client", {400, 300}, {-1, -1}, Form::toolWindow()}, &launcher.errors(), &launcher.browsers())
{
}
