#include "TForm6.h"

#include "app/Launcher.h"

TForm6::TForm6(Launcher &launcher)
    : Form({"TForm6", "Chat - v testování", {623, 431}, {411, 216}, Qt::Window}, &launcher.errors(), &launcher.browsers())
{
}
