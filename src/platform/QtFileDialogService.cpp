#include "QtFileDialogService.h"

#include "DialogFilter.h"

#include <QApplication>
#include <QFileDialog>

QString QtFileDialogService::openFile(const QString &title, const QString &initialFile,
                                      const QString &filter)
{
#ifdef Q_OS_WIN
    const bool allFiles = false;
#else
    const bool allFiles = true; // programs here have no ".exe" suffix
#endif
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, initialFile,
                                        DialogFilter::toQt(filter, allFiles));
}
