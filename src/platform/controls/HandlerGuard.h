#pragma once

#include "platform/system/ErrorReporter.h"

#include <QString>
#include <exception>
#include <utility>

// Runs an event handler; an error that escapes it goes to the error dialog
// and the program goes on, as the toolkit's own exception handling would.
template <typename Fn>
void runGuarded(ErrorReporter *errors, Fn &&handler)
{
    try {
        std::forward<Fn>(handler)();
    } catch (const std::exception &e) {
        if (errors)
            errors->report(QString::fromStdString(e.what()));
    }
}
