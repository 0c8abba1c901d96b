#include "TestLaunchers.h"

#include "StepHooks.h"
#include "platform/windows/WindowGroup.h"

#include <QWidget>
#include <map>

namespace {
std::map<const Launcher *, TestLaunchers::Parts> &built()
{
    static std::map<const Launcher *, TestLaunchers::Parts> launchers;
    return launchers;
}
} // namespace

std::unique_ptr<Launcher> TestLaunchers::build(Services services)
{
    Parts parts;
    parts.windows = services.windows.get();
    auto launcher = std::make_unique<Launcher>(
        std::move(services), [&parts](StartupSteps &own) { return hookedSteps(own, parts.steps); });
    const Launcher *key = launcher.get();
    built()[key] = parts;
    QObject::connect(launcher.get(), &QObject::destroyed, [key] { built().erase(key); });
    return launcher;
}

const TestLaunchers::Parts &TestLaunchers::partsOf(const Launcher &launcher)
{
    return built().at(&launcher);
}

QWidget *TestLaunchers::window(const Launcher &launcher, const QString &name)
{
    for (QWidget *window : partsOf(launcher).windows->windows()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}
