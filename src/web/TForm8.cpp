#include "TForm8.h"

#include "app/Launcher.h"

TForm8::TForm8(Launcher &launcher)
    : Form({"TForm8", "OVCL BUG REPORT", {426, 312}, {453, 173}, Form::toolWindow()}, &launcher.errors(), &launcher.browsers())
{
}
