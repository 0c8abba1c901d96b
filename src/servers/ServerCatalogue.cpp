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

const std::vector<ServerEntry> &entries()
{
    using G = Group;
    static const std::vector<ServerEntry> table = {
        {1, G::CounterStrike, "Label9", "OV^AIM/AWP", "Image14", "Image23", "Panel1", 2, 27016, counterStrike,
         nullptr, "Image57", "Image69", "ip1", "Image68", "Edit5",
         {40, 115}, {130, 112}, at(136, 116, joiningSize), {16, 112}, at(129, 111, panelSize), {}},
        {2, G::CounterStrike, "Label10", "OV^CLASSIC", "Image15", "Image22", "Panel2", 2, 27015, counterStrike,
         nullptr, "Image58", "Image73", "ip2", "Image72", "Edit6",
         {40, 139}, {130, 136}, at(136, 139, joiningSize), {16, 136}, at(129, 135, panelSize), {}},
        {3, G::CounterStrike, "Label11", "OV^FUN", "Image16", "Image24", "Panel3", 2, 27018, counterStrike,
         nullptr, "Image59", "Image74", "ip3", "Image85", "Edit7",
         {40, 163}, {130, 160}, at(136, 163, joiningSize), {16, 160}, at(129, 159, panelSize), {}},
        {4, G::CounterStrike, "Label12", "OV^GunGame", "Image17", "Image25", "Panel4", 3, 27112, counterStrike,
         nullptr, "Image60", "Image75", "ip4", "Image88", "Edit8",
         {40, 187}, {130, 184}, at(136, 187, joiningSize), {16, 184}, at(129, 183, panelSize), {}},
        {5, G::CounterStrike, "Label14", "OV^RENT", "Image18", "Image26", "Panel5", 3, 27101, counterStrikeRented,
         "Edit1", "Image61", "Image76", "ip5", "Image91", "Edit9",
         {40, 211}, {130, 208}, at(136, 211, joiningSize), {16, 208}, at(129, 207, panelSize), {100, 207, 30, 21}},
        {6, G::CallOfDuty, "Label18", "CoD Hurtgen rifle only", "Image35", "Image40", "Panel6", 4, 28963, callOfDuty,
         nullptr, "Image62", "Image77", "ip6", "Image94", "Edit10",
         {40, 258}, {177, 256}, at(184, 259, joiningSize), {16, 255}, at(176, 255, panelSize), {}},
        {7, G::CallOfDuty, "Label22", "CoD RENT", "Image36", "Image41", "Panel7", 4, 28965, callOfDutyRented,
         "Edit3", "Image63", "Image78", "ip7", "Image97", "Edit11",
         {41, 286}, {177, 283}, at(184, 285, joiningSizeTall), {16, 280}, at(176, 281, panelSize), {110, 278, 32, 21}},
        {8, G::CallOfDuty2v10, "Label27", "CoD2 1.0 Public server", "Image48", "Image50", "Panel11", 5, 28971,
         callOfDuty, nullptr, "Image64", "Image79", "ip8", "Image100", "Edit12",
         {41, 333}, {177, 330}, at(184, 333, joiningSize), {16, 327}, at(176, 329, panelSize), {}},
        {9, G::CallOfDuty2v10, "Label28", "COD2 v1.0 RENT", "Image49", "Image51", "Panel12", 5, 28981,
         callOfDutyRented, "Edit4", "Image65", "Image80", "ip9", "Image103", "Edit13",
         {41, 355}, {177, 353}, at(184, 357, joiningSize), {16, 352}, at(176, 354, panelSize), {144, 352, 30, 21}},
        {10, G::CallOfDuty2v13, "Label30", "CoD2 1.3 No fog", "Image38", "Image42", "Panel8", 5, 28970, callOfDuty,
         nullptr, "Image66", "Image81", "ip10", "Image106", "Edit14",
         {41, 401}, {184, 402}, at(192, 405, joiningSize), {16, 401}, at(183, 403, panelSize), {}},
        {11, G::CallOfDuty2v13, "Label31", "COD2 v1.3 RENT", "Image39", "Image43", "Panel9", 5, 28980,
         callOfDutyRented, "Edit2", "Image67", "Image82", "ip11", "Image109", "Edit15",
         {41, 430}, {184, 429}, at(192, 433, joiningSize), {16, 426}, at(183, 430, panelSizeLow), {143, 426, 35, 21}},
        {12, G::AlienVsPredator2, "Label43", "AVP2", "Image118", "Image119", "Panel10", 6, 27888, alienVsPredator,
         nullptr, "Image120", "Image121", "ipavp", "Image124", "Edit16",
         {41, 475}, {130, 473}, at(136, 476, joiningSize), {16, 473}, at(129, 472, panelSize), {}},
        {13, G::UnrealTournament, "Label48", "UT", "Image146", "Image148", "Panel13", 1, 7777, bareAddress,
         nullptr, "Image136", "Image129", "iput", "Image142", "Edit17",
         {42, 530}, {130, 525}, at(136, 529, joiningSize), {17, 527}, at(129, 525, panelSize), {}},
        {14, G::UnrealTournament2004, "Label49", "UT2004", "Image147", "Image149", "Panel14", 1, 8778, bareAddress,
         nullptr, "Image138", "Image139", "iput2004", "Image145", "Edit18",
         {41, 576}, {130, 576}, at(136, 579, joiningSize), {16, 573}, at(129, 576, panelSize), {}},
    };
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
