// Feeds arbitrary bytes, as a web server might send them, through the
// handling of the downloaded counter and version texts, in memory: the
// lines a counter shows and the keys a version descriptor is read by.
#include "config/LocalFiles.h"
#include "platform/profiles/IniDocument.h"
#include "platform/profiles/ProfileLines.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {
QString read(const IniDocument &doc, const ProfileKey &key)
{
    return doc.value(QLatin1String(key.section), QLatin1String(key.key), QLatin1String(key.defaultValue));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    // A counter text is shown as its first lines, joined by CR LF.
    const QStringList lines = ProfileLines::first(bytes, 8, 256);
    if (lines.size() > 8)
        abort();
    for (const QString &line : lines) {
        if (line.size() > 256 || line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            abort();
    }
    // A version descriptor is read key by key with its defaults.
    const IniDocument doc = IniDocument::parse(bytes);
    for (const ProfileKey *key : {&LocalFiles::infVer, &LocalFiles::infNew1, &LocalFiles::infNew2}) {
        const QString value = read(doc, *key);
        if (value.size() > IniDocument::MaxValueLength || value.contains(QLatin1Char('\n')))
            abort();
    }
    return 0;
}
