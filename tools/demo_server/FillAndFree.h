#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

class DemoGames;

// The demo's full server: "--fill ENTRY[=SECONDS]" (or OVCL_DEMO_FILL for
// tools/demo.sh) keeps entry ENTRY full for SECONDS (45 unless given), then
// frees one slot for as long, and so on, so that a wait for a slot can be
// tried out.
class FillAndFree : public QObject
{
    Q_OBJECT
public:
    struct Request {
        int entry = 0;
        int seconds = 45;
    };
    // Takes "--fill ENTRY[=SECONDS]" or "--fill=ENTRY[=SECONDS]" out of the
    // command line; nothing when it is not there. Exits on a wrong value.
    static std::optional<Request> takeOption(int &argc, char **argv);

    FillAndFree(DemoGames &games, Request request, QObject *parent = nullptr);

private:
    void apply();

    DemoGames &m_games;
    Request m_request;
    bool m_full = true;
    QTimer m_turn;
};
