#pragma once

#include "ProtocolSession.h"

// Quake 3 style servers: "getstatus <nonce>", which lists every player and
// every slot; a reply that echoes a nonce tells which try it answers.
class Quake3Session : public ProtocolSession
{
public:
    using ProtocolSession::ProtocolSession;
    QByteArray start(const QByteArray &nonce) override;
    Step feed(const QByteArray &datagram) override;
};
