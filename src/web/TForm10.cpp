#include "TForm10.h"

TForm10::TForm10(Launcher &launcher) : TForm9(launcher, "TForm10", "Form10") {}
