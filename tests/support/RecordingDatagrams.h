#pragma once

#include "platform/network/DatagramService.h"

#include <QVector>

#include <functional>

// Records every datagram sent, with the time the test clock shows; a test
// delivers replies with reply(). Every host is found unless listed as unknown.
class RecordingDatagrams : public DatagramService
{
public:
    struct Sent {
        qint64 atMs;
        QString host;
        quint16 port;
        QByteArray data;
    };
    explicit RecordingDatagrams(std::function<qint64()> now) : m_now(std::move(now)) {}

    void lookUp(const QString &host) override { emit hostFound(host, !unknownHosts.contains(host)); }
    void send(const QString &host, quint16 port, const QByteArray &data) override
    {
        sent.push_back({m_now(), host, port, data});
    }
    void reply(const QString &host, quint16 port, const QByteArray &data) { emit received(host, port, data); }

    QVector<Sent> sent;
    QStringList unknownHosts;

private:
    std::function<qint64()> m_now;
};
