#include "QtBeepService.h"

#include <QApplication>

void QtBeepService::beep()
{
    QApplication::beep();
}
