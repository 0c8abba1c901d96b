#include "QtSoundService.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

QtSoundService::QtSoundService(const QString &applicationDirectory)
    : m_directory(applicationDirectory)
{
}

QtSoundService::~QtSoundService()
{
    delete m_effect;
}

QString QtSoundService::locate(const QString &name) const
{
    for (const QString &candidate : {m_directory + name, m_directory + QStringLiteral("sounds/") + name}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return QString();
}

void QtSoundService::play(const QString &name, bool asynchronous)
{
    const QString file = locate(name);
    if (file.isEmpty()) {
        QApplication::beep();
        return;
    }
    // One effect at a time: a new cue cuts off the one still playing.
    delete m_effect;
    m_effect = new QSoundEffect;
    m_effect->setSource(QUrl::fromLocalFile(file));
    m_effect->play();
    if (asynchronous)
        return;

    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    auto finishedOrFailed = [this, &wait] {
        if (m_effect->status() == QSoundEffect::Error
            || (m_effect->status() == QSoundEffect::Ready && !m_effect->isPlaying()))
            wait.quit();
    };
    QObject::connect(m_effect, &QSoundEffect::playingChanged, &wait, finishedOrFailed);
    QObject::connect(m_effect, &QSoundEffect::statusChanged, &wait, finishedOrFailed);
    limit.start(5000);
    // The handler waits for the sound; the player cannot click meanwhile.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}
