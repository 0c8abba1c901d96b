#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class ErrorReporter;
class QWidget;

// Routes clicks and pointer movement of a window's controls to their
// handlers. Every handler runs guarded: an error that escapes it goes to the
// error dialog. A disabled control takes neither clicks nor movement.
class ControlEvents : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    ControlEvents(ErrorReporter *errors, QObject *parent);

    // Runs 'handler' whenever the pointer moves over 'control'.
    void onMove(QWidget *control, Handler handler);

    // Runs 'handler' as every handler here runs: an escaping error goes to
    // the error dialog.
    void run(const Handler &handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class ControlHost; // clicks are bound through ControlHost::onClick

    // Runs 'handler' on every click of 'control': a push button or check box
    // through its own click signal, so the keyboard presses it too; a menu
    // entry when it is chosen; any other control (the window itself
    // included) when the left button is pressed and released over it.
    void onClick(QObject *control, Handler handler);
    void watch(QWidget *control);

    ErrorReporter *m_errors;
    QHash<const QObject *, Handler> m_clicks;
    QHash<const QObject *, Handler> m_moves;
    QPointer<QWidget> m_pressed;
};
