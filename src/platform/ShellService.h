#pragma once

#include <QString>

// The shell's execute call: start a program or open a document or address.
class ShellService
{
public:
    virtual ~ShellService() = default;

    // verb "Open" starts the program 'file' with 'parameters' in 'directory';
    // verb "open" opens a web address in the default browser. The result is
    // never examined, so nothing is returned and nothing is thrown.
    virtual void execute(const QString &verb, const QString &file, const QString &parameters,
                         const QString &directory, int showCommand) = 0;
};

namespace ShowCommand {
inline constexpr int normal = 1;
}
