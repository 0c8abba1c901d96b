#pragma once

#include <QString>

// One way of putting a short notice in front of the player.
class NoticeService
{
public:
    virtual ~NoticeService() = default;

    // Whether a notice can go this way now.
    virtual bool available() = 0;
    // Both texts are plain text.
    virtual void notify(const QString &title, const QString &text) = 0;
};
