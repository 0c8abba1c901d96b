#include "QtBeepService.h"

#include <QApplication>

void QtBeepService::beep(int)
{
    QApplication::beep();
}
