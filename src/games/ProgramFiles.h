#pragma once

#include "Program.h"
#include "WineRegistry.h"

#include <vector>

// How each of the nine programs shows on disk: its file names (preferred
// first; matched without regard to case), the Steam apps that install it,
// and the registry values its Windows installer writes.
struct ProgramFiles {
    Program program;
    std::vector<const char *> fileNames;
    std::vector<int> steamApps;
    std::vector<WineRegistry::Value> registry;
    // Both Call of Duty 2 rows take the same file; its version says which.
    bool versionDecides = false;
};

const std::vector<ProgramFiles> &programFiles();
