#include "TForm11.h"

#include "app/Launcher.h"

TForm11::TForm11(Launcher &launcher)
    : Form({"TForm11", "New version of OVCL avaible!", {273, 207}, {528, 309}, Form::toolWindowWithoutIcons()}, &launcher.errors(), &launcher.browsers())
{
}
