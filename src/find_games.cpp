// ovcl_find_games: what the launcher finds of the player's games and how it
// would start one, as JSON, for players ("why is my game not found?") and
// tests. It runs the launcher's own code: the search on its own thread
// through GameSearch, the start plan through ProgramStart.
//
//   ovcl_find_games [--home DIR]
//   ovcl_find_games [--home DIR] --plan FILE [ARG...]
#include "config/SettingsRows.h"
#include "games/GameSearch.h"
#include "games/ProgramStart.h"
#include "servers/ServerCatalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <cstdio>

namespace {
QString json(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString jsonOrNull(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("null") : json(text);
}

QString list(const QStringList &items)
{
    QStringList quoted;
    for (const QString &item : items)
        quoted << json(item);
    return QLatin1Char('[') + quoted.join(QLatin1String(", ")) + QLatin1Char(']');
}

const char *howName(FoundPrograms::How how)
{
    switch (how) {
    case FoundPrograms::How::Steam:
        return "steam";
    case FoundPrograms::How::Registry:
        return "registry";
    case FoundPrograms::How::Search:
        break;
    }
    return "search";
}

// The rows in the settings window's order, named by their data.dat keys.
QString findings(const QString &home)
{
    QElapsedTimer clock;
    clock.start();
    GameSearch search(home);
    search.waitUntilDone();
    const qint64 elapsed = clock.elapsed();
    const FoundPrograms &found = search.found();
    QStringList rows;
    for (const PathRow &row : pathRows()) {
        QStringList candidates;
        for (const FoundPrograms::Candidate &c : found.candidates(row.program))
            candidates << QStringLiteral("{\"path\": %1, \"how\": \"%2\", \"prefix\": %3, \"steam_app\": %4}")
                              .arg(json(c.file), QLatin1String(howName(c.how)), jsonOrNull(c.prefix),
                                   c.steamApp ? QString::number(c.steamApp) : QStringLiteral("null"));
        rows << QStringLiteral("    \"%1\": {\"filled\": %2, \"found\": [%3]}")
                    .arg(QLatin1String(row.key->key), jsonOrNull(found.unambiguous(row.program)),
                         candidates.isEmpty() ? QString() : QLatin1String("\n      ") + candidates.join(QLatin1String(",\n      ")) + QLatin1String("\n    "));
    }
    return QStringLiteral("{\"elapsed_ms\": %1, \"rows\": {\n%2\n}}\n").arg(elapsed).arg(rows.join(QLatin1String(",\n")));
}

QString plan(const QString &file, const QStringList &arguments, const QProcessEnvironment &environment)
{
    // As a join does: the program's folder, the file it means there.
    const QString directory = ServerCatalogue::workingDirectory(file);
    const ProgramStart start =
        ProgramStart::of(ProgramStart::resolve(file, directory), arguments, directory, environment);
    QStringList added; // only what the start adds to the player's environment
    for (const QString &name : start.environment.keys())
        if (!environment.contains(name) || environment.value(name) != start.environment.value(name))
            added << json(name) + QLatin1String(": ") + json(start.environment.value(name));
    static const char *const via[] = {"direct", "wine", "steam"};
    static const char *const failures[] = {nullptr, "no-wine", "missing-file", "refused"};
    const char *failure = failures[int(start.failure)];
    return QStringLiteral("{\"program\": %1, \"arguments\": %2, \"working_directory\": %3, \"environment\": {%4}, "
                          "\"via\": \"%5\", \"failure\": %6}\n")
        .arg(jsonOrNull(start.program), list(start.arguments), jsonOrNull(start.workingDirectory),
             added.join(QLatin1String(", ")), QLatin1String(via[int(start.via)]),
             failure ? json(QLatin1String(failure)) : QStringLiteral("null"));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString home = QDir::homePath();
    if (args.value(0) == QLatin1String("--home") && args.size() >= 2) {
        home = QDir(args.at(1)).absolutePath();
        environment.insert(QStringLiteral("HOME"), home);
        args = args.mid(2);
    }
    QString out;
    if (args.isEmpty()) {
        out = findings(home);
    } else if (args.first() == QLatin1String("--plan") && args.size() >= 2) {
        out = plan(args.at(1), args.mid(2), environment);
    } else {
        std::fputs("usage: ovcl_find_games [--home DIR]\n"
                   "       ovcl_find_games [--home DIR] --plan FILE [ARG...]\n", stderr);
        return 2;
    }
    std::fputs(out.toUtf8().constData(), stdout);
    return 0;
}
