#include "VoiceAndLinkButtons.h"

#include "ServerCatalogue.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/PictureControl.h"
#include "platform/system/ShellService.h"
#include "web/CommunityUrls.h"

namespace {
const PictureButtonRow ventrilo{.name = "Image132", .twin = "Image131", .place = {520, 63, 33, 27},
                                .picture = ":/skin/ventrilo.jpg", .twinPicture = ":/skin/ventrilo_hover.jpg",
                                .hint = "Ventrilo", .description = "Spustí Ventrilo / Starts Ventrilo"};
const PictureButtonRow teamSpeak{.name = "Image134", .twin = "Image135", .place = {491, 65, 27, 24},
                                 .picture = ":/skin/teamspeak.jpg", .twinPicture = ":/skin/teamspeak_hover.jpg",
                                 .hint = "TeamSpeak", .description = "Spustí TeamSpeak / Starts TeamSpeak"};
const PictureButtonRow banList{.name = "Image20", .twin = "Image19", .place = {301, 139, 80, 20},
                               .picture = ":/skin/banlist.jpg", .twinPicture = ":/skin/banlist_hover.jpg",
                               .accessibleName = "Banlist",
                               .description = "Otevře seznam banů v prohlížeči / Opens the ban list in the browser"};
const PictureButtonRow forum{.name = "Image27", .twin = "Image28", .place = {405, 139, 80, 20},
                             .picture = ":/skin/forum.jpg", .twinPicture = ":/skin/forum_hover.jpg",
                             .accessibleName = "Fórum / Forum",
                             .description = "Otevře fórum v prohlížeči / Opens the forum in the browser"};
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
