#include "StepHooks.h"

#include "launcher/Launcher.h"
#include "launcher/StartupSteps.h"

#include <map>
#include <memory>

namespace {
template <typename R>
R call(const std::function<R()> &hook)
{
    if (hook)
        return hook();
    return R();
}

class HookedSteps : public StartupSteps
{
public:
    explicit HookedSteps(StartupSteps &own)
    {
        h.counters = [&own] { own.counters(); };
        h.languageLoad = [&own] { own.languageLoad(); };
        h.loadFirstPaths = [&own] { own.loadFirstPaths(); };
        h.loadRemainingSettings = [&own] { own.loadRemainingSettings(); };
        h.startPageLoads = [&own] { own.startPageLoads(); };
        h.readFirstRun = [&own] { return own.readFirstRun(); };
        h.firstRun = [&own] { own.firstRun(); };
        h.readNotShow = [&own] { own.readNotShow(); };
        h.applyNotShow = [&own] { own.applyNotShow(); };
        h.fetchVersion = [&own] { own.fetchVersion(); };
        h.announceVersion = [&own] { return own.announceVersion(); };
        h.fillVersionDialog = [&own] { own.fillVersionDialog(); };
        h.showNews = [&own] { own.showNews(); };
    }

    void counters() override { call(h.counters); }
    void languageLoad() override { call(h.languageLoad); }
    void loadFirstPaths() override { call(h.loadFirstPaths); }
    void loadRemainingSettings() override { call(h.loadRemainingSettings); }
    void startPageLoads() override { call(h.startPageLoads); }
    bool readFirstRun() override { return call(h.readFirstRun); }
    void firstRun() override { call(h.firstRun); }
    void readNotShow() override { call(h.readNotShow); }
    void applyNotShow() override { call(h.applyNotShow); }
    void fetchVersion() override { call(h.fetchVersion); }
    bool announceVersion() override { return call(h.announceVersion); }
    void fillVersionDialog() override { call(h.fillVersionDialog); }
    void showNews() override { call(h.showNews); }

    StepHooks h;
};

std::map<Launcher *, std::unique_ptr<HookedSteps>> &installed()
{
    static std::map<Launcher *, std::unique_ptr<HookedSteps>> steps;
    return steps;
}
} // namespace

StepHooks &hooks(Launcher &launcher)
{
    auto &all = installed();
    auto it = all.find(&launcher);
    if (it == all.end()) {
        it = all.emplace(&launcher, std::make_unique<HookedSteps>(launcher.steps())).first;
        launcher.runSteps(*it->second);
        QObject::connect(&launcher, &QObject::destroyed, [&launcher] { installed().erase(&launcher); });
    }
    return it->second->h;
}
