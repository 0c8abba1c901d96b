#include "MessageBoxErrorReporter.h"

#include "WindowGroup.h"

#include <QApplication>
#include <QMessageBox>

// The box opens over the group's window that is active, if any: those live
// as long as the program.
void MessageBoxErrorReporter::report(const QString &message)
{
    QWidget *active = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok,
                    m_windows.windows().contains(active) ? active : nullptr);
    box.setWindowModality(Qt::WindowModal);
    m_windows.tie(&box);
    box.exec();
}
