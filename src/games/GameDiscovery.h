#pragma once

#include "FoundPrograms.h"

#include <QString>
#include <atomic>
#include <chrono>

// Finds the nine programs under a home folder: first in Steam's libraries
// (by app), then in every Wine prefix through the install folders its
// registry names, then by a bounded search of the prefix's program folders.
// Runs to its end or its time bound, whichever comes first.
class GameDiscovery
{
public:
    explicit GameDiscovery(QString home, std::chrono::milliseconds bound = std::chrono::seconds(2));

    FoundPrograms run(const std::atomic<bool> &cancelled);

private:
    QString m_home;
    std::chrono::milliseconds m_bound;
};
