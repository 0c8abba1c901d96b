#include "ModalWindow.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace ModalWindow {

void whenUp(QWidget *window, std::function<void()> action, int timeoutMs)
{
    auto *poll = new QTimer;
    auto left = std::make_shared<int>(timeoutMs / 5);
    QPointer<QWidget> target(window);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action, left, target] {
        const bool up = target && target->isVisible() && QApplication::activeModalWidget() == target;
        if (up || --*left <= 0 || !target) {
            poll->stop();
            poll->deleteLater();
            if (up)
                action();
        }
    });
    poll->start(5);
}

} // namespace ModalWindow
