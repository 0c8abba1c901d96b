#pragma once

#include "TrayService.h"

#include <functional>
#include <memory>

class NoticeService;
class QSystemTrayIcon;

// The notification-area icon. A balloon goes where the desktop shows it:
// from the icon while a tray holds it; without a tray, to the desktop's
// notification service where there is one, and otherwise to a window of the
// launcher's own.
class SystemTrayService : public TrayService
{
    Q_OBJECT
public:
    // 'trayAvailable' tells whether the desktop has a tray now; without it,
    // the toolkit is asked.
    SystemTrayService(std::unique_ptr<NoticeService> notifications, std::unique_ptr<NoticeService> window,
                      std::function<bool()> trayAvailable = {}, QObject *parent = nullptr);
    ~SystemTrayService() override;

    void setToolTip(const QString &text) override;
    void setContextMenu(QMenu *menu) override;
    void show() override;

protected:
    void showBalloonMarkup(const QString &title, const QString &text) override;

private:
    QSystemTrayIcon *m_icon;
    std::unique_ptr<NoticeService> m_notifications;
    std::unique_ptr<NoticeService> m_window;
    std::function<bool()> m_trayAvailable;
};
