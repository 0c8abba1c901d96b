#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class JoinGate;
class LanguageSwitch;
class LiveServerState;
class QAction;
class QMenu;
class SlotWait;
class TrayService;
class WindowChrome;

// The tray as a small server browser: a "Servery / Servers" submenu with
// the fourteen entries in their groups and their players, a click joining
// through the gate; "Přestat čekat / Stop waiting" while a wait runs; and a
// tooltip with the players online over all servers, the busiest servers and
// the wait. Entries of servers that do not answer are greyed.
class TrayServers : public QObject
{
    Q_OBJECT
public:
    // How many of the busiest servers the tooltip names.
    static constexpr int BusiestShown = 3;

    TrayServers(WindowChrome &chrome, TrayService &tray, LiveServerState &live, SlotWait &wait, JoinGate &gate,
                LanguageSwitch &language);

    QMenu &serversMenu() const { return *m_menu; }
    QAction &serverItem(int number) const { return *m_items.at(size_t(number - 1)); }
    QAction &stopWaiting() const { return *m_stop; }
    // Places another entry of the popup menu after the servers, its caption
    // following the language.
    QAction &addEntry(const char *name, const char *czech, const char *english, std::function<void()> click);

    // The tooltip as it stands.
    QString toolTip() const;

private:
    void update();
    bool english() const;

    TrayService &m_tray;
    LiveServerState &m_live;
    SlotWait &m_wait;
    LanguageSwitch &m_language;
    QMenu *m_popup;
    QMenu *m_menu;
    QAction *m_menuAction;
    std::vector<QAction *> m_items;
    std::vector<QAction *> m_sections;
    QAction *m_stop;
    struct Entry {
        QAction *action;
        const char *czech;
        const char *english;
    };
    std::vector<Entry> m_entries;
    QAction *m_before; // the popup's entry the servers' entries stand before
};
