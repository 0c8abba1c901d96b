#pragma once

#include "Services.h"
#include "StartupSteps.h"
#include "platform/windows/Transparency.h"
#include "platform/windows/WindowGroup.h"

#include <QObject>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class AddressPanels;
class BackgroundCadence;
class CounterRefresh;
class Form;
class FriendWatch;
class FriendsForm;
class HoverHighlighting;
class JoinGate;
class JoinPromptForm;
class ServerWatch;
class SlotWait;
class TrayServers;
class LanguageSwitch;
class LauncherSteps;
class LiveServerState;
class LocalFiles;
class ServerMenu;
class SettingsStartup;
class SoundCues;
class StartFailureNotice;
class StartupChain;
class TForm1;
class TForm2;
class TForm5;
class BrowserWindow;
class TForm7;
class TForm11;
class TForm12;
class TForm13;
class TForm16;
class TForm17;
class TForm18;
class UpdateCheck;
class VoiceAndLinkButtons;
class WebLinks;
class WindowChrome;

// One launcher run: owns the platform services, creates the windows
// in their order, builds every subsystem with what it uses and runs the
// start-up chain.
class Launcher : public QObject
{
    Q_OBJECT
public:
    // What the start-up chain runs, made from the launcher's own steps;
    // empty: the own steps themselves.
    using StepsAround = std::function<std::unique_ptr<StartupSteps>(StartupSteps &own)>;

    explicit Launcher(Services services, StepsAround around = {});
    ~Launcher() override;

    // Shows the main window for the first time; the start-up chain runs
    // while the progress window is up, and this returns once it has closed.
    // The browser engine starts once the progress window is painted; the
    // browser controls begin loading once the main window is painted.
    void start();

    // The main window has closed: every other window leaves the screen, and
    // nothing shows a window or goes on with the start-up chain any more.
    void end();

signals:
    // The main window has closed: the program ends.
    void finished();

private:
    void createWindows();
    void buildSubsystems(const StepsAround &around);
    std::vector<Form *> secondaryWindows() const;
    bool english() const;
    // The servers asked while the launcher is off screen.
    QVector<int> followedServers() const;

    Services m_services;
    WindowGroup &m_group; // the services' own
    Transparency m_transparency;
    std::unique_ptr<LocalFiles> m_files;
    // Every program start goes through it; it tells the player why one failed.
    std::unique_ptr<StartFailureNotice> m_shell;
    // Windows, in the order they are created.
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm5> m_form5;
    std::unique_ptr<BrowserWindow> m_form6;
    std::unique_ptr<TForm7> m_form7;
    std::unique_ptr<BrowserWindow> m_form8;
    std::unique_ptr<BrowserWindow> m_form9;
    std::unique_ptr<BrowserWindow> m_form10;
    std::unique_ptr<TForm11> m_form11;
    std::unique_ptr<TForm12> m_form12;
    std::unique_ptr<TForm13> m_form13;
    std::unique_ptr<BrowserWindow> m_form15;
    std::unique_ptr<TForm16> m_form16;
    std::unique_ptr<TForm17> m_form17;
    std::unique_ptr<TForm18> m_form18;
    std::unique_ptr<JoinPromptForm> m_joinPrompt;
    std::unique_ptr<FriendsForm> m_friendsWindow;
    // Subsystems, in the order they build their controls.
    std::unique_ptr<SoundCues> m_cues;
    std::unique_ptr<WindowChrome> m_chrome;
    std::unique_ptr<ServerMenu> m_serverMenu;
    std::unique_ptr<WebLinks> m_webLinks;
    std::unique_ptr<AddressPanels> m_addressPanels;
    std::unique_ptr<VoiceAndLinkButtons> m_voiceAndLinks;
    std::unique_ptr<CounterRefresh> m_counters;
    std::unique_ptr<UpdateCheck> m_update;
    std::unique_ptr<LanguageSwitch> m_language;
    std::unique_ptr<LiveServerState> m_liveServers;
    std::unique_ptr<SlotWait> m_slotWait;
    std::unique_ptr<JoinGate> m_joinGate;
    std::unique_ptr<TrayServers> m_trayServers;
    std::unique_ptr<FriendWatch> m_friends;
    std::unique_ptr<ServerWatch> m_watch;
    std::unique_ptr<BackgroundCadence> m_background;
    std::unique_ptr<SettingsStartup> m_settingsStartup;
    std::unique_ptr<HoverHighlighting> m_hover;
    std::unique_ptr<LauncherSteps> m_steps;
    std::unique_ptr<StartupSteps> m_stepsAround;
    std::unique_ptr<StartupChain> m_chain;
};
