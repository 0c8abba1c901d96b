#include "TForm12.h"

#include "app/Launcher.h"

TForm12::TForm12(Launcher &launcher)
    : Form({"TForm12", "OVCL: Aktualizace / Update", {394, 74}, {462, 339}, Form::toolWindow()}, &launcher.errors(), &launcher.browsers())
{
}
