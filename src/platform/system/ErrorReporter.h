#pragma once

#include <QString>

// Shows an error that escaped an event handler, the way the toolkit's
// standard error dialog does. The program goes on afterwards.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const QString &message) = 0;
};
