// Times the profile-file service on a large data.dat: one real "Setting"
// section followed by a million junk lines (about 54 MB). Prints the seconds
// for the thirteen reads of a start-up (the settings load, the first-run flag
// and the update check's flag) and for one save of a key, each with the
// process's peak resident memory so far. The file is first given a
// modification time an hour back, as a player's data.dat has; the reads are
// then timed again right after the save, on a file that has just changed.
#include "platform/profiles/IniProfileStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

const char *const kReads[][3] = {
    {"Setting", "csloc", "cesta"},     {"Setting", "codloc", "cesta"}, {"Setting", "cod210loc", "cesta"},
    {"Setting", "cod213loc", "cesta"}, {"Setting", "avploc", "cesta"}, {"Setting", "vnt", "cesta"},
    {"Setting", "ts", "cesta"},        {"Setting", "ut", "cesta"},     {"Setting", "ut2004", "cesta"},
    {"Sounds", "enabled", "1"},        {"Transparency", "enabled", "1"}, {"Setting", "first", "true"},
    {"Setting", "notshow", "false"},
};

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Written in pieces, so that making the file adds nothing to the peak.
bool writeLargeProfile(QFile &out)
{
    QByteArray head("[Setting]\r\n");
    for (const char *key : {"csloc", "codloc", "cod210loc", "cod213loc", "avploc", "vnt", "ts", "ut", "ut2004"})
        head += QByteArray(key) + "=C:\\Hry\\" + key + "\\game.exe\r\n";
    head += "first=false\r\n";
    if (out.write(head) != head.size())
        return false;
    const QByteArray filler(39, 'x');
    QByteArray block;
    for (int i = 0; i < 1000000; ++i) {
        block += "junk" + QByteArray::number(i).rightJustified(8, '0') + '=' + filler + "\r\n";
        if (block.size() > 1 << 20 || i == 999999) {
            if (out.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return true;
}

double timeReads(IniProfileStore &store, const QString &file)
{
    QElapsedTimer timer;
    timer.start();
    for (const auto &read : kReads)
        store.readValue(file, QLatin1String(read[0]), QLatin1String(read[1]), QLatin1String(read[2]));
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.dat"));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || !writeLargeProfile(out))
            return 1;
        out.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
    }
    std::printf("file: %.1f MB, resident memory before: %.0f MB\n", QFile(file).size() / 1e6, peakMegabytes());

    IniProfileStore store;
    const double reads = timeReads(store, file);
    std::printf("13 reads: %.3f s, peak memory %.0f MB\n", reads, peakMegabytes());

    QElapsedTimer timer;
    timer.start();
    store.writeValue(file, QStringLiteral("Setting"), QStringLiteral("notshow"), QStringLiteral("true"));
    std::printf("one save: %.3f s, peak memory %.0f MB\n", timer.nsecsElapsed() / 1e9, peakMegabytes());

    const double fresh = timeReads(store, file);
    std::printf("13 reads of the file just saved: %.3f s, peak memory %.0f MB\n", fresh, peakMegabytes());
    return 0;
}
