#pragma once

#include <QStringList>

// One ordered log that several doubles write to, so a test can check the
// order of effects across services.
struct EventLog {
    QStringList events;
    void add(const QString &event) { events << event; }
};
