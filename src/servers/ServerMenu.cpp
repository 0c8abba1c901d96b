#include "ServerMenu.h"

#include "LowerCaseValidator.h"
#include "ServerCatalogue.h"
#include "ServerMenuControls.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/TForm5.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/controls/WindowTimer.h"
#include "platform/system/ShellService.h"
#include "platform/windows/WindowGroup.h"

#include <QLineEdit>
#include <limits>

using namespace ServerCatalogue;

ServerMenu::ServerMenu(TForm1 &mainWindow, TForm5 &settings, SoundCues &cues, ShellService &shell,
                       WindowGroup &windows)
    : m_mainWindow(mainWindow), m_settings(settings), m_cues(cues), m_shell(shell), m_windows(windows),
      m_actions(joinActions())
{
    ControlHost &host = mainWindow.controls();
    host.build(gameHeaders());
    // Headers and name labels fit themselves to their captions.
    for (const GameGroup &g : groups()) {
        host.get<TextLabel>(g.headerLabel)->adjustSize();
        m_headerBars.push_back(host.get(g.bar));
    }
    for (const ServerEntry &e : entries())
        buildRow(e);

    for (const JoinAction &action : m_actions)
        host.onClick(host.get(action.carrier), [this, &action] { m_gate ? m_gate(action) : join(action); });
    mainWindow.onTick(mainWindow.timers().minimiseAfterJoinTimer, [this] { Timer3Timer(); });
    mainWindow.onTick(mainWindow.timers().joinEndTimer, [this] { Timer2Timer(); });
}

void ServerMenu::buildRow(const ServerEntry &e)
{
    ControlHost &host = m_mainWindow.controls();
    host.build(std::vector<ControlRow>{::nameLabel(e)});
    auto *label = host.get<TextLabel>(e.nameLabel);
    label->adjustSize();
    m_nameLabels[e.number] = label;
    const PictureButton built = host.build(tile(e));
    m_tiles.push_back(built.picture);
    m_tilePairs.push_back({built.picture, built.twin});
    host.build(joiningControls(e));
    m_joiningPanels[e.number] = host.get(e.joiningPanel);
    if (!e.passwordEdit)
        return;
    auto *edit = host.get<QLineEdit>(e.passwordEdit);
    edit->setValidator(new LowerCaseValidator(edit));
    edit->setEchoMode(QLineEdit::Normal);
    edit->setMaxLength(std::numeric_limits<int>::max());
    m_passwords[e.number] = edit;
    host.describe({{QLatin1String(e.passwordEdit), QStringLiteral("Heslo / Password: ") + QString::fromUtf8(e.caption),
                    QStringLiteral("Heslo, které dostane hra / Password handed to the game")}});
}

// The twins of the three lowest groups are the late ones.
HoverTables::ServerTiles ServerMenu::tiles() const
{
    HoverTables::ServerTiles tiles;
    for (const ServerEntry &e : entries()) {
        const bool late = e.group == Group::AlienVsPredator2 || e.group == Group::UnrealTournament
                          || e.group == Group::UnrealTournament2004;
        (late ? tiles.late : tiles.early).push_back(m_tilePairs.at(e.number - 1));
    }
    tiles.headerBars = m_headerBars;
    return tiles;
}

const JoinAction &ServerMenu::twinAction(int number) const
{
    const char *twin = entry(number).twin;
    for (const JoinAction &action : m_actions) {
        if (action.carrier == twin)
            return action;
    }
    return m_actions.front();
}

void ServerMenu::setTilesEnabled(bool on)
{
    for (QWidget *t : m_tiles)
        t->setEnabled(on);
}

void ServerMenu::join(const JoinAction &action)
{
    const ServerEntry &e = entry(action.entry);
    if (action.cue)
        m_cues.play(action.cue);
    const QString path = m_settings.programPath(e.group);
    const auto password = m_passwords.find(e.number);
    const QString arguments = argumentString(e, password == m_passwords.end() ? QString() : password->second->text());
    const StartFailure failure = m_shell.startProgram(path, arguments, workingDirectory(path));

    m_joiningPanels.at(e.number)->show();
    // A second click during a join keeps the first countdown. A game that
    // did not start leaves the launcher where the player reads why.
    m_mainWindow.timers().joinEndTimer->setEnabled(true);
    if (failure == StartFailure::None)
        m_mainWindow.timers().minimiseAfterJoinTimer->setEnabled(true);
    setTilesEnabled(false);
}

void ServerMenu::Timer3Timer()
{
    minimiseAfterJoin();
}

void ServerMenu::minimiseAfterJoin()
{
    m_mainWindow.timers().minimiseAfterJoinTimer->setEnabled(false);
    m_windows.minimise();
}

void ServerMenu::Timer2Timer()
{
    endJoin();
}

void ServerMenu::endJoin()
{
    m_mainWindow.timers().joinEndTimer->setEnabled(false);
    setTilesEnabled(true);
    for (const auto &[number, panel] : m_joiningPanels)
        panel->hide();
}
