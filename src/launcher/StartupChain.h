#pragma once

#include <functional>

class ErrorReporter;
class StartupSteps;
class TForm1;
class TForm17;

// The four one-shot start-up steps, run by the main window's timers behind
// the modal progress window. Each step switches its own timer off, sets the
// progress values and arms the next one.
class StartupChain
{
public:
    StartupChain(TForm1 &mainWindow, TForm17 &progress, ErrorReporter &errors, StartupSteps &steps);

    void Timer6Timer();
    void Timer4Timer();
    void updatertTimer();
    void newsTimer();

private:
    void progress(int value);
    void arm(class WindowTimer *timer, bool on);
    void run(void (StartupSteps::*part)());
    bool ask(bool (StartupSteps::*part)());

    TForm1 &m_mainWindow;
    TForm17 &m_progress;
    ErrorReporter &m_errors;
    StartupSteps &m_steps;
};
