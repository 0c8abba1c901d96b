#pragma once

#include <QPoint>
#include <functional>

class QWidget;

// Drives a window as the player's pointer would: the event goes to the
// control under the point, and from there as the toolkit routes it.
namespace Pointer {
// The control that a pointer at 'pos' (window client coordinates) is over.
QWidget *controlAt(QWidget *window, QPoint pos);
void moveTo(QWidget *window, QPoint pos);
void click(QWidget *window, QPoint pos);
// Presses and releases where the pointer already rests, without moving it.
void clickInPlace(QWidget *window, QPoint pos);
// Moves along a straight line in small steps, as a real pointer reports it.
void slide(QWidget *window, QPoint from, QPoint to, int steps = 12);
} // namespace Pointer

// Acts on the next modal window as soon as it is up (a modal run blocks
// the test until the window closes).
namespace Modal {
void whenShown(std::function<void(QWidget *)> action, int timeoutMs = 5000);
}
