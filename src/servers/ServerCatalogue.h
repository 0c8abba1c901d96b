#pragma once

#include "games/Program.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
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
    const char *nameLabel;
    const char *caption;
    const char *tile;
    const char *twin;
    const char *joiningPanel;
    int host; // game server host 1..6
    int port;
    std::vector<ArgumentPiece> pieces;
    const char *passwordEdit; // null: the entry has none
    // Address controls.
    const char *toggle;
    const char *openTwin;
    const char *addressPanel;
    const char *closePicture;
    const char *addressEdit;
    // Places in the main window's client area.
    QPoint labelPlace;
    QPoint tilePlace;
    QRect joiningPanelRect;
    QPoint togglePlace;
    QRect addressPanelRect;
    QRect passwordEditRect; // empty: no password edit
};

inline constexpr QSize tileSize{93, 21};
inline constexpr QSize toggleSize{19, 19};
inline constexpr QSize barSize{210, 18};

const std::vector<GameGroup> &groups();
const GameGroup &group(Group group);
const GameGroup &groupOf(const ServerEntry &entry);

// Entries 1 to 14, in order.
const std::vector<ServerEntry> &entries();
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
