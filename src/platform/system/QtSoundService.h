#pragma once

#include "SoundService.h"

#include <QString>

class QSoundEffect;

// Plays .wav cues found by bare name in the application directory, then in
// its sounds/ folder. A name found in neither plays the default beep.
class QtSoundService : public SoundService
{
public:
    explicit QtSoundService(const QString &applicationDirectory);
    ~QtSoundService() override;

    void play(const QString &name, bool asynchronous) override;

    // The file a cue name stands for, or an empty string.
    QString locate(const QString &name) const;

private:
    QString m_directory;
    QSoundEffect *m_effect = nullptr;
};
