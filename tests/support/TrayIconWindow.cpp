#include "TrayIconWindow.h"

#include "RecordingTray.h"

#include <QMenu>
#include <QMouseEvent>
#include <QTest>

TrayIconWindow::TrayIconWindow(RecordingTray &tray)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_tray(tray)
{
    setObjectName(QStringLiteral("tray icon"));
    setGeometry(1000, 0, 22, 22);
    show();
}

void TrayIconWindow::leftClick()
{
    QTest::mouseClick(windowHandle(), Qt::LeftButton, {}, QPoint(11, 11));
}

void TrayIconWindow::rightClick()
{
    QTest::mouseClick(windowHandle(), Qt::RightButton, {}, QPoint(11, 11));
}

void TrayIconWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_tray.click();
    else if (event->button() == Qt::RightButton && m_tray.menu)
        m_tray.menu->popup(event->globalPosition().toPoint());
}
