#pragma once

#include <QString>

// Plays a sound cue by its bare file name.
class SoundService
{
public:
    virtual ~SoundService() = default;

    // Asynchronous playback returns at once; synchronous playback returns when
    // the sound has finished. A newer cue cuts off the one still playing; a
    // name that cannot be found plays the default sound instead.
    virtual void play(const QString &name, bool asynchronous) = 0;
};
