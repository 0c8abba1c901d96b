#pragma once

#include "app/Launcher.h"

#include <QString>

// The Ventrilo and TeamSpeak buttons, and the ban-list and forum buttons.
class VoiceAndLinkButtons : public Subsystem
{
public:
    explicit VoiceAndLinkButtons(Launcher &launcher);

    void Image131Click(); // Ventrilo
    void Image134Click(); // TeamSpeak
    void Image20Click();  // ban list
    void Image27Click();  // forum
    void Image19Click();  // ban list, hover twin
    void Image28Click();  // forum, hover twin

private:
    void startClient(const char *pathSetting);
    void openPage(const QString &url);

    Launcher &m_launcher;
};
