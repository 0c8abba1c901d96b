#pragma once

#include "Cue.h"

class QAbstractButton;
class SoundService;
class TForm1;

// The one sound-cue rule: a guarded cue plays only while the settings
// window's sounds switch is ticked at the moment of the event; the latch is
// set only when its cue actually played. Once the main window has closed, no
// cue plays: a wait that the ending run cut short (a download, say) must not
// sound like a failure.
class SoundCues
{
public:
    enum class Guard { Guarded, Unguarded };
    enum class Mode { Asynchronous, Synchronous };
    enum class Latch { Keep, Set };

    SoundCues(SoundService &sound, TForm1 &mainWindow, const QAbstractButton &soundsSwitch);

    bool soundsOn() const;

    // Returns whether the cue played.
    bool play(const char *cue, Guard guard = Guard::Guarded, Mode mode = Mode::Asynchronous,
              Latch latch = Latch::Keep);

    // A guarded, asynchronous cue of the main window that silences the next hover cue.
    bool playAndLatch(const char *cue) { return play(cue, Guard::Guarded, Mode::Asynchronous, Latch::Set); }

private:
    SoundService &m_sound;
    TForm1 &m_mainWindow;
    const QAbstractButton &m_soundsSwitch;
};
