#pragma once

#include "ProtocolSession.h"

// Unreal 2's native query: the details, then the players when wanted.
class Unreal2Session : public ProtocolSession
{
public:
    using ProtocolSession::ProtocolSession;
    QByteArray start(const QByteArray &nonce) override;
    Step feed(const QByteArray &datagram) override;

private:
    bool m_haveDetails = false;
    ServerState m_details;
};
