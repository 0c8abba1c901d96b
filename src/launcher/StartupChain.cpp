#include "StartupChain.h"

#include "Launcher.h"
#include "TForm1.h"
#include "TForm17.h"
#include "platform/HandlerGuard.h"
#include "platform/WindowTimer.h"

StartupChain::StartupChain(Launcher &launcher, TForm1 &form) : m_launcher(launcher), m_form(form)
{
    form.onTimer(QStringLiteral("Timer6"), [this] { Timer6Timer(); });
    form.onTimer(QStringLiteral("Timer4"), [this] { Timer4Timer(); });
    form.onTimer(QStringLiteral("updatert"), [this] { updatertTimer(); });
    form.onTimer(QStringLiteral("news"), [this] { newsTimer(); });
}

void StartupChain::progress(int value)
{
    m_launcher.form17()->setProgress(value);
}

// Once the main window has closed, no step arms the next one.
void StartupChain::arm(const char *timer, bool on)
{
    m_form.timer(QLatin1String(timer))->setEnabled(on && !m_launcher.hasEnded());
}

// A step goes on whatever fails inside one of its hooks: a progress window
// that never closed would leave the launcher unusable. Once the main window
// has closed (the player may end the program from the tray while a hook
// waits for a window), the rest of the step does nothing.
void StartupChain::run(const std::function<void()> &hook)
{
    if (hook && !m_launcher.hasEnded())
        runGuarded(&m_launcher.errors(), hook);
}

bool StartupChain::ask(const std::function<bool()> &hook)
{
    bool answer = false;
    if (hook && !m_launcher.hasEnded())
        runGuarded(&m_launcher.errors(), [&] { answer = hook(); });
    return answer;
}

void StartupChain::Timer6Timer()
{
    progress(10);
    arm("Timer6", false);
    run(m_launcher.hooks().counters);
    arm("Timer4", true);
    progress(20);
}

void StartupChain::Timer4Timer()
{
    arm("Timer4", false);
    progress(30);
    run(m_launcher.hooks().languageLoad);
    progress(35);
    run(m_launcher.hooks().loadFirstPaths);
    progress(40);
    run(m_launcher.hooks().loadRemainingSettings);
    arm("updatert", true);
    progress(60);
}

void StartupChain::updatertTimer()
{
    StartupHooks &hooks = m_launcher.hooks();
    progress(63);
    arm("updatert", false);
    run(hooks.startPageLoads);
    const bool firstRun = ask(hooks.readFirstRun);
    progress(73);
    if (firstRun)
        run(hooks.firstRun);
    run(hooks.readNotShow);
    progress(80);
    run(hooks.applyNotShow);
    run(hooks.fetchVersion);
    progress(90);
    if (ask(hooks.announceVersion))
        progress(90);
    run(hooks.fillVersionDialog);
    progress(100);
    m_launcher.form17()->finish();
    arm("news", true);
}

void StartupChain::newsTimer()
{
    arm("news", false);
    run(m_launcher.hooks().showNews);
}
