#include "SettingsRows.h"

#include <algorithm>

const std::vector<PathRow> &pathRows()
{
    static const std::vector<PathRow> rows = {
        {Program::CounterStrike, 1, "Counter -Strike 1.6", "StaticText1", "Button1", "OpenDialog1",
         "Half-Life Launcher (hl.exe)|hl.exe|CS 1.6 Launcher (cstrike.exe)|cstrike.exe|Steam (steam.exe)|steam.exe",
         "Half-Life Linux (hl_linux)|hl_linux",
         &LocalFiles::csloc, 1, true, "RowLabel1", "RowIcon1", ":/skin/icon_cs.png"},
        {Program::CallOfDuty, 2, "Call Of Duty", "StaticText2", "Button2", "cod1", "COD MP (codmp.exe)|codmp.exe", nullptr,
         &LocalFiles::codloc, 2, true, "RowLabel2", "RowIcon2", ":/skin/icon_cod.png"},
        {Program::CallOfDuty2v10, 3, "Call Of Duty 2 - 1.0", "StaticText3", "Button3", "cod210", "COD MP  1.0  (cod2mp_s.exe)|cod2mp_s.exe", nullptr,
         &LocalFiles::cod210loc, 3, true, "RowLabel3", "RowIcon3", ":/skin/icon_cod2.png"},
        {Program::CallOfDuty2v13, 4, "Call Of Duty 2 - 1.3", "StaticText4", "Button4", "cod213", "COD MP  1.3 (cod2mp_s.exe)|cod2mp_s.exe", nullptr,
         &LocalFiles::cod213loc, 4, true, "RowLabel4", "RowIcon4", ":/skin/icon_cod213.png"},
        {Program::AlienVsPredator2, 5, "Alien vs Predator 2", "StaticText5", "Button5", "avp",
         "AVP2 (lithtech.exe)|lithtech.exe|AVP2 (avp2.exe)|avp2.exe", nullptr,
         &LocalFiles::avploc, 5, false, "RowLabel5", nullptr, nullptr},
        {Program::UnrealTournament, 6, "Unreal Tournament", "StaticText7", "Button7", "utd",
         "UT (UnrealTournament.exe)|UnrealTournament.exe|UT executable (*.exe)|*.exe", nullptr,
         &LocalFiles::ut, 8, false, "RowLabel6", nullptr, nullptr},
        {Program::UnrealTournament2004, 7, "Unreal Tournament 2004", "StaticText8", "Button8", "ut2004d",
         "UT (UT2004.exe)|UT2004.exe|UT2004  executable (*.exe)|*.exe", nullptr,
         &LocalFiles::ut2004, 9, false, "RowLabel7", nullptr, nullptr},
        {Program::Ventrilo, 8, "Ventrilo", "StaticText6", "Button6", "vntd", "Ventrilo|*.exe", nullptr,
         &LocalFiles::vnt, 6, false, "RowLabel8", nullptr, nullptr},
        {Program::TeamSpeak, 9, "TeamSpeak", "StaticText9", "Button9", "tsd", "TeamSpeak|*.exe", nullptr,
         &LocalFiles::ts, 7, false, "RowLabel9", nullptr, nullptr},
    };
    return rows;
}

std::vector<const PathRow *> pathRowsInStoreOrder()
{
    std::vector<const PathRow *> order;
    for (const PathRow &row : pathRows())
        order.push_back(&row);
    std::sort(order.begin(), order.end(),
              [](const PathRow *a, const PathRow *b) { return a->storeOrder < b->storeOrder; });
    return order;
}

const PathRow *pathRowForKey(const QString &key)
{
    for (const PathRow &row : pathRows())
        if (key == QLatin1String(row.key->key))
            return &row;
    return nullptr;
}

const PathRow &pathRowOf(Program program)
{
    for (const PathRow &row : pathRows())
        if (row.program == program)
            return row;
    Q_UNREACHABLE();
}
