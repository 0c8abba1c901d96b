#include "StepHooks.h"

#include "TestLaunchers.h"
#include "launcher/StartupSteps.h"

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
} // namespace

std::unique_ptr<StartupSteps> hookedSteps(StartupSteps &own, StepHooks *&hooks)
{
    auto steps = std::make_unique<HookedSteps>(own);
    hooks = &steps->h;
    return steps;
}

StepHooks &hooks(Launcher &launcher)
{
    return *TestLaunchers::partsOf(launcher).steps;
}
