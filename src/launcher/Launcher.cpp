#include "Launcher.h"

#include "LauncherSteps.h"
#include "StartupChain.h"
#include "app/HoverHighlighting.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "app/TForm16.h"
#include "app/TForm17.h"
#include "app/TForm18.h"
#include "app/TForm2.h"
#include "app/WindowChrome.h"
#include "config/LanguageSwitch.h"
#include "config/LocalFiles.h"
#include "config/SettingsStartup.h"
#include "config/TForm5.h"
#include "games/StartFailureNotice.h"
#include "platform/browser/BrowserFactory.h"
#include "platform/windows/FirstPaint.h"
#include "query/BackgroundCadence.h"
#include "servers/AddressPanels.h"
#include "servers/FriendWatch.h"
#include "servers/FriendsForm.h"
#include "servers/JoinGate.h"
#include "servers/JoinPromptForm.h"
#include "servers/SlotWait.h"
#include "servers/TrayServers.h"
#include "servers/LiveServerState.h"
#include "servers/ServerMenu.h"
#include "servers/ServerWatch.h"
#include "servers/VoiceAndLinkButtons.h"
#include "web/BrowserWindow.h"
#include "web/BrowserWindows.h"
#include "web/CommunityUrls.h"
#include "web/CounterRefresh.h"
#include "web/TForm11.h"
#include "web/TForm12.h"
#include "web/TForm13.h"
#include "web/TForm7.h"
#include "web/UpdateCheck.h"
#include "web/WebLinks.h"

#include <QCheckBox>

static void loadSkin()
{
    // The skin lives in the static gui library; make sure it is linked in.
    Q_INIT_RESOURCE(assets);
}

Launcher::Launcher(Services services, StepsAround around)
    : m_services(std::move(services)),
      m_group(*m_services.windows),
      m_files(std::make_unique<LocalFiles>(*m_services.profiles, m_services.applicationDirectory)),
      m_shell(std::make_unique<StartFailureNotice>(*m_services.shell, *m_services.tray, [this] { return english(); }))
{
    m_files->removeLeftovers();
    loadSkin();
    createWindows();
    buildSubsystems(around);
    connect(m_form1.get(), &TForm1::closed, this, &Launcher::end);
}

Launcher::~Launcher() = default;

bool Launcher::english() const
{
    return m_language && m_language->current() == LanguageSwitch::Language::English;
}

void Launcher::createWindows()
{
    ErrorReporter &errors = *m_services.errors;
    BrowserFactory &browsers = *m_services.browsers;
    m_form1 = std::make_unique<TForm1>(errors, browsers);
    m_form2 = std::make_unique<TForm2>(errors, browsers);
    m_form5 = std::make_unique<TForm5>(errors, browsers, *m_services.fileDialogs, *m_services.sound, *m_files,
                                       m_transparency, *m_form1, *m_services.games);
    m_form6 = std::make_unique<BrowserWindow>(BrowserWindows::chat(), errors, browsers);
    m_form7 = std::make_unique<TForm7>(errors, browsers);
    m_form8 = std::make_unique<BrowserWindow>(BrowserWindows::bugReport(), errors, browsers);
    m_form9 = std::make_unique<BrowserWindow>(BrowserWindows::speedTest(), errors, browsers);
    m_form10 = std::make_unique<BrowserWindow>(BrowserWindows::speedTest2(), errors, browsers);
    m_form11 = std::make_unique<TForm11>(errors, browsers, *m_form1, *m_shell, *m_files,
                                         m_services.applicationDirectory);
    m_form12 = std::make_unique<TForm12>(errors, browsers);
    m_form13 = std::make_unique<TForm13>(errors, browsers);
    m_form15 = std::make_unique<BrowserWindow>(BrowserWindows::news(), errors, browsers);
    m_form16 = std::make_unique<TForm16>(errors, browsers);
    m_form17 = std::make_unique<TForm17>(errors, browsers);
    m_form18 = std::make_unique<TForm18>(errors, browsers);
    m_joinPrompt = std::make_unique<JoinPromptForm>(errors, browsers);
    m_friendsWindow = std::make_unique<FriendsForm>(errors, browsers);
    m_group.addMain(m_form1.get());
    for (Form *window : secondaryWindows())
        m_group.add(window);
    // The main window and the speed-test window blend together.
    m_transparency.add(m_form1.get(), TForm1::frame);
    m_transparency.add(m_form9.get(), m_form9->frame());
}

// Friends may turn up anywhere; watched servers are watched alone.
QVector<int> Launcher::followedServers() const
{
    if (m_friends->friends().isEmpty())
        return m_watch->watchedServers();
    QVector<int> all;
    for (int i = 0; i < m_liveServers->scheduler().serverCount(); ++i)
        all << i;
    return all;
}

std::vector<Form *> Launcher::secondaryWindows() const
{
    return {m_form2.get(),  m_form5.get(),  m_form6.get(),  m_form7.get(),  m_form8.get(),
            m_form9.get(),  m_form10.get(), m_form11.get(), m_form12.get(), m_form13.get(),
            m_form15.get(), m_form16.get(), m_form17.get(), m_form18.get(), m_joinPrompt.get(), m_friendsWindow.get()};
}

