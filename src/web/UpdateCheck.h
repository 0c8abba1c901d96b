#pragma once

#include "app/HoverTables.h"

#include <QString>

class BeepService;
class BrowserWindow;
class BrowserControl;
class DownloadService;
class LocalFiles;
class QAction;
class SoundCues;
class TForm1;
class TForm11;
class TForm12;
class TForm13;
class TrayService;
class WindowTimer;

// The dialogs the update check shows, and the news window whose page it starts.
struct UpdateWindows {
    TForm11 &newVersion;
    TForm12 &noUpdate;
    TForm13 &updateError;
    BrowserWindow &news;
};

// The start-up update check, its dialogs and the main window's ways back to
// the new-version dialog: the Update picture and the tray menu's entry.
class UpdateCheck
{
public:
    UpdateCheck(TForm1 &mainWindow, SoundCues &cues, LocalFiles &files, DownloadService &downloads, BeepService &beep,
                TrayService &tray, QAction &updateTo, BrowserControl &versionStatistics, UpdateWindows windows);
    UpdateCheck(const UpdateCheck &) = delete;
    UpdateCheck &operator=(const UpdateCheck &) = delete;

    // The parts of the update step, in the order the step runs them.
    void startPageLoads();
    void readNotShow();
    void applyNotShow();
    void fetchVersion();
    // Whether the web server offers another version, announced now.
    bool announceVersion();
    void fillVersionDialog();

    // Main window handlers.
    void shownewTimer();
    void Image156Click(); // also for Image155
    void Updateto1Click();
    void Button1Click();

    // The Update picture with its twin, for the hover highlighting.
    HoverTables::Pair hoverButton() const { return m_button; }

private:
    void armShownew();
    void openNewVersionOnce(WindowTimer &timer);

    TForm1 &m_mainWindow;
    SoundCues &m_cues;
    LocalFiles &m_files;
    DownloadService &m_downloads;
    BeepService &m_beep;
    TrayService &m_tray;
    QAction &m_updateTo;
    BrowserControl &m_versionStatistics;
    const UpdateWindows m_windows;
    QString m_notshow;
    QString m_version, m_news1, m_news2;
    HoverTables::Pair m_button;
};
