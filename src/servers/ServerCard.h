#pragma once

#include <QPoint>

#include <vector>

class ControlHost;
class PictureControl;
class TextLabel;
struct ServerStateTexts;

// The card that tells one server's details: name, lock, map, players, ping
// and, once the server has stopped answering, when it was last seen, with
// the old values greyed; below them who is playing, with score and ping.
class ServerCard
{
public:
    explicit ServerCard(ControlHost &host);

    // Fills the card and shows it with its top left corner at 'at', kept
    // inside the window.
    void show(const ServerStateTexts &texts, QPoint at);
    // Refills a shown card where it stands.
    void fill(const ServerStateTexts &texts);
    void hide();
    bool isShown() const;

    // How many player rows the card has.
    static int playerRows();

private:
    struct PlayerRowLabels {
        TextLabel *name;
        TextLabel *score;
        TextLabel *ping;
    };
    static void setLine(TextLabel *label, const QString &text, bool greyed);

    TextLabel *m_panel;
    TextLabel *m_name;
    PictureControl *m_lock;
    TextLabel *m_map;
    TextLabel *m_count;
    TextLabel *m_ping;
    TextLabel *m_seen;
    std::vector<PlayerRowLabels> m_players;
};
