#pragma once

#include "StartupSteps.h"

class CounterRefresh;
class LanguageSwitch;
class SettingsStartup;
class UpdateCheck;
class WebLinks;

// The start-up steps as the subsystems do them.
class LauncherSteps : public StartupSteps
{
public:
    LauncherSteps(CounterRefresh &counters, LanguageSwitch &language, SettingsStartup &settings, UpdateCheck &update,
                  WebLinks &links);

    void counters() override;
    void languageLoad() override;
    void loadFirstPaths() override;
    void loadRemainingSettings() override;
    void startPageLoads() override;
    bool readFirstRun() override;
    void firstRun() override;
    void readNotShow() override;
    void applyNotShow() override;
    void fetchVersion() override;
    bool announceVersion() override;
    void fillVersionDialog() override;
    void showNews() override;

private:
    CounterRefresh &m_counters;
    LanguageSwitch &m_language;
    SettingsStartup &m_settings;
    UpdateCheck &m_update;
    WebLinks &m_links;
};
