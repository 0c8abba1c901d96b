#include "ServerCatalogue.h"

#include "app/Cue.h"
#include "web/CommunityUrls.h"

#include <algorithm>

namespace ServerCatalogue {

namespace {
using P = ArgumentPiece;

const P address_{P::Address};
const P host_{P::Host};
const P password_{P::Password};

const std::vector<P> counterStrike{{P::Literal, "-game cstrike +connect "}, address_};
const std::vector<P> counterStrikeRented{{P::Literal, "-game cstrike +connect "}, address_,
                                         {P::Literal, " +password "}, password_};
const std::vector<P> callOfDuty{{P::Literal, "+connect "}, address_};
const std::vector<P> callOfDutyRented{{P::Literal, "+connect "}, address_, {P::Literal, " +password "}, password_};
const std::vector<P> alienVsPredator{{P::Literal, "+gsa_gamespy 1 -cmdfile avp2cmds.txt +gsa 1 +gsa_ip "}, host_,
                                     {P::Literal, " +gsa_port 27888"}};
const std::vector<P> bareAddress{address_};

constexpr QSize joiningSize{81, 14};
constexpr QSize joiningSizeTall{81, 16};
constexpr QSize panelSize{205, 22};
constexpr QSize panelSizeLow{205, 20};

QRect at(int left, int top, QSize size)
{
    return QRect(QPoint(left, top), size);
}
} // namespace

const std::vector<GameGroup> &groups()
{
    static const std::vector<GameGroup> table = {
        {Group::CounterStrike, "Counter-Strike 1.6", "Label20", "Image110", Cue::tada, {41, 88}, {8, 89}},
        {Group::CallOfDuty, "Call Of Duty ", "Label21", "Image44", Cue::tada2, {44, 234}, {8, 233}},
        {Group::CallOfDuty2v10, "Call Of Duty 2 - 1.0", "Label26", "Image52", Cue::tada2, {41, 306}, {8, 306}},
        {Group::CallOfDuty2v13, "Call Of Duty 2 - 1.3", "Label29", "Image54", Cue::tada2, {41, 378}, {8, 377}},
        {Group::AlienVsPredator2, "Alien vs Predator 2", "Label42", "Image116", Cue::tada3, {41, 451}, {8, 451}},
        {Group::UnrealTournament, "Unreal Tournament", "Label16", "Image115", Cue::tada3, {42, 503}, {8, 503}},
        {Group::UnrealTournament2004, "Unreal Tournament 2004", "Label17", "Image137", Cue::tada3, {40, 552},
         {8, 552}},
    };
    return table;
}

const GameGroup &group(Group g)
{
    const auto &all = groups();
    return *std::find_if(all.begin(), all.end(), [g](const GameGroup &row) { return row.group == g; });
}

const GameGroup &groupOf(const ServerEntry &e)
{
    return group(e.group);
}

QStringList faultsOf(const std::vector<ServerEntry> &table)
{
    QStringList faults;
    for (size_t i = 0; i < table.size(); ++i) {
        const ServerEntry &e = table[i];
        if (e.number != int(i) + 1)
            faults << QStringLiteral("row %1 is numbered %2").arg(i + 1).arg(e.number);
        if (e.host < 1 || e.host > CommunityUrls::gameHostCount())
            faults << QStringLiteral("entry %1 names game host %2 of %3").arg(e.number).arg(e.host).arg(
                CommunityUrls::gameHostCount());
    }
    return faults;
}

namespace {
// A table with a fault is not used: the program ends as it starts.
bool check(const std::vector<ServerEntry> &table)
{
    const QStringList faults = faultsOf(table);
    if (!faults.isEmpty())
        qFatal("Server catalogue: %s", qPrintable(faults.join(QLatin1String("; "))));
    return true;
}
} // namespace

const std::vector<ServerEntry> &entries()
{
    using G = Group;
    static const std::vector<ServerEntry> table = {
        {.number = 1,
         .group = G::CounterStrike,
         .caption = "OV^AIM/AWP",
         .nameLabel = "Label9",
         .labelPlace = {40, 115},
         .host = 2,
         .port = 27016,
         .pieces = counterStrike,
         .tile = "Image14",
         .twin = "Image23",
         .tilePlace = {130, 112},
         .joiningPanel = "Panel1",
         .joiningPanelRect = at(136, 116, joiningSize),
         .toggle = "Image57",
         .openTwin = "Image69",
         .togglePlace = {16, 112},
         .addressPanel = "ip1",
         .addressPanelRect = at(129, 111, panelSize),
         .closePicture = "Image68",
         .addressEdit = "Edit5",
         .addressEditPlace = {32, 2}},
        {.number = 2,
         .group = G::CounterStrike,
         .caption = "OV^CLASSIC",
         .nameLabel = "Label10",
         .labelPlace = {40, 139},
         .host = 2,
         .port = 27015,
         .pieces = counterStrike,
         .tile = "Image15",
         .twin = "Image22",
         .tilePlace = {130, 136},
         .joiningPanel = "Panel2",
         .joiningPanelRect = at(136, 139, joiningSize),
         .toggle = "Image58",
         .openTwin = "Image73",
         .togglePlace = {16, 136},
         .addressPanel = "ip2",
         .addressPanelRect = at(129, 135, panelSize),
         .closePicture = "Image72",
         .addressEdit = "Edit6",
         .addressEditPlace = {32, 2}},
        {.number = 3,
         .group = G::CounterStrike,
         .caption = "OV^FUN",
         .nameLabel = "Label11",
         .labelPlace = {40, 163},
         .host = 2,
         .port = 27018,
         .pieces = counterStrike,
         .tile = "Image16",
         .twin = "Image24",
         .tilePlace = {130, 160},
         .joiningPanel = "Panel3",
         .joiningPanelRect = at(136, 163, joiningSize),
         .toggle = "Image59",
         .openTwin = "Image74",
         .togglePlace = {16, 160},
         .addressPanel = "ip3",
         .addressPanelRect = at(129, 159, panelSize),
         .closePicture = "Image85",
         .addressEdit = "Edit7",
         .addressEditPlace = {32, 2}},
        {.number = 4,
         .group = G::CounterStrike,
         .caption = "OV^GunGame",
         .nameLabel = "Label12",
         .labelPlace = {40, 187},
         .host = 3,
         .port = 27112,
         .pieces = counterStrike,
         .tile = "Image17",
         .twin = "Image25",
         .tilePlace = {130, 184},
         .joiningPanel = "Panel4",
         .joiningPanelRect = at(136, 187, joiningSize),
         .toggle = "Image60",
         .openTwin = "Image75",
         .togglePlace = {16, 184},
         .addressPanel = "ip4",
         .addressPanelRect = at(129, 183, panelSize),
         .closePicture = "Image88",
         .addressEdit = "Edit8",
         .addressEditPlace = {32, 2}},
        {.number = 5,
         .group = G::CounterStrike,
         .caption = "OV^RENT",
         .nameLabel = "Label14",
         .labelPlace = {40, 211},
         .host = 3,
         .port = 27101,
         .pieces = counterStrikeRented,
         .passwordEdit = "Edit1",
         .passwordEditRect = {100, 207, 30, 21},
         .tile = "Image18",
         .twin = "Image26",
         .tilePlace = {130, 208},
         .joiningPanel = "Panel5",
         .joiningPanelRect = at(136, 211, joiningSize),
         .toggle = "Image61",
         .openTwin = "Image76",
         .togglePlace = {16, 208},
         .addressPanel = "ip5",
         .addressPanelRect = at(129, 207, panelSize),
         .closePicture = "Image91",
         .addressEdit = "Edit9",
         .addressEditPlace = {32, 2},
         .addressLowerBackTop = 10},
        {.number = 6,
         .group = G::CallOfDuty,
         .caption = "CoD Hurtgen rifle only",
         .nameLabel = "Label18",
         .labelPlace = {40, 258},
         .host = 4,
         .port = 28963,
         .pieces = callOfDuty,
         .tile = "Image35",
         .twin = "Image40",
         .tilePlace = {177, 256},
         .joiningPanel = "Panel6",
         .joiningPanelRect = at(184, 259, joiningSize),
         .toggle = "Image62",
         .openTwin = "Image77",
         .togglePlace = {16, 255},
         .addressPanel = "ip6",
         .addressPanelRect = at(176, 255, panelSize),
         .closePicture = "Image94",
         .addressEdit = "Edit10",
         .addressEditPlace = {32, 1}},
        {.number = 7,
         .group = G::CallOfDuty,
         .caption = "CoD RENT",
         .nameLabel = "Label22",
         .labelPlace = {41, 286},
         .host = 4,
         .port = 28965,
         .pieces = callOfDutyRented,
         .passwordEdit = "Edit3",
         .passwordEditRect = {110, 278, 32, 21},
         .tile = "Image36",
         .twin = "Image41",
         .tilePlace = {177, 283},
         .joiningPanel = "Panel7",
         .joiningPanelRect = at(184, 285, joiningSizeTall),
         .toggle = "Image63",
         .openTwin = "Image78",
         .togglePlace = {16, 280},
         .addressPanel = "ip7",
         .addressPanelRect = at(176, 281, panelSize),
         .closePicture = "Image97",
         .addressEdit = "Edit11",
         .addressEditPlace = {32, 1}},
        {.number = 8,
         .group = G::CallOfDuty2v10,
         .caption = "CoD2 1.0 Public server",
         .nameLabel = "Label27",
         .labelPlace = {41, 333},
         .host = 5,
         .port = 28971,
         .pieces = callOfDuty,
         .tile = "Image48",
         .twin = "Image50",
         .tilePlace = {177, 330},
         .joiningPanel = "Panel11",
         .joiningPanelRect = at(184, 333, joiningSize),
         .toggle = "Image64",
         .openTwin = "Image79",
         .togglePlace = {16, 327},
         .addressPanel = "ip8",
         .addressPanelRect = at(176, 329, panelSize),
         .closePicture = "Image100",
         .addressEdit = "Edit12",
         .addressEditPlace = {32, 1}},
        {.number = 9,
         .group = G::CallOfDuty2v10,
         .caption = "COD2 v1.0 RENT",
         .nameLabel = "Label28",
         .labelPlace = {41, 355},
         .host = 5,
         .port = 28981,
         .pieces = callOfDutyRented,
         .passwordEdit = "Edit4",
         .passwordEditRect = {144, 352, 30, 21},
         .tile = "Image49",
         .twin = "Image51",
         .tilePlace = {177, 353},
         .silentTile = true,
         .joiningPanel = "Panel12",
         .joiningPanelRect = at(184, 357, joiningSize),
         .toggle = "Image65",
         .openTwin = "Image80",
         .togglePlace = {16, 352},
         .addressPanel = "ip9",
         .addressPanelRect = at(176, 354, panelSize),
         .closePicture = "Image103",
         .addressEdit = "Edit13",
         .addressEditPlace = {32, 1}},
        {.number = 10,
         .group = G::CallOfDuty2v13,
         .caption = "CoD2 1.3 No fog",
         .nameLabel = "Label30",
         .labelPlace = {41, 401},
         .host = 5,
         .port = 28970,
         .pieces = callOfDuty,
         .tile = "Image38",
         .twin = "Image42",
         .tilePlace = {184, 402},
         .joiningPanel = "Panel8",
         .joiningPanelRect = at(192, 405, joiningSize),
         .toggle = "Image66",
         .openTwin = "Image81",
         .togglePlace = {16, 401},
         .addressPanel = "ip10",
         .addressPanelRect = at(183, 403, panelSize),
         .closePicture = "Image106",
         .addressEdit = "Edit14",
         .addressEditPlace = {32, 1}},
        {.number = 11,
         .group = G::CallOfDuty2v13,
         .caption = "COD2 v1.3 RENT",
         .nameLabel = "Label31",
         .labelPlace = {41, 430},
         .nameShowsStatusPage = true,
         .host = 5,
         .port = 28980,
         .pieces = callOfDutyRented,
         .passwordEdit = "Edit2",
         .passwordEditRect = {143, 426, 35, 21},
         .tile = "Image39",
         .twin = "Image43",
         .tilePlace = {184, 429},
         .joiningPanel = "Panel9",
         .joiningPanelRect = at(192, 433, joiningSize),
         .toggle = "Image67",
         .openTwin = "Image82",
         .togglePlace = {16, 426},
         .addressPanel = "ip11",
         .addressPanelRect = at(183, 430, panelSizeLow),
         .closePicture = "Image109",
         .addressEdit = "Edit15",
         .addressEditPlace = {32, 1}},
        {.number = 12,
         .group = G::AlienVsPredator2,
         .caption = "AVP2",
         .nameLabel = "Label43",
         .labelPlace = {41, 475},
         .host = 6,
         .port = 27888,
         .pieces = alienVsPredator,
         .tile = "Image118",
         .twin = "Image119",
         .tilePlace = {130, 473},
         .joiningPanel = "Panel10",
         .joiningPanelRect = at(136, 476, joiningSize),
         .toggle = "Image120",
         .openTwin = "Image121",
         .togglePlace = {16, 473},
         .addressPanel = "ipavp",
         .addressPanelRect = at(129, 472, panelSize),
         .closePicture = "Image124",
         .addressEdit = "Edit16",
         .addressEditPlace = {33, 1}},
        {.number = 13,
         .group = G::UnrealTournament,
         .caption = "UT",
         .nameLabel = "Label48",
         .labelPlace = {42, 530},
         .host = 1,
         .port = 7777,
         .pieces = bareAddress,
         .tile = "Image146",
         .twin = "Image148",
         .tilePlace = {130, 525},
         .joiningPanel = "Panel13",
         .joiningPanelRect = at(136, 529, joiningSize),
         .toggle = "Image136",
         .openTwin = "Image129",
         .togglePlace = {17, 527},
         .addressPanel = "iput",
         .addressPanelRect = at(129, 525, panelSize),
         .closePicture = "Image142",
         .addressEdit = "Edit17",
         .addressEditPlace = {33, 1}},
        {.number = 14,
         .group = G::UnrealTournament2004,
         .caption = "UT2004",
         .nameLabel = "Label49",
         .labelPlace = {41, 576},
         .host = 1,
         .port = 8778,
         .pieces = bareAddress,
         .tile = "Image147",
         .twin = "Image149",
         .tilePlace = {130, 576},
         .joiningPanel = "Panel14",
         .joiningPanelRect = at(136, 579, joiningSize),
         .toggle = "Image138",
         .openTwin = "Image139",
         .togglePlace = {16, 573},
         .addressPanel = "iput2004",
         .addressPanelRect = at(129, 576, panelSize),
         .closePicture = "Image145",
         .addressEdit = "Edit18",
         .addressEditPlace = {33, 1}},
    };
    static const bool checkedOnce = check(table);
    Q_UNUSED(checkedOnce);
    return table;
}

const ServerEntry &entry(int number)
{
    Q_ASSERT(number >= 1 && number <= int(entries().size()));
    return entries()[number - 1];
}

QString hostName(const ServerEntry &e)
{
    return CommunityUrls::gameHost(e.host);
}

QString address(const ServerEntry &e)
{
    return hostName(e) + QLatin1Char(':') + QString::number(e.port);
}

QString argumentString(const ServerEntry &e, const QString &password)
{
    QString result;
    for (const ArgumentPiece &piece : e.pieces) {
        switch (piece.kind) {
        case ArgumentPiece::Literal:
            result += QLatin1String(piece.text);
            break;
        case ArgumentPiece::Address:
            result += address(e);
            break;
        case ArgumentPiece::Host:
            result += hostName(e);
            break;
        case ArgumentPiece::Password:
            result += password;
            break;
        }
    }
    return result;
}

QString workingDirectory(const QString &path)
{
    int last = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':')));
#ifndef Q_OS_WIN
    last = std::max(last, int(path.lastIndexOf(QLatin1Char('/'))));
#endif
    return last < 0 ? QString() : path.left(last + 1);
}

} // namespace ServerCatalogue
