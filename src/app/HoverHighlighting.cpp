#include "HoverHighlighting.h"

#include "SoundCues.h"
#include "TForm1.h"

HoverHighlighting::HoverHighlighting(TForm1 &mainWindow, SoundCues &cues, const HoverTables::Parts &parts)
    : m_mainWindow(mainWindow), m_cues(cues)
{
    std::vector<HoverTables::HoverRow> rows = HoverTables::tileLighting(parts);
    for (const HoverTables::HoverRow &row : HoverTables::buttonLighting(parts))
        rows.push_back(row);
    for (const HoverTables::HoverRow &row : HoverTables::resetAreas(parts))
        rows.push_back(row);
    m_rows.reserve(rows.size());
    for (const HoverTables::HoverRow &row : rows)
        install(row);
}

void HoverHighlighting::install(const HoverTables::HoverRow &row)
{
    m_rows.push_back({row.steps, row.shows, row.hides});
    const Row &installed = m_rows.back();
    for (QWidget *area : row.areas)
        m_mainWindow.controls().events().onMove(area, [this, &installed] { run(installed); });
}

void HoverHighlighting::reset()
{
    for (const Row &row : m_rows) {
        if (row.shows)
            row.shows->setVisible(false);
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
