#include "ServerMenu.h"

#include "JoinActions.h"
#include "LowerCaseValidator.h"
#include "ServerCatalogue.h"
#include "ServerMenuControls.h"
#include "app/SoundCues.h"
#include "app/TForm1.h"
#include "config/LocalFiles.h"
#include "config/TForm5.h"
#include "platform/ShellService.h"
#include "platform/TextLabel.h"
#include "platform/WindowTimer.h"

#include <QLineEdit>
#include <limits>

using namespace ServerCatalogue;

ServerMenu::ServerMenu(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *window = launcher.form1();
    window->controls().build(serverMenuControls());
    // Headers and name labels fit themselves to their captions.
    for (const GameGroup &g : groups())
        window->control<TextLabel>(QLatin1String(g.headerLabel))->adjustSize();
    for (const ServerEntry &e : entries())
        window->control<TextLabel>(QLatin1String(e.nameLabel))->adjustSize();
    preparePasswordEdits();

    ControlEvents &events = window->controls().events();
    for (const JoinAction &action : joinActions()) {
        for (const char *carrier : action.carriers) {
            if (carrier)
                events.onClick(QLatin1String(carrier), [this, &action] { join(action); });
        }
    }
    window->onTimer(QStringLiteral("Timer3"), [this] { Timer3Timer(); });
    window->onTimer(QStringLiteral("Timer2"), [this] { Timer2Timer(); });
}

void ServerMenu::preparePasswordEdits()
{
    for (const ServerEntry &e : entries()) {
        if (!e.passwordEdit)
            continue;
        auto *edit = m_launcher.form1()->control<QLineEdit>(QLatin1String(e.passwordEdit));
        edit->setValidator(new LowerCaseValidator(edit));
        edit->setEchoMode(QLineEdit::Normal);
        edit->setMaxLength(std::numeric_limits<int>::max());
    }
}

QString ServerMenu::executablePath(const GameGroup &group) const
{
    const auto *setting = m_launcher.form5()->control<TextLabel>(QLatin1String(group.pathSetting));
    return setting ? setting->caption() : QString::fromLatin1(LocalFiles::unsetPath);
}

QString ServerMenu::password(const char *editName) const
{
    if (!editName)
        return QString();
    return m_launcher.form1()->control<QLineEdit>(QLatin1String(editName))->text();
}

void ServerMenu::join(const JoinAction &action)
{
    const ServerEntry &e = entry(action.entry);
    if (action.cue)
        m_launcher.cues().play(action.cue);
    const QString path = executablePath(groupOf(e));
    const QString directory = workingDirectory(path);
    const QString arguments = argumentString(e, password(e.passwordEdit));
    m_launcher.shell().startProgram(path, arguments, directory);

    TForm1 *window = m_launcher.form1();
    window->control(QLatin1String(e.joiningPanel))->show();
    // A second click during a join keeps the first countdown.
    window->timer(QStringLiteral("Timer2"))->setEnabled(true);
    window->timer(QStringLiteral("Timer3"))->setEnabled(true);
    setTilesEnabled(false);
}

void ServerMenu::Timer3Timer()
{
    m_launcher.form1()->timer(QStringLiteral("Timer3"))->setEnabled(false);
    m_launcher.minimiseApplication();
}

void ServerMenu::Timer2Timer()
{
    TForm1 *window = m_launcher.form1();
    window->timer(QStringLiteral("Timer2"))->setEnabled(false);
    setTilesEnabled(true);
    for (const ServerEntry &e : entries())
        window->control(QLatin1String(e.joiningPanel))->hide();
}

void ServerMenu::setTilesEnabled(bool on)
{
    for (const ServerEntry &e : entries())
        m_launcher.form1()->control(QLatin1String(e.tile))->setEnabled(on);
}
