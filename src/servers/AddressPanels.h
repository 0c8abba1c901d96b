#pragma once

#include "app/Launcher.h"

namespace ServerCatalogue {
struct ServerEntry;
}

// The address panels of the server rows and the status page label.
class AddressPanels : public Subsystem
{
public:
    explicit AddressPanels(Launcher &launcher);

    // Toggle click: opens the entry's panel.
    void open(const ServerCatalogue::ServerEntry &entry);
    // Open-state twin or close picture click: closes it.
    void close(const ServerCatalogue::ServerEntry &entry);
    // Opens the status page of entry 11 in the status browser.
    void Label31Click();

private:
    void setOpen(const ServerCatalogue::ServerEntry &entry, bool open);

    Launcher &m_launcher;
};
