#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs a function once, soon after a window has been painted for the first
// time, or after a second at the latest should it never be painted.
class FirstPaint : public QObject
{
    Q_OBJECT
public:
    static constexpr int latestMs = 1000;

    static void after(QWidget *window, std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FirstPaint(QWidget *window, std::function<void()> then);
    void fire();

    std::function<void()> m_then;
    bool m_done = false;
};
