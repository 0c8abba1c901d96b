#include "Pointer.h"
#include "platform/windows/DialogFilter.h"
#include "platform/windows/QtFileDialogService.h"
#include "platform/windows/WindowGroup.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>

class FileDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void hiddenFoldersShowAndTheFiltersStay();
};

static QStringList listed(QAbstractItemView *view)
{
    QStringList names;
    const QModelIndex folder = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(folder); ++row)
        names << view->model()->index(row, 0, folder).data().toString();
    return names;
}

void FileDialogTest::hiddenFoldersShowAndTheFiltersStay()
{
#ifdef Q_OS_WIN
    QSKIP("the system's own dialog shows what the system shows");
#endif
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral(".wine/drive_c/Games/hl.exe"));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral(".wine/drive_c/Games")));
    QVERIFY(QFile(game).open(QIODevice::WriteOnly));
    const QString filter = QStringLiteral("UT (UT2004.exe)|UT2004.exe|UT2004  executable (*.exe)|*.exe");

    QStringList filters;
    QStringList names;
    Qt::WindowModality modality = Qt::ApplicationModal;
    Modal::whenShown([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog)
            return;
        filters = dialog->nameFilters();
        modality = dialog->windowModality();
        auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        if (!view || !name || !buttons
            || !QTest::qWaitFor([&] { return (names = listed(view)).contains(QLatin1String(".wine")); }, 2000)) {
            dialog->reject();
            return;
        }
        name->setText(QStringLiteral(".wine/drive_c/Games/hl.exe"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Open), Qt::LeftButton);
    });
    WindowGroup group;
    QtFileDialogService dialogs(group);
    const QString chosen = dialogs.openFile(QStringLiteral("UT2004"), dir.filePath(QStringLiteral("cesta")), filter);

    // The toolkit shows each entry with its blanks simplified.
    QCOMPARE(filters, DialogFilter::toQt(filter, true).simplified().split(QLatin1String(";;")));
    QVERIFY2(names.contains(QLatin1String(".wine")), qPrintable(names.join(QLatin1Char(','))));
    QCOMPARE(chosen, game);
    // Modal to the launcher's windows only: the tray keeps answering.
    QCOMPARE(modality, Qt::WindowModal);
}

QTEST_MAIN(FileDialogTest)
#include "tst_filedialog.moc"
