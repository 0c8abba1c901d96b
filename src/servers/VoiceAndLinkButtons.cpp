#include "VoiceAndLinkButtons.h"

#include "ServerCatalogue.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "config/TForm5.h"
#include "platform/ControlRow.h"
#include "platform/ShellService.h"
#include "platform/TextLabel.h"
#include "web/CommunityUrls.h"

#include <vector>

namespace {
const std::vector<ControlRow> &buttonControls()
{
    constexpr auto hand = Qt::PointingHandCursor;
    static const std::vector<ControlRow> rows = {
        {"Image132", ControlKind::Picture, 520, 63, 33, 27, ":/skin/ventrilo.jpg", "Ventrilo", hand, true, 1},
        {"Image131", ControlKind::Picture, 520, 63, 33, 27, ":/skin/ventrilo_hover.jpg", "Ventrilo", hand, false, 2},
        {"Image134", ControlKind::Picture, 491, 65, 27, 24, ":/skin/teamspeak.jpg", "TeamSpeak", hand, true, 1},
        {"Image135", ControlKind::Picture, 491, 65, 27, 24, ":/skin/teamspeak_hover.jpg", "TeamSpeak", hand, false,
         2},
        {"Image20", ControlKind::Picture, 301, 139, 80, 20, ":/skin/banlist.jpg", nullptr, hand, true, 1},
        {"Image19", ControlKind::Picture, 301, 139, 80, 20, ":/skin/banlist_hover.jpg", nullptr, hand, false, 2},
        {"Image27", ControlKind::Picture, 405, 139, 80, 20, ":/skin/forum.jpg", nullptr, hand, true, 1},
        {"Image28", ControlKind::Picture, 405, 139, 80, 20, ":/skin/forum_hover.jpg", nullptr, hand, false, 2},
    };
    return rows;
}
} // namespace

VoiceAndLinkButtons::VoiceAndLinkButtons(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *window = launcher.form1();
    window->controls().build(buttonControls());
    ControlEvents &events = window->controls().events();
    // One action serves both pictures of a voice-chat pair.
    for (const char *name : {"Image132", "Image131"})
        events.onClick(QLatin1String(name), [this] { Image131Click(); });
    for (const char *name : {"Image134", "Image135"})
        events.onClick(QLatin1String(name), [this] { Image134Click(); });
    events.onClick(QStringLiteral("Image20"), [this] { Image20Click(); });
    events.onClick(QStringLiteral("Image27"), [this] { Image27Click(); });
    events.onClick(QStringLiteral("Image19"), [this] { Image19Click(); });
    events.onClick(QStringLiteral("Image28"), [this] { Image28Click(); });
}

void VoiceAndLinkButtons::startClient(const char *pathSetting)
{
    m_launcher.cues().playAndLatch(Cue::press);
    const auto *setting = m_launcher.form5()->control<TextLabel>(QLatin1String(pathSetting));
    const QString path = setting ? setting->caption() : QString::fromLatin1(LocalFiles::unsetPath);
    m_launcher.shell().startProgram(path, QString(), ServerCatalogue::workingDirectory(path));
}

void VoiceAndLinkButtons::openPage(const QString &url)
{
    m_launcher.shell().openAddress(url);
}

void VoiceAndLinkButtons::Image131Click()
{
    startClient("StaticText6");
}

void VoiceAndLinkButtons::Image134Click()
{
    startClient("StaticText9");
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
    m_launcher.cues().playAndLatch(Cue::press);
    Image20Click();
}

void VoiceAndLinkButtons::Image28Click()
{
    m_launcher.cues().playAndLatch(Cue::press);
    Image27Click();
}
