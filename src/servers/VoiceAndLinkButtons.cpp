#include "VoiceAndLinkButtons.h"

#include "ServerCatalogue.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/PictureControl.h"
#include "platform/system/ShellService.h"
#include "web/CommunityUrls.h"

namespace {
const PictureButtonRow ventrilo{"Image132", "Image131", {520, 63, 33, 27}, ":/skin/ventrilo.jpg",
                                ":/skin/ventrilo_hover.jpg", "Ventrilo", nullptr, "Spustí Ventrilo / Starts Ventrilo"};
const PictureButtonRow teamSpeak{"Image134", "Image135", {491, 65, 27, 24}, ":/skin/teamspeak.jpg",
                                 ":/skin/teamspeak_hover.jpg", "TeamSpeak", nullptr,
                                 "Spustí TeamSpeak / Starts TeamSpeak"};
const PictureButtonRow banList{"Image20", "Image19", {301, 139, 80, 20}, ":/skin/banlist.jpg",
                               ":/skin/banlist_hover.jpg", nullptr, "Banlist",
                               "Otevře seznam banů v prohlížeči / Opens the ban list in the browser"};
const PictureButtonRow forum{"Image27", "Image28", {405, 139, 80, 20}, ":/skin/forum.jpg", ":/skin/forum_hover.jpg",
                             nullptr, "Fórum / Forum", "Otevře fórum v prohlížeči / Opens the forum in the browser"};
} // namespace

VoiceAndLinkButtons::VoiceAndLinkButtons(TForm1 &mainWindow, TForm5 &settings, SoundCues &cues, ShellService &shell)
    : m_settings(settings), m_cues(cues), m_shell(shell)
{
    ControlHost &host = mainWindow.controls();
    // One action serves both pictures of a voice-chat pair.
    const PictureButton voice = host.build(ventrilo);
    const PictureButton speak = host.build(teamSpeak);
    host.onClick(voice, [this] { Image131Click(); });
    host.onClick(speak, [this] { Image134Click(); });
    // The twins of the link buttons sound before they open the page.
    const PictureButton bans = host.build(banList);
    const PictureButton board = host.build(forum);
    m_hoverParts = {{bans.picture, bans.twin}, {board.picture, board.twin}, {voice.picture, voice.twin},
                    {speak.picture, speak.twin}};
    host.onClick(bans.picture, [this] { Image20Click(); });
    host.onClick(board.picture, [this] { Image27Click(); });
    host.onClick(bans.twin, [this] { Image19Click(); });
    host.onClick(board.twin, [this] { Image28Click(); });
}

void VoiceAndLinkButtons::startClient(Program program)
{
    m_cues.playAndLatch(Cue::press);
    const QString path = m_settings.programPath(program);
    m_shell.startProgram(path, QString(), ServerCatalogue::workingDirectory(path));
}

void VoiceAndLinkButtons::openPage(const QString &url)
{
    m_shell.openAddress(url);
}

void VoiceAndLinkButtons::Image131Click()
{
    startClient(Program::Ventrilo);
}

void VoiceAndLinkButtons::Image134Click()
{
    startClient(Program::TeamSpeak);
}

void VoiceAndLinkButtons::Image20Click()
{
    openPage(CommunityUrls::banList());
}

void VoiceAndLinkButtons::Image27Click()
{
    openPage(CommunityUrls::forumHome());
}

void VoiceAndLinkButtons::Image19Click()
{
    m_cues.playAndLatch(Cue::press);
    Image20Click();
}

void VoiceAndLinkButtons::Image28Click()
{
    m_cues.playAndLatch(Cue::press);
    Image27Click();
}
