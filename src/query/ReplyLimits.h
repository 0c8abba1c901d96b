#pragma once

#include <QtGlobal>

// Bounds on everything a game server's reply may make the launcher keep.
namespace ReplyLimits {
inline constexpr int MaxDatagram = 64 * 1024;    // larger datagrams are dropped unread
inline constexpr int MaxText = 96;               // characters kept of a name or map
inline constexpr int MaxPairs = 256;             // key/value pairs read from one reply
inline constexpr int MaxPlayerRows = 64;         // players listed
inline constexpr int MaxCount = 999;             // player counts are clamped to 0..MaxCount
inline constexpr int MaxParts = 16;              // datagrams one reply may be split into
inline constexpr int MaxPendingReplies = 4;      // split replies assembled at once
inline constexpr int MaxAssemblyBytes = 128 * 1024; // bytes held for unfinished replies
inline constexpr int MaxChallengeRounds = 3;     // challenges answered per try
} // namespace ReplyLimits
