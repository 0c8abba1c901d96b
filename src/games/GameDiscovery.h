#pragma once

#include "FoundPrograms.h"

#include <QString>
#include <atomic>
#include <chrono>

// Finds the nine programs under a home folder: first in the native Steam's
// libraries (by app), then in every Wine prefix: the libraries of a Windows
// Steam in it, the install folders its registry names (on drive C or any
// other drive letter) and a walk through its program folders. Each find
// names the prefix it was found through. Runs to its end, its time bound or
// its cancellation, whichever comes first; every reader asks the bound as it
// goes, so it ends within milliseconds of either.
class GameDiscovery
{
public:
    explicit GameDiscovery(QString home, std::chrono::milliseconds bound = std::chrono::seconds(2));

    FoundPrograms run(const std::atomic<bool> &cancelled);

private:
    QString m_home;
    std::chrono::milliseconds m_bound;
};
