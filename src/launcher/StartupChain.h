#pragma once

#include <functional>

class Launcher;
class TForm1;

// The four one-shot start-up steps, run behind the modal progress window.
// Each step switches its own timer off, sets the progress values and arms
// the next one; what happens inside a step comes from the start-up hooks.
class StartupChain
{
public:
    StartupChain(Launcher &launcher, TForm1 &form);

    void Timer6Timer();
    void Timer4Timer();
    void updatertTimer();
    void newsTimer();

private:
    void progress(int value);
    void arm(const char *timer, bool on);
    void run(const std::function<void()> &hook);
    bool ask(const std::function<bool()> &hook);

    Launcher &m_launcher;
    TForm1 &m_form;
};
