#include "GameReplies.h"

#include <QtEndian>

namespace GameReplies {

namespace {
const QByteArray single("\xFF\xFF\xFF\xFF", 4);

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray cstr(const QString &s)
{
    return s.toUtf8() + '\0';
}

// Unreal 2 text: Latin-1 with its length, or UTF-16 when it needs it.
QByteArray unrealText(const QString &s)
{
    const QString fits = QString::fromLatin1(s.toLatin1());
    if (fits == s) {
        const QByteArray bytes = s.toLatin1() + '\0';
        return char(bytes.size()) + bytes;
    }
    QByteArray out(1, char(0x80 | (s.size() + 1)));
    for (QChar c : s + QChar(0))
        out += char(c.unicode() & 0xFF), out += char(c.unicode() >> 8);
    return out;
}
} // namespace

QByteArray sourceChallenge(const QByteArray &challenge)
{
    return single + 'A' + challenge;
}

QByteArray sourcePlayers(const FakeServer &s)
{
    QByteArray out = single + 'D' + char(s.players.size());
    for (int i = 0; i < s.players.size(); ++i)
        out += char(i) + cstr(s.players[i]) + le32(i * 5) + le32(0x42c80000); // 100.0 s
    return out;
}

QByteArray sourceInfo(const FakeServer &s)
{
    return single + 'I' + char(48) + cstr(s.name) + cstr(s.map) + cstr(QStringLiteral("cstrike"))
        + cstr(QStringLiteral("Counter-Strike")) + QByteArray("\x0a\x00", 2) + char(s.players.size())
        + char(s.maxPlayers) + char(0) + 'd' + 'l' + char(s.password ? 1 : 0) + char(1)
        + cstr(QStringLiteral("1.1.2.7"));
}

QByteArray goldSrcInfo(const FakeServer &s)
{
    return single + 'm' + cstr(QStringLiteral("127.0.0.1:27015")) + cstr(s.name) + cstr(s.map)
        + cstr(QStringLiteral("cstrike")) + cstr(QStringLiteral("Counter-Strike")) + char(s.players.size())
        + char(s.maxPlayers) + char(47) + 'd' + 'l' + char(s.password ? 1 : 0) + char(0) + char(1) + char(0);
}

QList<QByteArray> split(const QByteArray &reply, int parts, bool goldSrc, quint32 id)
{
    QList<QByteArray> out;
    const int size = int((reply.size() + parts - 1) / parts);
    for (int n = 0; n < parts; ++n) {
        QByteArray d("\xFE\xFF\xFF\xFF", 4);
        QByteArray idBytes(4, '\0');
        qToLittleEndian(id, idBytes.data());
        d += idBytes;
        const QByteArray chunk = reply.mid(n * size, size);
        if (goldSrc) {
            d += char(n << 4 | parts);
        } else {
            d += char(parts);
            d += char(n);
            d += char(1248 & 0xFF);
            d += char(1248 >> 8);
        }
        out << d + chunk;
    }
    return out;
}

// As Quake 3 servers count for getinfo: the public slots and who is in them.
QByteArray quake3Info(const FakeServer &s, const QByteArray &challenge)
{
    QByteArray out = single + "infoResponse\n";
    out += "\\challenge\\" + challenge + "\\protocol\\118\\hostname\\" + s.name.toLatin1() + "\\mapname\\"
        + s.map.toLatin1() + "\\clients\\" + QByteArray::number(s.publicPlayers()) + "\\sv_maxclients\\"
        + QByteArray::number(s.publicSlots()) + "\\gametype\\tdm\\pswrd\\" + (s.password ? "1" : "0");
    return out;
}

QByteArray quake3Status(const FakeServer &s, const QByteArray &challenge)
{
    QByteArray out = single + "statusResponse\n";
    out += "\\sv_hostname\\" + s.name.toLatin1() + "\\mapname\\" + s.map.toLatin1() + "\\sv_maxclients\\"
        + QByteArray::number(s.maxPlayers) + "\\g_gametype\\tdm\\pswrd\\" + (s.password ? "1" : "0")
        + "\\sv_privateClients\\" + QByteArray::number(s.privateSlots);
    if (!challenge.isEmpty())
        out += "\\challenge\\" + challenge;
    out += '\n';
    for (int i = 0; i < s.players.size(); ++i)
        out += QByteArray::number(i * 3) + ' ' + QByteArray::number(40 + i) + " \"" + s.players[i].toLatin1()
            + "\"\n";
    return out;
}

QList<QByteArray> gameSpyStatus(const FakeServer &s, int parts, int queryId)
{
    QList<QByteArray> pairs;
    pairs << "\\hostname\\" + s.name.toLatin1() << "\\hostport\\7777" << "\\mapname\\" + s.map.toLatin1()
          << "\\gametype\\DeathMatchPlus" << "\\numplayers\\" + QByteArray::number(s.players.size())
          << "\\maxplayers\\" + QByteArray::number(s.maxPlayers)
          << (s.avp2Keys ? "\\lock\\" + QByteArray(s.password ? "1" : "0")
                         : "\\password\\" + QByteArray(s.password ? "True" : "False"));
    for (int i = 0; i < s.players.size(); ++i) {
        const QByteArray n = QByteArray::number(i);
        pairs << "\\player_" + n + "\\" + s.players[i].toLatin1() + (s.avp2Keys ? "\\score_" : "\\frags_") + n + "\\"
                     + QByteArray::number(i * 2)
                     + "\\ping_" + n + "\\" + QByteArray::number(50 + i);
    }
    QList<QByteArray> out;
    const int per = int((pairs.size() + parts - 1) / parts);
    for (int n = 0; n < parts; ++n) {
        QByteArray d;
        for (const QByteArray &p : pairs.mid(n * per, per))
            d += p;
        d += "\\queryid\\" + QByteArray::number(queryId) + '.' + QByteArray::number(n + 1);
        if (n == parts - 1)
            d += "\\final\\";
        out << d;
    }
    return out;
}

QByteArray unreal2Details(const FakeServer &s, quint16 gamePort)
{
    // Real servers leave the address out: a bare zero length.
    return QByteArray("\x80\x00\x00\x00\x00", 5) + le32(0) + QByteArray(1, '\0') + le32(gamePort)
        + le32(gamePort + 1) + unrealText(s.name) + unrealText(s.map) + unrealText(QStringLiteral("xDeathMatch"))
        + le32(int(s.players.size())) + le32(s.maxPlayers) + le32(0) + le32(s.password ? 1 : 0)
        + unrealText(QStringLiteral("4"));
}

QByteArray unreal2Rules(const FakeServer &s)
{
    return QByteArray("\x80\x00\x00\x00\x01", 5) + unrealText(QStringLiteral("ServerMode"))
        + unrealText(QStringLiteral("dedicated")) + unrealText(QStringLiteral("GamePassword"))
        + unrealText(s.password ? QStringLiteral("True") : QStringLiteral("False"));
}

QByteArray unreal2Players(const FakeServer &s)
{
    QByteArray out("\x80\x00\x00\x00\x02", 5);
    for (int i = 0; i < s.players.size(); ++i)
        out += le32(i) + unrealText(s.players[i]) + le32(30 + i) + le32(i * 4) + le32(0);
    return out;
}

} // namespace GameReplies
