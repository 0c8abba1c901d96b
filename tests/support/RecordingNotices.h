#pragma once

#include "platform/system/NoticeService.h"

#include <QPair>
#include <QVector>

// A way of showing notices that is there or not, as the test says, and
// notes what it was asked to show.
class RecordingNotices : public NoticeService
{
public:
    explicit RecordingNotices(bool there = true) : there(there) {}

    bool available() override { return there; }
    void notify(const QString &title, const QString &text) override { notices.push_back({title, text}); }

    bool there;
    QVector<QPair<QString, QString>> notices;
};
