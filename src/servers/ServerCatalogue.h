#pragma once

#include "games/Program.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>


// The community's fourteen game servers in seven game groups, fixed for the
// run. Entries are numbered 1 to 14 from the top of the main window down.
namespace ServerCatalogue {

// A game group is known by the game whose path the settings window keeps.
using Group = Program;

struct GameGroup {
    Group group;
    const char *headerCaption;
    const char *headerLabel;  // bold white caption of the group
    const char *bar;          // picture behind the header
    const char *joinCue;
    QPoint headerPlace;
    QPoint barPlace;
};

// One piece of an argument string.
struct ArgumentPiece {
    enum Kind { Literal, Address, Host, Password };
    Kind kind;
    const char *text = nullptr; // Literal only
};

struct ServerEntry {
    int number;
    Group group;
    // The label naming the server, and its caption.
    const char *caption;
    const char *nameLabel;
    QPoint labelPlace;
    bool nameShowsStatusPage = false; // a click on the name shows the server's own status page
    // Where the game connects, and the argument string that tells it.
    int host; // game server host, 1 to CommunityUrls::gameHostCount()
    int port;
    std::vector<ArgumentPiece> pieces;
    // The password edit of a rented server; null and empty for the others.
    const char *passwordEdit = nullptr;
    QRect passwordEditRect;
    // The tile that joins, its hover twin and the panel shown while joining.
    const char *tile;
    const char *twin;
    QPoint tilePlace;
    bool silentTile = false; // the tile joins without the group's cue; its twin plays it
    const char *joiningPanel;
    QRect joiningPanelRect;
    // The address panel: toggle picture and its open twin, the panel with
    // its close picture and the edit that shows the address.
    const char *toggle;
    const char *openTwin;
    QPoint togglePlace;
    const char *addressPanel;
    QRect addressPanelRect;
    const char *closePicture;
    const char *addressEdit;
    QPoint addressEditPlace;     // inside the panel
    int addressLowerBackTop = 9; // top of the lower of the panel's two background strips
};

inline constexpr QSize tileSize{93, 21};
inline constexpr QSize toggleSize{19, 19};
inline constexpr QSize barSize{210, 18};

const std::vector<GameGroup> &groups();
const GameGroup &group(Group group);
const GameGroup &groupOf(const ServerEntry &entry);

// Entries 1 to 14, in order. The table is checked once, when it is built:
// a fault ends the program there and then.
const std::vector<ServerEntry> &entries();
// What is wrong with a table of entries: a row numbered out of its place, a
// game host that is not configured. Empty for a sound table.
QStringList faultsOf(const std::vector<ServerEntry> &table);
const ServerEntry &entry(int number);

QString hostName(const ServerEntry &entry);
// Host, colon and port.
QString address(const ServerEntry &entry);
// The entry's pieces joined with nothing between them; the password piece is
// 'password' exactly as given. Nothing is quoted, escaped or trimmed.
QString argumentString(const ServerEntry &entry, const QString &password);

// The directory part of an executable path: everything up to and including
// its last backslash or colon (on this system also its last slash); empty
// when the path has none of them.
QString workingDirectory(const QString &path);

} // namespace ServerCatalogue
