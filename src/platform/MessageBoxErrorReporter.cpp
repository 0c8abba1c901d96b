#include "MessageBoxErrorReporter.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxErrorReporter::report(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}
