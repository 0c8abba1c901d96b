#pragma once

#include "app/Launcher.h"

#include <QString>

// The start-up update check and its dialogs.
class UpdateCheck : public Subsystem
{
public:
    explicit UpdateCheck(Launcher &launcher);

    // The player's "notshow" choice as the check read it; empty before.
    QString keptNotShow() const { return m_notshow; }

    // Parts of the update step.
    void startPageLoads();
    void readNotShow();
    void applyNotShow();
    void fetchVersion();
    bool announceVersion();
    void fillVersionDialog();

    // Main window handlers.
    void shownewTimer();
    void Image156Click();
    void Updateto1Click();
    void Button1Click();

private:
    void armShownew();

    Launcher &m_launcher;
    QString m_notshow;
    QString m_version, m_news1, m_news2;
};
