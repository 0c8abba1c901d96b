#include "AnsweredGames.h"

#include "StandIns.h"
#include "servers/ServerQueries.h"

void AnsweredGames::answer(const FakeServer &server)
{
    answer(server, {});
}

void AnsweredGames::answer(const FakeServer &server, const QHash<int, FakeServer> &byEntry, const QList<int> &silent)
{
    const QVector<QueryTarget> targets = ServerQueries::targets();
    for (int step = 0; step < 60; ++step) {
        while (m_answered < m_f.datagrams->sent.size()) {
            const RecordingDatagrams::Sent sent = m_f.datagrams->sent[m_answered++];
            for (int i = 0; i < targets.size(); ++i) {
                const QueryTarget &target = targets[i];
                if (target.port != sent.port || target.host != sent.host)
                    continue;
                if (silent.contains(i + 1))
                    break;
                const StandIns::Context context{byEntry.value(i + 1, server), StandIns::Mode::Normal,
                                                quint16(sent.port - 1), quint32(m_answered)};
                for (const QByteArray &reply : StandIns::of(target.protocol).answer(sent.data, context))
                    m_f.datagrams->reply(sent.host, sent.port, reply);
                break;
            }
        }
        m_f.queryClock->advance(50);
    }
}

void AnsweredGames::silence()
{
    m_f.queryClock->advance(10 * 1000);
    m_answered = m_f.datagrams->sent.size();
}
