#pragma once

#include <QObject>

class QWidget;

// Tells when a window is back on the screen after it was away: shown again
// after it was hidden, restored from minimised, or left on the screen by a
// desktop that would not minimise it (the toolkit then believes it
// minimised for a moment and never shows its contents again). It watches the
// window it is made for and is owned by it.
class WindowReturn : public QObject
{
    Q_OBJECT
public:
    explicit WindowReturn(QWidget *window);

signals:
    void returned();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_away = false;
};
