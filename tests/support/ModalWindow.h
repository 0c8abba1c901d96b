#pragma once

#include <functional>

class QWidget;

// Acts on one particular window as soon as it runs modally (other modal
// windows, such as the start-up progress window, may be up before it).
namespace ModalWindow {
// 'action' runs once, inside the window's modal run; nothing runs when the
// window does not come up within the timeout.
void whenUp(QWidget *window, std::function<void()> action, int timeoutMs = 5000);
}
