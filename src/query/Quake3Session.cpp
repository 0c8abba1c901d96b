#include "Quake3Session.h"

#include "Quake3Reply.h"

QByteArray Quake3Session::start(const QByteArray &nonce)
{
    return Quake3Reply::statusRequest(nonce);
}

ProtocolSession::Step Quake3Session::feed(const QByteArray &datagram)
{
    const Quake3Reply::Parsed parsed = Quake3Reply::parse(datagram);
    if (!parsed.valid)
        return {};
    return done(parsed.state, parsed.challenge);
}
