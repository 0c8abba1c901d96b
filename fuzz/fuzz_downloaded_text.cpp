// Feeds arbitrary bytes, as a web server might send them, through the
// handling of the downloaded counter and version texts.
#include "config/LocalFiles.h"
#include "platform/profiles/IniProfileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static IniProfileStore store;
    static LocalFiles files(store, dir.path() + QLatin1Char('/'));

    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    for (const char *name : {LocalFiles::statistic, LocalFiles::versionInf}) {
        QFile out(files.path(name));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
            abort();
    }
    // A counter text is shown as its first lines, joined by CR LF.
    const QString shown = files.loadHead(LocalFiles::statistic, 8, 256);
    if (shown.contains(QLatin1Char('\n')) && !shown.contains(QLatin1String("\r\n")))
        abort();
    // A version descriptor is read key by key with its defaults.
    const QString ver = files.read(LocalFiles::infVer);
    (void)files.read(LocalFiles::infNew1);
    (void)files.read(LocalFiles::infNew2);
    if (ver.size() > 2047)
        abort();
    return 0;
}
