#include "AnsweredGames.h"

#include "GameReplies.h"
#include "query/Quake3Reply.h"
#include "query/Unreal2Reply.h"
#include "servers/ServerQueries.h"

namespace {
// The entry a request went to, by its port; 0 when none.
int entryAt(quint16 port)
{
    const QVector<QueryTarget> targets = ServerQueries::targets();
    for (int i = 0; i < targets.size(); ++i) {
        if (targets[i].port == port)
            return i + 1;
    }
    return 0;
}

QByteArray replyTo(const RecordingDatagrams::Sent &sent, const FakeServer &server)
{
    const int number = entryAt(sent.port);
    if (!number)
        return {};
    switch (ServerQueries::targets().at(number - 1).protocol) {
    case QueryProtocol::Source:
        return GameReplies::sourceInfo(server);
    case QueryProtocol::Quake3:
        if (sent.data == Quake3Reply::statusRequest())
            return GameReplies::quake3Status(server);
        return GameReplies::quake3Info(server, sent.data.mid(12).trimmed()); // after "\xFF\xFF\xFF\xFFgetinfo"
    case QueryProtocol::GameSpy:
        return GameReplies::gameSpyStatus(server, 1, 1).first();
    case QueryProtocol::Unreal2:
        if (sent.data == Unreal2Reply::playersRequest())
            return GameReplies::unreal2Players(server);
        return GameReplies::unreal2Details(server, quint16(sent.port - 1));
    }
    return {};
}
} // namespace

void AnsweredGames::answer(const FakeServer &server)
{
    answer(server, {});
}

void AnsweredGames::answer(const FakeServer &server, const QHash<int, FakeServer> &byEntry, const QList<int> &silent)
{
    for (int step = 0; step < 40; ++step) {
        while (m_answered < m_f.datagrams->sent.size()) {
            const RecordingDatagrams::Sent sent = m_f.datagrams->sent[m_answered++];
            const int number = entryAt(sent.port);
            if (silent.contains(number))
                continue;
            m_f.datagrams->reply(sent.host, sent.port, replyTo(sent, byEntry.value(number, server)));
        }
        m_f.queryClock->advance(50);
    }
}

void AnsweredGames::silence()
{
    m_f.queryClock->advance(10 * 1000);
    m_answered = m_f.datagrams->sent.size();
}
