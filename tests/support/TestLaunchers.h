#pragma once

#include "launcher/Launcher.h"

#include <memory>

class QWidget;
class WindowGroup;
struct StepHooks;

// Every launcher a test builds, with what it was handed: the window group
// of its services and the hooks its start-up steps run through. Tests reach
// a launcher's windows through its group, by object name, as tools do.
namespace TestLaunchers {
struct Parts {
    WindowGroup *windows = nullptr;
    StepHooks *steps = nullptr;
};

// A launcher on 'services' whose start-up steps run through hooks.
std::unique_ptr<Launcher> build(Services services);
// What 'launcher', built by build(), was handed.
const Parts &partsOf(const Launcher &launcher);
// Its window 'name' (the object name); null when there is none.
QWidget *window(const Launcher &launcher, const QString &name);
} // namespace TestLaunchers
