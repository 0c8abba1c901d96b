#pragma once

#include <map>

class BrowserControl;
class QWidget;
class ServerMenu;
class SoundCues;
class TForm1;
namespace ServerCatalogue {
struct ServerEntry;
}

// The address panels of the server rows and the status page label.
class AddressPanels
{
public:
    AddressPanels(TForm1 &mainWindow, SoundCues &cues, BrowserControl &statusPage, const ServerMenu &menu);

    // Entry 'number''s address panel.
    QWidget *panel(int number) const { return m_panels.at(number).first; }

private:
    // Toggle click: opens the entry's panel.
    void open(const ServerCatalogue::ServerEntry &entry);
    // Open-state twin or close picture click: closes it.
    void close(const ServerCatalogue::ServerEntry &entry);
    // A click on the name of an entry that sets nameShowsStatusPage: its
    // own status page in the status browser.
    void showStatusPage(const ServerCatalogue::ServerEntry &entry);
    void setOpen(const ServerCatalogue::ServerEntry &entry, bool open);

    SoundCues &m_cues;
    BrowserControl &m_statusPage;
    // By entry number: the panel and the toggle's open-state twin.
    std::map<int, std::pair<QWidget *, QWidget *>> m_panels;
};
