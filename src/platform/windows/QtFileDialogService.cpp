#include "QtFileDialogService.h"

#include "DialogFilter.h"
#include "WindowGroup.h"

#include <QApplication>
#include <QFileDialog>
#include <QUrl>

QString QtFileDialogService::openFile(const QString &title, const QString &initialFile, const QString &filter,
                                      const QStringList &places)
{
#ifdef Q_OS_WIN
    const bool allFiles = false;
#else
    const bool allFiles = true; // native builds here may have no ".exe" suffix
#endif
    QWidget *active = QApplication::activeWindow();
    QFileDialog dialog(m_windows.windows().contains(active) ? active : nullptr, title, initialFile,
                       DialogFilter::toQt(filter, allFiles));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setWindowModality(Qt::WindowModal);
    m_windows.tie(&dialog);
#ifndef Q_OS_WIN
    // Wine keeps its programs under ~/.wine/drive_c: hidden folders must be
    // visible, which only the toolkit's own dialog guarantees.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(dialog.filter() | QDir::Hidden);
#endif
    QList<QUrl> sidebar = dialog.sidebarUrls();
    for (const QString &place : places)
        if (!sidebar.contains(QUrl::fromLocalFile(place)))
            sidebar << QUrl::fromLocalFile(place);
    dialog.setSidebarUrls(sidebar);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
