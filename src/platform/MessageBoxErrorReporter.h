#pragma once

#include "ErrorReporter.h"

class MessageBoxErrorReporter : public ErrorReporter
{
public:
    void report(const QString &message) override;
};
