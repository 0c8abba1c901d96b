#pragma once

#include "MainWindowTimers.h"
#include "platform/controls/ControlHost.h"
#include "platform/windows/WindowFrame.h"

#include <QWidget>
#include <functional>

class TForm17;
class TextLabel;
class WindowTimer;

// The main window: a fixed, skinned menu of pictures on black. The
// subsystems build their own controls into it; it keeps the clock, the
// hover-sound latch and the timers, and its closing ends the program.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int clientWidth = 693;
    static constexpr int clientHeight = 615;
    static const WindowFrame frame;

    TForm1(ErrorReporter &errors, BrowserFactory &browsers);
    ~TForm1() override;

    ControlHost &controls() { return m_controls; }
    const MainWindowTimers &timers() const { return m_timers; }
    // Runs 'handler' on every tick of 'timer', guarded.
    void onTick(WindowTimer *timer, std::function<void()> handler);

    // The first showing opens 'progress' modally, behind which the start-up
    // chain runs, then shows this window centred on the desktop, unless it
    // was closed meanwhile.
    void showFirstTime(TForm17 &progress);
    // Whether the first showing has put this window on the screen.
    bool hasAppeared() const { return m_appeared; }
    // Whether it has closed: the program is ending.
    bool hasClosed() const { return m_closed; }
    void setTransparent(bool on);

    // The hover-sound latch, the caption of the hidden Label7.
    QString latch() const;
    void setLatch(const QString &value);
    // "Čas: ", the clock's prefix.
    TextLabel &clockPrefix() const { return *m_clockPrefix; }
    // The clock itself.
    TextLabel &clock() const { return *m_clock; }

    // Handlers.
    void Timer5Timer();
    void Timer1Timer();
    void Exit1Click();

signals:
    // The window closes for good: what goes with the program goes now.
    void closing();
    // It has closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormClose();
    void showTime();

    ErrorReporter &m_errors;
    ControlHost m_controls;
    MainWindowTimers m_timers{};
    TextLabel *m_latch;
    TextLabel *m_clockPrefix;
    TextLabel *m_clock;
    bool m_shown = false;
    bool m_appeared = false;
    bool m_closed = false;
};
