#pragma once

#include "platform/system/ShellService.h"

#include <functional>
#include <set>

class TrayService;

// Tells the player, once per run and cause, why a program did not start:
// a tray balloon naming the cause and the remedy, in the language shown.
// Everything else goes on as after any start.
class StartFailureNotice : public ShellService
{
public:
    // 'english': whether the launcher shows English now.
    StartFailureNotice(ShellService &shell, TrayService &tray, std::function<bool()> english);

    StartFailure startProgram(const QString &file, const QString &arguments, const QString &directory) override;
    void openAddress(const QString &url) override;

private:
    ShellService &m_shell;
    TrayService &m_tray;
    std::function<bool()> m_english;
    std::set<StartFailure> m_told;
};
