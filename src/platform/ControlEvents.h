#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class ErrorReporter;
class QWidget;

// Routes clicks and pointer movement of a window's controls to handlers
// registered by control name. A disabled control takes neither.
class ControlEvents : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    ControlEvents(ErrorReporter *errors, QObject *parent);

    // Starts watching a control (or the window itself).
    void attach(QWidget *control);

    void onClick(const QString &name, Handler handler);
    void onMove(const QString &name, Handler handler);

    bool hasClick(const QString &name) const { return m_clicks.contains(name); }
    bool hasMove(const QString &name) const { return m_moves.contains(name); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run(const Handler &handler);

    ErrorReporter *m_errors;
    QHash<QString, Handler> m_clicks;
    QHash<QString, Handler> m_moves;
    QPointer<QWidget> m_pressed;
};
