#pragma once

#include "CommunityHosts.h"

#include <QString>

// Expected texts write game server host N as "%hN"; the hosts themselves are
// chosen when the launcher is built.
inline QString withGameHosts(QString text)
{
    for (int n = 1; n <= 6; ++n)
        text.replace(QStringLiteral("%h%1").arg(n), QString::fromUtf8(CommunityHosts::game[n - 1]));
    return text;
}
