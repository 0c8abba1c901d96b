#include "WindowChrome.h"

#include "ChromeControls.h"
#include "SoundCues.h"
#include "TForm1.h"
#include "config/TForm5.h"
#include "platform/HandlerGuard.h"
#include "platform/TrayService.h"
#include "web/TForm7.h"

#include <QAction>
#include <QMenu>

namespace {
// A picture button of the chrome: the normal picture and its hover twin
// carry the same click handler.
struct ChromeButton {
    const char *normal;
    const char *twin;
    void (WindowChrome::*click)();
};

const std::vector<ChromeButton> &chromeButtons()
{
    static const std::vector<ChromeButton> buttons = {
        {"Image6", "closeact", &WindowChrome::Image6Click},
        {"Image4", "Image130", &WindowChrome::Image4Click},
        {"Image13", "Image21", &WindowChrome::Image13Click},
    };
    return buttons;
}

// The tray's popup menu, top to bottom.
struct MenuItem {
    const char *name;
    const char *caption;
    bool visible;
    void (WindowChrome::*click)();
};

const std::vector<MenuItem> &popupItems()
{
    // "Update to" is revealed and answered by the update check.
    static const std::vector<MenuItem> items = {
        {"Updateto1", "Update to", false, nullptr},
        {"About1", "About", true, &WindowChrome::About1Click},
        {"Exit1", "Exit", true, &WindowChrome::Exit1Click},
    };
    return items;
}
} // namespace

WindowChrome::WindowChrome(Launcher &launcher) : m_launcher(launcher)
{
    TForm1 *main = launcher.form1();
    main->controls().build(chromeControls());
    ControlEvents &events = main->controls().events();
    for (const ChromeButton &button : chromeButtons())
        for (const char *name : {button.normal, button.twin})
            events.onClick(QLatin1String(name), [this, click = button.click] { (this->*click)(); });
    buildTray();
}

void WindowChrome::buildTray()
{
    TForm1 *main = m_launcher.form1();
    m_popup = new QMenu(main);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    for (const MenuItem &item : popupItems()) {
        QAction *action = m_popup->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setVisible(item.visible);
        if (item.click)
            QObject::connect(action, &QAction::triggered, main, [this, click = item.click] {
                runGuarded(&m_launcher.errors(), [this, click] { (this->*click)(); });
            });
    }

    TrayService &tray = m_launcher.tray();
    tray.setToolTip(QStringLiteral("OV Game Client"));
    tray.setContextMenu(m_popup);
    QObject::connect(&tray, &TrayService::clicked, main,
                     [this] { runGuarded(&m_launcher.errors(), [this] { TrayClick(); }); });
    tray.show();
}

void WindowChrome::Image6Click()
{
    m_launcher.cues().playAndLatch(Cue::press);
    m_launcher.form1()->close();
}

void WindowChrome::Image4Click()
{
    m_launcher.cues().playAndLatch(Cue::press);
    m_launcher.minimiseApplication();
}

void WindowChrome::Image13Click()
{
    m_launcher.cues().playAndLatch(Cue::press);
    m_launcher.form5()->showModalSettings();
}

void WindowChrome::About1Click()
{
    m_launcher.form7()->showModal();
}

void WindowChrome::Exit1Click()
{
    m_launcher.form1()->Exit1Click();
}

void WindowChrome::TrayClick()
{
    m_launcher.restoreApplication();
}
