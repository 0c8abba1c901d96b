#include "StartupChain.h"

#include "StartupSteps.h"
#include "app/TForm1.h"
#include "app/TForm17.h"
#include "platform/controls/HandlerGuard.h"
#include "platform/controls/WindowTimer.h"

StartupChain::StartupChain(TForm1 &mainWindow, TForm17 &progress, ErrorReporter &errors, StartupSteps &steps)
    : m_mainWindow(mainWindow), m_progress(progress), m_errors(errors), m_steps(steps)
{
    const MainWindowTimers &timers = mainWindow.timers();
    mainWindow.onTick(timers.countersStepTimer, [this] { Timer6Timer(); });
    mainWindow.onTick(timers.settingsStepTimer, [this] { Timer4Timer(); });
    mainWindow.onTick(timers.updateStepTimer, [this] { updatertTimer(); });
    mainWindow.onTick(timers.newsStepTimer, [this] { newsTimer(); });
}

void StartupChain::progress(int value)
{
    m_progress.setProgress(value);
}

// Once the main window has closed, no step arms the next one.
void StartupChain::arm(WindowTimer *timer, bool on)
{
    timer->setEnabled(on && !m_mainWindow.hasClosed());
}

// A step goes on whatever fails inside one of its parts: a progress window
// that never closed would leave the launcher unusable. Once the main window
// has closed (the player may end the program from the tray while a part
// waits for a window), the rest of the step does nothing.
void StartupChain::run(void (StartupSteps::*part)())
{
    if (!m_mainWindow.hasClosed())
        runGuarded(&m_errors, [&] { (m_steps.*part)(); });
}

bool StartupChain::ask(bool (StartupSteps::*part)())
{
    bool answer = false;
    if (!m_mainWindow.hasClosed())
        runGuarded(&m_errors, [&] { answer = (m_steps.*part)(); });
    return answer;
}

void StartupChain::Timer6Timer()
{
    const MainWindowTimers &timers = m_mainWindow.timers();
    progress(10);
    arm(timers.countersStepTimer, false);
    run(&StartupSteps::counters);
    arm(timers.settingsStepTimer, true);
    progress(20);
}

void StartupChain::Timer4Timer()
{
    const MainWindowTimers &timers = m_mainWindow.timers();
    arm(timers.settingsStepTimer, false);
    progress(30);
    run(&StartupSteps::languageLoad);
    progress(35);
    run(&StartupSteps::loadFirstPaths);
    progress(40);
    run(&StartupSteps::loadRemainingSettings);
    arm(timers.updateStepTimer, true);
    progress(60);
}

void StartupChain::updatertTimer()
{
    const MainWindowTimers &timers = m_mainWindow.timers();
    progress(63);
    arm(timers.updateStepTimer, false);
    run(&StartupSteps::startPageLoads);
    const bool firstRun = ask(&StartupSteps::readFirstRun);
    progress(73);
    if (firstRun)
        run(&StartupSteps::firstRun);
    run(&StartupSteps::readNotShow);
    progress(80);
    run(&StartupSteps::applyNotShow);
    run(&StartupSteps::fetchVersion);
    progress(90);
    if (ask(&StartupSteps::announceVersion))
        progress(90);
    run(&StartupSteps::fillVersionDialog);
    progress(100);
    m_progress.finish();
    arm(timers.newsStepTimer, true);
}

void StartupChain::newsTimer()
{
    arm(m_mainWindow.timers().newsStepTimer, false);
    run(&StartupSteps::showNews);
}
