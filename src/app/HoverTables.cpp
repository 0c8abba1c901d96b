#include "HoverTables.h"

#include <algorithm>

namespace HoverTables {

namespace {
Widgets join(std::initializer_list<Widgets> parts)
{
    Widgets all;
    for (const Widgets &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Widgets without(Widgets widgets, std::initializer_list<QWidget *> dropped)
{
    widgets.erase(std::remove_if(widgets.begin(), widgets.end(),
                                 [&](QWidget *w) { return std::find(dropped.begin(), dropped.end(), w) != dropped.end(); }),
                  widgets.end());
    return widgets;
}

Widgets twins(const std::vector<Pair> &pairs)
{
    Widgets widgets;
    for (const Pair &p : pairs)
        widgets.push_back(p.twin);
    return widgets;
}

Widgets buttonTwins(const Parts &p)
{
    return {p.voiceAndLinks.banList.twin, p.voiceAndLinks.forum.twin, p.chrome.settings.twin};
}

Widgets iconTwins(const Parts &p)
{
    return {p.web.info.twin,      p.web.bugReport.twin, p.web.speedTest.twin, p.voiceAndLinks.ventrilo.twin,
            p.web.chat.twin,      p.voiceAndLinks.teamSpeak.twin, p.update.twin};
}

Widgets captionTwins(const Parts &p)
{
    return {p.chrome.close.twin, p.chrome.minimise.twin};
}

// The tile twins of the upper groups and the button twins.
Widgets commonSet(const Parts &p)
{
    return join({twins(p.tiles.early), buttonTwins(p)});
}

using S = Step;
} // namespace

// Every tile lights its own twin and puts out the rest of the common set;
// late tile twins, icon twins, caption twins and the latch stay as they are.
std::vector<HoverRow> tileLighting(const Parts &parts)
{
    std::vector<HoverRow> rows;
    for (const std::vector<Pair> *group : {&parts.tiles.early, &parts.tiles.late}) {
        for (const Pair &t : *group)
            rows.push_back({{t.picture}, {S::Show, S::Hide}, t.twin, without(commonSet(parts), {t.twin})});
    }
    return rows;
}

std::vector<HoverRow> buttonLighting(const Parts &p)
{
    QWidget *const close = p.chrome.close.twin;
    const VoiceAndLinkParts &v = p.voiceAndLinks;
    return {
        {{p.chrome.close.picture}, {S::Show, S::HoverCue, S::Hide}, close, {p.chrome.minimise.twin}},
        {{p.chrome.minimise.picture}, {S::Hide, S::Show, S::HoverCue}, p.chrome.minimise.twin, {close}},
        {{p.web.chat.picture}, {S::HoverCue, S::Show}, p.web.chat.twin, {}},
        {{v.banList.picture}, {S::HoverCue, S::Show}, v.banList.twin, {}},
        {{v.forum.picture}, {S::HoverCue, S::Show}, v.forum.twin, {}},
        {{p.chrome.settings.picture, p.chrome.settings.twin}, {S::Show, S::Hide}, p.chrome.settings.twin, {close}},
        {{p.web.info.picture, p.web.info.twin}, {S::Show, S::Hide}, p.web.info.twin, {close}},
        {{p.web.bugReport.picture, p.web.bugReport.twin}, {S::Show, S::Hide}, p.web.bugReport.twin, {close}},
        {{p.web.speedTest.picture}, {S::Show, S::Hide}, p.web.speedTest.twin, {v.ventrilo.twin, close}},
        {{v.ventrilo.picture}, {S::Show, S::Hide}, v.ventrilo.twin, {p.web.speedTest.twin, close}},
        {{v.teamSpeak.picture}, {S::Show, S::Hide}, v.teamSpeak.twin, {close}},
        {{p.update.picture}, {S::Show}, p.update.twin, {}},
    };
}

// Of the late twins, the first goes out over the icon strip, the logo and the
// top bar too, and the last over the lower frame strip.
std::vector<HoverRow> resetAreas(const Parts &p)
{
    const Widgets common = commonSet(p);
    const Widgets late = twins(p.tiles.late);
    const Widgets firstLate = late.empty() ? Widgets() : Widgets{late.front()};
    const Widgets lastLate = late.empty() ? Widgets() : Widgets{late.back()};
    QWidget *const close = p.chrome.close.twin;
    return {
        // The bare window and the status and statistics frames.
        {join({{p.window}, {p.web.statusFrames.front()}, p.statisticsFrames, {p.web.statusFrames.back()}}),
         {S::Hide, S::ArmLatch},
         nullptr,
         join({captionTwins(p), common, late, iconTwins(p)})},
        // The game header bars.
        {p.tiles.headerBars, {S::Hide, S::ArmLatch}, nullptr,
         join({{close}, common, late, without(iconTwins(p), {p.update.twin})})},
        // The icon strip.
        {{p.chrome.iconStrip}, {S::Hide, S::ArmLatch}, nullptr, join({{close}, common, firstLate, iconTwins(p)})},
        // The logo, the top bar and the clock.
        {join({{p.web.logo}, p.chrome.topBars}),
         {S::Hide, S::ArmLatch},
         nullptr,
         join({{close}, common, firstLate, without(iconTwins(p), {p.voiceAndLinks.teamSpeak.twin, p.update.twin})})},
        // Frame strips.
        {p.chrome.upperFrames, {S::Hide}, nullptr, {p.chrome.minimise.twin, close}},
        {{p.chrome.lowerFrame}, {S::Hide}, nullptr, lastLate},
        // The close twin re-arms the hover sound.
        {{close}, {S::ArmLatch}, nullptr, {}},
    };
}

} // namespace HoverTables
