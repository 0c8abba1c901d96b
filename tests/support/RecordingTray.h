#pragma once

#include "EventLog.h"
#include "platform/system/TrayService.h"

#include <QPair>
#include <QVector>

class RecordingTray : public TrayService
{
    Q_OBJECT
public:
    explicit RecordingTray(EventLog *log = nullptr) : m_log(log) {}
    void setToolTip(const QString &text) override { toolTip = text; }
    void setContextMenu(QMenu *m) override { menu = m; }
    void show() override { shown = true; }
    void showBalloonMarkup(const QString &title, const QString &text) override
    {
        balloons.push_back({title, text});
        if (m_log)
            m_log->add(QStringLiteral("balloon %1").arg(title));
    }
    // The player clicks the icon.
    void click() { emit clicked(); }
    // The player clicks the balloon shown last.
    void clickBalloon() { emit balloonClicked(); }

    QString toolTip;
    QMenu *menu = nullptr;
    bool shown = false;
    // Title and text of every balloon as they reached the service.
    QVector<QPair<QString, QString>> balloons;

private:
    EventLog *m_log;
};