// Each subsystem builds its controls into the windows, in this order; then
// the main window stacks its controls by layer. The hover highlighting comes
// last: its tables name controls that the others have built.
void Launcher::buildSubsystems(const StepsAround &around)
{
    Services &s = m_services;
    TForm1 &main = *m_form1;
    m_cues = std::make_unique<SoundCues>(*s.sound, main, *m_form5->soundsSwitch());
    m_chrome = std::make_unique<WindowChrome>(main, *m_cues, *s.tray, m_group, *m_form5, *m_form7);
    m_serverMenu = std::make_unique<ServerMenu>(main, *m_form5, *m_cues, *m_shell, m_group);
    m_webLinks = std::make_unique<WebLinks>(
        main, *m_cues, *m_shell, WebWindows{*m_form6, *m_form7, *m_form8, *m_form9, *m_form10, *m_form15});
    m_addressPanels = std::make_unique<AddressPanels>(main, *m_cues, m_webLinks->statusPage(), *m_serverMenu);
    m_voiceAndLinks = std::make_unique<VoiceAndLinkButtons>(main, *m_form5, *m_cues, *m_shell);
    m_counters = std::make_unique<CounterRefresh>(main, *m_files, *s.downloads, m_webLinks->accessStatistics(),
                                                  m_webLinks->onlineStatistics());
    m_update = std::make_unique<UpdateCheck>(main, *m_cues, *m_files, *s.downloads, *s.beep, *s.tray,
                                             m_chrome->updateTo(), m_webLinks->versionStatistics(),
                                             UpdateWindows{*m_form11, *m_form12, *m_form13, *m_form15});
    m_language = std::make_unique<LanguageSwitch>(
        main, *m_form5, *m_files,
        LanguageTargets{&main.clockPrefix(), &m_webLinks->newsTitle(), &m_counters->statisticsTitle(),
                        &m_counters->accessTitle(), &m_webLinks->newsPage(), &m_webLinks->statusPage()},
        LanguagePages{CommunityUrls::newsCzech(), CommunityUrls::newsEnglish(), CommunityUrls::statusOverview()});
    m_liveServers = std::make_unique<LiveServerState>(main, *s.datagrams, *s.queryClock, *m_serverMenu,
                                                      *m_addressPanels, *m_language);
    const auto inEnglish = [this] { return english(); };
    m_slotWait = std::make_unique<SlotWait>(main, *m_liveServers, *m_serverMenu, *s.tray, inEnglish);
    m_joinGate = std::make_unique<JoinGate>(*m_serverMenu, *m_liveServers, *m_joinPrompt, *m_slotWait, *s.queryClock,
                                            inEnglish);
    m_trayServers = std::make_unique<TrayServers>(*m_chrome, *s.tray, *m_liveServers, *m_slotWait, *m_joinGate,
                                                  *m_language);
    m_friends = std::make_unique<FriendWatch>(main, *m_friendsWindow, *m_files, *m_liveServers, *s.tray, *m_joinGate,
                                              inEnglish);
    m_watch = std::make_unique<ServerWatch>(main, *m_files, *m_liveServers, *s.tray, *m_joinGate, inEnglish);
    m_trayServers->addEntry("Friends1", "Přátelé", "Friends", [this] { m_friends->openWindow(); });
    m_background = std::make_unique<BackgroundCadence>(m_liveServers->scheduler(), [this] { return followedServers(); }, this);
    connect(m_liveServers.get(), &LiveServerState::onScreenChanged, m_background.get(), &BackgroundCadence::setOnScreen);
    connect(m_friends.get(), &FriendWatch::changed, m_background.get(), &BackgroundCadence::reconsider);
    connect(m_watch.get(), &ServerWatch::changed, m_background.get(), &BackgroundCadence::reconsider);
    m_liveServers->setPlayerMark([this](const QString &player) { return m_friends->isFriend(player); });
    // A wait says more than who plays there.
    m_liveServers->setCardNote([this](int number, bool inEnglish) {
        const QString waiting = m_slotWait->cardNote(number, inEnglish);
        return waiting.isEmpty() ? m_friends->cardNote(number, inEnglish) : waiting;
    });
    m_settingsStartup = std::make_unique<SettingsStartup>(*m_form5, *m_files, m_transparency, *s.tray, *m_cues);
    m_hover = std::make_unique<HoverHighlighting>(
        main, *m_cues,
        HoverTables::Parts{&main, m_serverMenu->tiles(), m_chrome->hoverParts(), m_voiceAndLinks->hoverParts(),
                           m_webLinks->hoverParts(), m_counters->frames(), m_update->hoverButton()});
    main.controls().restack();
    connect(&m_group, &WindowGroup::returned, this, [this](QWidget *window) {
        if (window == m_form1.get())
            m_hover->reset();
    });

    m_steps = std::make_unique<LauncherSteps>(*m_counters, *m_language, *m_settingsStartup, *m_update, *m_webLinks);
    if (around)
        m_stepsAround = around(*m_steps);
    m_chain = std::make_unique<StartupChain>(main, *m_form17, *s.errors,
                                             m_stepsAround ? *m_stepsAround : *m_steps);
}

// The progress window is the first thing on screen; once it has been
// painted, the browser engine starts behind it while the start-up chain goes
// on. Pages start loading once the main window is on screen, so that nothing
// waits for them.
void Launcher::start()
{
    BrowserFactory &browsers = *m_services.browsers;
    FirstPaint::after(m_form17.get(), [&browsers] { browsers.startEngine(); });
    m_form1->showFirstTime(*m_form17);
    if (!m_form1->hasClosed())
        FirstPaint::after(m_form1.get(), [this] { m_services.browsers->beginLoading(); });
}

// Hiding a window that runs modally ends its run, so the start-up chain
// returns from whatever it waited for and stops. The main window closes once.
void Launcher::end()
{
    for (Form *window : secondaryWindows())
        window->retire();
    emit finished();
}
