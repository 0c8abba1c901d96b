#pragma once

#include <QtGlobal>

#include <vector>

// A socket filter the kernel runs on each datagram before it is queued:
// only datagrams from the listed IPv4 addresses and ports get through, so a
// flood from anyone else costs the reading thread nothing.
class SenderFilter
{
public:
    struct Sender {
        quint32 ipv4; // host order
        quint16 port;
    };
    // Past this many senders the filter lets everything through and the
    // reader sorts the datagrams itself.
    static constexpr int MaxSenders = 512;

    // Puts the filter for 'senders' on the UDP socket 'fd'; false when the
    // kernel refused it (the socket then takes every datagram).
    static bool attach(int fd, const std::vector<Sender> &senders);
};
