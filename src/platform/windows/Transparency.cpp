#include "Transparency.h"

#include "WindowFrame.h"

#include <QGuiApplication>
#include <QStringList>
#include <QWidget>

void Transparency::add(QWidget *window, const WindowFrame &frame)
{
    m_members.push_back({window, &frame});
}

bool Transparency::blendsWholeWindows(const QString &platform)
{
    return !platform.startsWith(QLatin1String("wayland"));
}

void Transparency::apply(bool on)
{
    const QString platform = m_platform.isEmpty() ? QGuiApplication::platformName() : m_platform;
    const bool blends = blendsWholeWindows(platform);
    QStringList opaque;
    for (const Member &m : m_members) {
        m.frame->setTransparent(m.window, on && blends);
        if (on && !blends)
            opaque << m.window->objectName();
    }
    if (!opaque.isEmpty() && !m_told) {
        m_told = true;
        qInfo("Transparency: on %s windows are not blended by the desktop; %s stay opaque.", qPrintable(platform),
              qPrintable(opaque.join(QLatin1String(", "))));
    }
}
