#include "HoverHighlighting.h"

#include "SoundCues.h"
#include "TForm1.h"

HoverHighlighting::HoverHighlighting(TForm1 &mainWindow, SoundCues &cues, const HoverTables::ServerTiles &tiles)
    : m_mainWindow(mainWindow), m_cues(cues)
{
    std::vector<HoverTables::HoverRow> rows = HoverTables::tileLighting(tiles);
    for (const HoverTables::HoverRow &row : HoverTables::buttonLighting())
        rows.push_back(row);
    for (const HoverTables::HoverRow &row : HoverTables::resetAreas(tiles))
        rows.push_back(row);
    m_rows.reserve(rows.size());
    for (const HoverTables::HoverRow &row : rows)
        install(row);
}

// The window's own name stands for its bare background.
void HoverHighlighting::install(const HoverTables::HoverRow &row)
{
    ControlHost &controls = m_mainWindow.controls();
    Row found{row.steps, row.shows ? controls.get(row.shows) : nullptr, {}};
    for (const char *name : row.hides)
        found.hides.push_back(controls.get(name));
    m_rows.push_back(found);
    const Row &installed = m_rows.back();
    for (const char *area : row.areas) {
        QWidget *control = QLatin1String(area) == m_mainWindow.objectName() ? &m_mainWindow : controls.get(area);
        controls.events().onMove(control, [this, &installed] { run(installed); });
    }
}

void HoverHighlighting::run(const Row &row)
{
    using HoverTables::Step;
    for (Step step : row.steps) {
        switch (step) {
        case Step::Show:
            row.shows->setVisible(true);
            break;
        case Step::Hide:
            for (QWidget *twin : row.hides)
                twin->setVisible(false);
            break;
        case Step::HoverCue:
            if (m_mainWindow.latch() == QLatin1String("0"))
                m_cues.playAndLatch(Cue::click);
            break;
        case Step::ArmLatch:
            m_mainWindow.setLatch(QStringLiteral("0"));
            break;
        }
    }
}
