#include "StartFailureNotice.h"

#include "platform/system/TrayService.h"


namespace {
struct Notice {
    StartFailure cause;
    const char *czech;
    const char *english;
};

// %1 is the program file.
const Notice notices[] = {
    {StartFailure::NoWine, "Wine není nainstalováno: nainstalujte balíček wine",
     "Wine is not installed: install the package wine"},
    {StartFailure::MissingFile, "Soubor %1 neexistuje: vyberte program znovu v nastavení",
     "The file %1 does not exist: pick the program again in the settings"},
    {StartFailure::Refused, "Systém odmítl spustit %1: zkontrolujte, že je to program a smí se spouštět",
     "The system refused to run %1: check that it is a program and may be executed"},
};
} // namespace

StartFailureNotice::StartFailureNotice(ShellService &shell, TrayService &tray, std::function<bool()> english)
    : m_shell(shell), m_tray(tray), m_english(std::move(english))
{
}

StartFailure StartFailureNotice::startProgram(const QString &file, const QString &arguments, const QString &directory)
{
    const StartFailure failure = m_shell.startProgram(file, arguments, directory);
    if (failure == StartFailure::None || !m_told.insert(failure).second)
        return failure;
    const bool english = m_english();
    for (const Notice &n : notices) {
        if (n.cause != failure)
            continue;
        QString text = QString::fromUtf8(english ? n.english : n.czech);
        if (text.contains(QLatin1String("%1")))
            text = text.arg(file);
        m_tray.showBalloon(english ? QStringLiteral("The program did not start") : QStringLiteral("Program se nespustil"),
                           text);
    }
    return failure;
}

void StartFailureNotice::openAddress(const QString &url)
{
    m_shell.openAddress(url);
}
