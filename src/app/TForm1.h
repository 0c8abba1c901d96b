#pragma once

#include "platform/ControlHost.h"

#include <QWidget>
#include <functional>
#include <memory>

class Launcher;
class StartupChain;
class TextLabel;
class WindowTimer;

// The main window: a fixed, skinned menu of pictures on black.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int clientWidth = 693;
    static constexpr int clientHeight = 615;
    static constexpr double transparentAlpha = 220;

    explicit TForm1(Launcher &launcher);
    ~TForm1() override;

    ControlHost &controls() { return m_controls; }
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        return m_controls.control<T>(name);
    }
    WindowTimer *timer(const QString &name) const;
    // Runs 'handler' on every tick of the named timer.
    void onTimer(const QString &name, std::function<void()> handler);

    // The first showing runs the start-up chain behind the progress window,
    // then shows this window centred on the desktop, unless it was closed
    // meanwhile.
    void showFirstTime();
    // Whether the first showing has put this window on the screen.
    bool hasAppeared() const { return m_appeared; }
    void setTransparent(bool on);

    // The hover-sound latch, the caption of the hidden Label7.
    QString latch() const;
    void setLatch(const QString &value);

    // Handlers.
    void FormShow();
    void FormClose();
    void Timer5Timer();
    void Timer1Timer();
    void Exit1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Launcher &m_launcher;
    ControlHost m_controls;
    std::unique_ptr<StartupChain> m_chain;
    bool m_shown = false;
    bool m_appeared = false;
};
