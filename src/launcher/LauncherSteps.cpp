#include "LauncherSteps.h"

#include "config/LanguageSwitch.h"
#include "config/SettingsStartup.h"
#include "web/CounterRefresh.h"
#include "web/UpdateCheck.h"
#include "web/WebLinks.h"

LauncherSteps::LauncherSteps(CounterRefresh &counters, LanguageSwitch &language, SettingsStartup &settings,
                             UpdateCheck &update, WebLinks &links)
    : m_counters(counters), m_language(language), m_settings(settings), m_update(update), m_links(links)
{
}

void LauncherSteps::counters()
{
    m_counters.counters();
}

void LauncherSteps::languageLoad()
{
    m_language.languageLoad();
}

void LauncherSteps::loadFirstPaths()
{
    m_settings.loadPaths(true);
}

void LauncherSteps::loadRemainingSettings()
{
    m_settings.loadPaths(false);
    m_settings.loadSwitches();
}

void LauncherSteps::startPageLoads()
{
    m_update.startPageLoads();
}

bool LauncherSteps::readFirstRun()
{
    return m_settings.readFirstRun();
}

void LauncherSteps::firstRun()
{
    m_settings.firstRun();
}

void LauncherSteps::readNotShow()
{
    m_update.readNotShow();
}

void LauncherSteps::applyNotShow()
{
    m_update.applyNotShow();
}

void LauncherSteps::fetchVersion()
{
    m_update.fetchVersion();
}

bool LauncherSteps::announceVersion()
{
    return m_update.announceVersion();
}

void LauncherSteps::fillVersionDialog()
{
    m_update.fillVersionDialog();
}

void LauncherSteps::showNews()
{
    m_links.showNews();
}
