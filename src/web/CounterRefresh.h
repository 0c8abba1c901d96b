#pragma once

#include "app/HoverTables.h"

#include <QString>

class BrowserControl;
class DownloadService;
class LocalFiles;
class QPlainTextEdit;
class TextLabel;
class TForm1;

// The access and online counters: fetched at start-up and on every tick of
// the counter timer, shown as the server sent them. Every failure is dropped
// and the labels keep what they showed. Their local copies go when the main
// window closes.
class CounterRefresh
{
public:
    CounterRefresh(TForm1 &mainWindow, LocalFiles &files, DownloadService &downloads, BrowserControl &accessStatistics,
                   BrowserControl &onlineStatistics);
    CounterRefresh(const CounterRefresh &) = delete;
    CounterRefresh &operator=(const CounterRefresh &) = delete;

    // "Statistika:" and "Počet přístupů:".
    TextLabel &statisticsTitle() const { return *m_statisticsTitle; } // Label13
    TextLabel &accessTitle() const { return *m_accessTitle; }         // Label50

    // The start-up counter step and the periodic tick.
    void counters();
    void onlinecounterTimer();

    // The frames beside the statistics, for the hover highlighting.
    HoverTables::Widgets frames() const { return m_frames; }

private:
    // One counter: its local copy, the address it comes from, the hidden text
    // box that receives it and the label that shows it.
    struct Counter {
        const char *file;
        QString (*url)();
        QPlainTextEdit *memo;
        TextLabel *label;
    };

    void refresh(const Counter &counter);
    void removeCopies();

    LocalFiles &m_files;
    DownloadService &m_downloads;
    BrowserControl &m_accessStatistics;
    BrowserControl &m_onlineStatistics;
    TextLabel *m_statisticsTitle;
    TextLabel *m_accessTitle;
    Counter m_access;
    Counter m_online;
    bool m_refreshing = false; // a step or tick is waiting for its fetches
    HoverTables::Widgets m_frames;
};
