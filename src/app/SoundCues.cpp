#include "SoundCues.h"

#include "Launcher.h"
#include "TForm1.h"
#include "config/TForm5.h"

#include <QCheckBox>

SoundCues::SoundCues(Launcher &launcher) : m_launcher(launcher) {}

bool SoundCues::soundsOn() const
{
    const TForm5 *settings = m_launcher.form5();
    return settings && settings->soundsSwitch()->isChecked();
}

// Once the main window has closed, no cue plays: a wait that the ending run
// cut short (a download, say) must not sound like a failure.
bool SoundCues::play(const char *cue, Guard guard, Mode mode, Latch latch)
{
    if ((guard == Guard::Guarded && !soundsOn()) || m_launcher.hasEnded())
        return false;
    m_launcher.sound().play(QLatin1String(cue), mode == Mode::Asynchronous);
    if (latch == Latch::Set)
        m_launcher.form1()->setLatch(QStringLiteral("1"));
    return true;
}
