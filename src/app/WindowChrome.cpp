#include "WindowChrome.h"

#include "ChromeControls.h"
#include "SoundCues.h"
#include "TForm1.h"
#include "platform/controls/PictureControl.h"
#include "platform/controls/TextLabel.h"
#include "platform/system/TrayService.h"
#include "platform/windows/Form.h"
#include "platform/windows/WindowGroup.h"

#include <QAction>
#include <QMenu>

namespace {
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
        {.name = "Updateto1", .caption = "Update to", .visible = false, .click = nullptr},
        {.name = "About1", .caption = "About", .visible = true, .click = &WindowChrome::About1Click},
        {.name = "Exit1", .caption = "Exit", .visible = true, .click = &WindowChrome::Exit1Click},
    };
    return items;
}
} // namespace

WindowChrome::WindowChrome(TForm1 &mainWindow, SoundCues &cues, TrayService &tray, WindowGroup &windows,
                           Form &settings, Form &about)
    : m_mainWindow(mainWindow), m_cues(cues), m_tray(tray), m_windows(windows), m_settings(settings), m_about(about)
{
    ControlHost &controls = mainWindow.controls();
    controls.build(chromeFrame());
    const PictureButton close = controls.build(ChromeButtons::close);
    const PictureButton minimise = controls.build(ChromeButtons::minimise);
    const PictureButton settingsButton = controls.build(ChromeButtons::settings);
    controls.onClick(close, [this] { Image6Click(); });
    controls.onClick(minimise, [this] { Image4Click(); });
    controls.onClick(settingsButton, [this] { Image13Click(); });
    m_hoverParts = {{close.picture, close.twin},
                    {minimise.picture, minimise.twin},
                    {settingsButton.picture, settingsButton.twin},
                    controls.get("Image29"),
                    {controls.get("Image30"), controls.get("Image153"), controls.get("Image154"), &mainWindow.clock()},
                    {controls.get("Image9"), controls.get("Image5")},
                    controls.get("Image8")};
    buildTray();
}

void WindowChrome::buildTray()
{
    ControlEvents &events = m_mainWindow.controls().events();
    m_popup = new QMenu(&m_mainWindow);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    for (const MenuItem &item : popupItems()) {
        QAction *action = m_popup->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        action->setVisible(item.visible);
        if (item.click == &WindowChrome::About1Click)
            m_aboutItem = action;
        if (item.click)
            m_mainWindow.controls().onClick(action, [this, click = item.click] { (this->*click)(); });
        else
            m_updateTo = action;
    }
    m_tray.setToolTip(QStringLiteral("OV Game Client"));
    m_tray.setContextMenu(m_popup);
    QObject::connect(&m_tray, &TrayService::clicked, &events, [this, &events] { events.run([this] { TrayClick(); }); });
    m_tray.show();
}

void WindowChrome::Image6Click()
{
    m_cues.playAndLatch(Cue::press);
    m_mainWindow.close();
}

void WindowChrome::Image4Click()
{
    m_cues.playAndLatch(Cue::press);
    m_windows.minimise();
}

void WindowChrome::Image13Click()
{
    m_cues.playAndLatch(Cue::press);
    m_settings.showModal();
}

void WindowChrome::About1Click()
{
    m_about.showModal();
}

void WindowChrome::Exit1Click()
{
    m_mainWindow.Exit1Click();
}

// Before its first showing the main window stays where it is; what is
// minimised comes back all the same.
void WindowChrome::TrayClick()
{
    m_windows.restore(m_mainWindow.hasAppeared() ? &m_mainWindow : nullptr);
}
