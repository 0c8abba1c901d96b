#include "HoverHighlighting.h"

#include "HoverTables.h"
#include "SoundCues.h"
#include "TForm1.h"

HoverHighlighting::HoverHighlighting(Launcher &launcher) : m_launcher(launcher)
{
    ControlEvents &events = launcher.form1()->controls().events();
    for (const auto *table : {&HoverTables::tileLighting(), &HoverTables::buttonLighting(), &HoverTables::resetAreas()}) {
        for (const HoverTables::HoverRow &row : *table) {
            for (const char *area : row.areas)
                events.onMove(QLatin1String(area), [this, &row] { run(row); });
        }
    }
}

void HoverHighlighting::run(const HoverTables::HoverRow &row)
{
    using HoverTables::Step;
    TForm1 *window = m_launcher.form1();
    for (Step step : row.steps) {
        switch (step) {
        case Step::Show:
            setShown(row.shows, true);
            break;
        case Step::Hide:
            for (const char *name : row.hides)
                setShown(name, false);
            break;
        case Step::HoverCue:
            if (window->latch() == QLatin1String("0"))
                m_launcher.cues().playAndLatch(Cue::click);
            break;
        case Step::ArmLatch:
            window->setLatch(QStringLiteral("0"));
            break;
        }
    }
}

void HoverHighlighting::setShown(const char *name, bool shown)
{
    if (QWidget *twin = m_launcher.form1()->control(QLatin1String(name)))
        twin->setVisible(shown);
}
