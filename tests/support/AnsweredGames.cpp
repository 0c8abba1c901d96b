#include "AnsweredGames.h"

#include "GameReplies.h"
#include "servers/ServerQueries.h"

namespace {
QByteArray replyTo(const RecordingDatagrams::Sent &sent, const FakeServer &server)
{
    for (const QueryTarget &target : ServerQueries::targets()) {
        if (target.port != sent.port)
            continue;
        switch (target.protocol) {
        case QueryProtocol::Source:
            return GameReplies::sourceInfo(server);
        case QueryProtocol::Quake3:
            return GameReplies::quake3Info(server, sent.data.mid(12).trimmed()); // after "\xFF\xFF\xFF\xFFgetinfo"
        case QueryProtocol::GameSpy:
            return GameReplies::gameSpyStatus(server, 1, 1).first();
        case QueryProtocol::Unreal2:
            return GameReplies::unreal2Details(server, quint16(sent.port - 1));
        }
    }
    return {};
}
} // namespace

void AnsweredGames::answer(const FakeServer &server)
{
    for (int step = 0; step < 40; ++step) {
        while (m_answered < m_f.datagrams->sent.size()) {
            const RecordingDatagrams::Sent sent = m_f.datagrams->sent[m_answered++];
            m_f.datagrams->reply(sent.host, sent.port, replyTo(sent, server));
        }
        m_f.queryClock->advance(50);
    }
}

void AnsweredGames::silence()
{
    m_f.queryClock->advance(10 * 1000);
    m_answered = m_f.datagrams->sent.size();
}
