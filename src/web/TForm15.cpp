#include "TForm15.h"

#include "app/Launcher.h"

TForm15::TForm15(Launcher &launcher)
    : Form({"TForm15", "Orvanta - Novinky / News", {512, 309}, {119, 176}, Form::toolWindow()}, &launcher.errors(), &launcher.browsers())
{
}
