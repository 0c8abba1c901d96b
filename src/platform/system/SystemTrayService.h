#pragma once

#include "TrayService.h"

class QSystemTrayIcon;

class SystemTrayService : public TrayService
{
    Q_OBJECT
public:
    explicit SystemTrayService(QObject *parent = nullptr);

    void setToolTip(const QString &text) override;
    void setContextMenu(QMenu *menu) override;
    void show() override;

protected:
    void showBalloonMarkup(const QString &title, const QString &text) override;

private:
    QSystemTrayIcon *m_icon;
};
