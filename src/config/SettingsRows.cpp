#include "SettingsRows.h"

#include <algorithm>

const std::vector<PathRow> &pathRows()
{
    static const std::vector<PathRow> rows = {
        {.program = Program::CounterStrike, .row = 1, .label = "Counter -Strike 1.6", .display = "StaticText1",
         .button = "Button1", .dialog = "OpenDialog1",
         .filter = "Half-Life Launcher (hl.exe)|hl.exe|CS 1.6 Launcher (cstrike.exe)|cstrike.exe|Steam (steam.exe)|steam.exe",
         .nativeFilter = "Half-Life Linux (hl_linux)|hl_linux", .key = &LocalFiles::csloc, .storeOrder = 1,
         .early = true, .labelName = "RowLabel1", .iconName = "RowIcon1", .icon = ":/skin/icon_cs.png"},
        {.program = Program::CallOfDuty, .row = 2, .label = "Call Of Duty", .display = "StaticText2",
         .button = "Button2", .dialog = "cod1", .filter = "COD MP (codmp.exe)|codmp.exe", .nativeFilter = nullptr,
         .key = &LocalFiles::codloc, .storeOrder = 2, .early = true, .labelName = "RowLabel2", .iconName = "RowIcon2",
         .icon = ":/skin/icon_cod.png"},
        {.program = Program::CallOfDuty2v10, .row = 3, .label = "Call Of Duty 2 - 1.0", .display = "StaticText3",
         .button = "Button3", .dialog = "cod210", .filter = "COD MP  1.0  (cod2mp_s.exe)|cod2mp_s.exe",
         .nativeFilter = nullptr, .key = &LocalFiles::cod210loc, .storeOrder = 3, .early = true,
         .labelName = "RowLabel3", .iconName = "RowIcon3", .icon = ":/skin/icon_cod2.png"},
        {.program = Program::CallOfDuty2v13, .row = 4, .label = "Call Of Duty 2 - 1.3", .display = "StaticText4",
         .button = "Button4", .dialog = "cod213", .filter = "COD MP  1.3 (cod2mp_s.exe)|cod2mp_s.exe",
         .nativeFilter = nullptr, .key = &LocalFiles::cod213loc, .storeOrder = 4, .early = true,
         .labelName = "RowLabel4", .iconName = "RowIcon4", .icon = ":/skin/icon_cod213.png"},
        {.program = Program::AlienVsPredator2, .row = 5, .label = "Alien vs Predator 2", .display = "StaticText5",
         .button = "Button5", .dialog = "avp", .filter = "AVP2 (lithtech.exe)|lithtech.exe|AVP2 (avp2.exe)|avp2.exe",
         .nativeFilter = nullptr, .key = &LocalFiles::avploc, .storeOrder = 5, .early = false,
         .labelName = "RowLabel5", .iconName = nullptr, .icon = nullptr},
        {.program = Program::UnrealTournament, .row = 6, .label = "Unreal Tournament", .display = "StaticText7",
         .button = "Button7", .dialog = "utd",
         .filter = "UT (UnrealTournament.exe)|UnrealTournament.exe|UT executable (*.exe)|*.exe",
         .nativeFilter = nullptr, .key = &LocalFiles::ut, .storeOrder = 8, .early = false, .labelName = "RowLabel6",
         .iconName = nullptr, .icon = nullptr},
        {.program = Program::UnrealTournament2004, .row = 7, .label = "Unreal Tournament 2004",
         .display = "StaticText8", .button = "Button8", .dialog = "ut2004d",
         .filter = "UT (UT2004.exe)|UT2004.exe|UT2004  executable (*.exe)|*.exe", .nativeFilter = nullptr,
         .key = &LocalFiles::ut2004, .storeOrder = 9, .early = false, .labelName = "RowLabel7", .iconName = nullptr,
         .icon = nullptr},
        {.program = Program::Ventrilo, .row = 8, .label = "Ventrilo", .display = "StaticText6", .button = "Button6",
         .dialog = "vntd", .filter = "Ventrilo|*.exe", .nativeFilter = nullptr, .key = &LocalFiles::vnt,
         .storeOrder = 6, .early = false, .labelName = "RowLabel8", .iconName = nullptr, .icon = nullptr},
        {.program = Program::TeamSpeak, .row = 9, .label = "TeamSpeak", .display = "StaticText9", .button = "Button9",
         .dialog = "tsd", .filter = "TeamSpeak|*.exe", .nativeFilter = nullptr, .key = &LocalFiles::ts,
         .storeOrder = 7, .early = false, .labelName = "RowLabel9", .iconName = nullptr, .icon = nullptr},
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


