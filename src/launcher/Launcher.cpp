#include "Launcher.h"

#include "SoundCues.h"
#include "TForm1.h"
#include "TForm16.h"
#include "TForm17.h"
#include "TForm18.h"
#include "TForm2.h"
#include "config/LocalFiles.h"
#include "config/TForm5.h"
#include "platform/BrowserFactory.h"
#include "platform/FirstPaint.h"
#include "web/TForm10.h"
#include "web/TForm11.h"
#include "web/TForm12.h"
#include "web/TForm13.h"
#include "web/TForm15.h"
#include "web/TForm6.h"
#include "web/TForm7.h"
#include "web/TForm8.h"
#include "web/TForm9.h"

#include <QApplication>

static void loadSkin()
{
    // The skin lives in the static gui library; make sure it is linked in.
    Q_INIT_RESOURCE(assets);
}

Launcher::Launcher(Services services)
    : m_services(std::move(services)),
      m_files(std::make_unique<LocalFiles>(*m_services.profiles, m_services.applicationDirectory)),
      m_cues(std::make_unique<SoundCues>(*this))
{
    m_files->removeLeftovers();
    loadSkin();
    m_form1 = std::make_unique<TForm1>(*this);
    m_form2 = std::make_unique<TForm2>(*this);
    m_form5 = std::make_unique<TForm5>(*this);
    m_form6 = std::make_unique<TForm6>(*this);
    m_form7 = std::make_unique<TForm7>(*this);
    m_form8 = std::make_unique<TForm8>(*this);
    m_form9 = std::make_unique<TForm9>(*this);
    m_form10 = std::make_unique<TForm10>(*this);
    m_form11 = std::make_unique<TForm11>(*this);
    m_form12 = std::make_unique<TForm12>(*this);
    m_form13 = std::make_unique<TForm13>(*this);
    m_form15 = std::make_unique<TForm15>(*this);
    m_form16 = std::make_unique<TForm16>(*this);
    m_form17 = std::make_unique<TForm17>(*this);
    m_form18 = std::make_unique<TForm18>(*this);
    m_group.add(m_form1.get());
    for (Form *window : secondaryWindows())
        m_group.add(window);
    installSubsystems();
}

Launcher::~Launcher() = default;

std::vector<Form *> Launcher::secondaryWindows() const
{
    return {m_form2.get(),  m_form5.get(),  m_form6.get(),  m_form7.get(),  m_form8.get(),
            m_form9.get(),  m_form10.get(), m_form11.get(), m_form12.get(), m_form13.get(),
            m_form15.get(), m_form16.get(), m_form17.get(), m_form18.get()};
}

// Pages start loading once the main window is on screen: starting the
// browser engine takes a moment that nobody needs to wait for.
void Launcher::start()
{
    m_form1->showFirstTime();
    if (!m_ended)
        FirstPaint::after(m_form1.get(), [this] { browsers().beginLoading(); });
}

// Hiding a window that runs modally ends its run, so the start-up chain
// returns from whatever it waited for and stops.
void Launcher::end()
{
    if (m_ended)
        return;
    m_ended = true;
    for (Form *window : secondaryWindows())
        window->retire();
    emit finished();
}

void Launcher::minimiseApplication()
{
    for (QWidget *window : m_group.windows()) {
        if (window->isVisible() && !window->isMinimized())
            window->showMinimized();
    }
}

void Launcher::restoreApplication()
{
    for (QWidget *window : m_group.windows()) {
        if (window->isVisible() && window->isMinimized())
            window->showNormal();
    }
    if (m_form1->hasAppeared()) {
        m_form1->show();
        m_form1->raise();
        m_form1->activateWindow();
    }
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}
