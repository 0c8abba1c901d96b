#pragma once

#include "app/HoverTables.h"

#include "games/Program.h"

#include <QString>

class ShellService;
class SoundCues;
class TForm1;
class TForm5;

// The Ventrilo and TeamSpeak buttons, and the ban-list and forum buttons.
class VoiceAndLinkButtons
{
public:
    VoiceAndLinkButtons(TForm1 &mainWindow, TForm5 &settings, SoundCues &cues, ShellService &shell);

    void Image131Click(); // Ventrilo
    void Image134Click(); // TeamSpeak
    void Image20Click();  // ban list
    void Image27Click();  // forum
    void Image19Click();  // ban list, hover twin
    void Image28Click();  // forum, hover twin

    // Its four buttons with their twins, for the hover highlighting.
    const HoverTables::VoiceAndLinkParts &hoverParts() const { return m_hoverParts; }

private:
    void startClient(Program program);
    void openPage(const QString &url);

    TForm5 &m_settings;
    SoundCues &m_cues;
    ShellService &m_shell;
    HoverTables::VoiceAndLinkParts m_hoverParts;
};
