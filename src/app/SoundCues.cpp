#include "SoundCues.h"

#include "TForm1.h"
#include "platform/system/SoundService.h"

#include <QAbstractButton>

SoundCues::SoundCues(SoundService &sound, TForm1 &mainWindow, const QAbstractButton &soundsSwitch)
    : m_sound(sound), m_mainWindow(mainWindow), m_soundsSwitch(soundsSwitch)
{
}

bool SoundCues::soundsOn() const
{
    return m_soundsSwitch.isChecked();
}

bool SoundCues::play(const char *cue, Guard guard, Mode mode, Latch latch)
{
    if ((guard == Guard::Guarded && !soundsOn()) || m_mainWindow.hasClosed())
        return false;
    m_sound.play(QLatin1String(cue), mode == Mode::Asynchronous);
    if (latch == Latch::Set)
        m_mainWindow.setLatch(QStringLiteral("1"));
    return true;
}
