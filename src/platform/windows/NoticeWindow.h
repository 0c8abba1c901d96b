#pragma once

#include "platform/system/NoticeService.h"

#include <QWidget>

class QLabel;
class QPushButton;

// A small window of the launcher's own that shows a notice where the desktop
// has neither a tray nor a notification service. It waits for nobody: the
// launcher goes on answering while it is up, and its "OK" button or its
// close box puts it away. A later notice replaces the one shown.
class NoticeWindow : public QWidget, public NoticeService
{
    Q_OBJECT
public:
    explicit NoticeWindow(QWidget *parent = nullptr);

    bool available() override { return true; }
    void notify(const QString &title, const QString &text) override;

    QString text() const;
    QPushButton &okButton() const { return *m_ok; }

private:
    QLabel *m_text;
    QPushButton *m_ok;
};
