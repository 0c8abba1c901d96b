#include "PeVersion.h"

#include <QFile>
#include <QtEndian>

namespace {
constexpr qint64 maxProgram = 64 << 20;
constexpr quint32 fixedInfoSignature = 0xFEEF04BD;
} // namespace

// The resource holds the UTF-16 key "VS_VERSION_INFO", then, aligned to four
// bytes, the fixed information starting with its signature.
std::optional<PeVersion::Version> PeVersion::of(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > maxProgram)
        return std::nullopt;
    const QByteArray bytes = f.read(maxProgram);
    if (!bytes.startsWith("MZ"))
        return std::nullopt;
    static const QByteArray key = QByteArray::fromRawData(
        reinterpret_cast<const char *>(u"VS_VERSION_INFO"), 15 * 2);
    for (qsizetype at = bytes.indexOf(key); at >= 0; at = bytes.indexOf(key, at + 1)) {
        for (qsizetype p = at + key.size(); p + 16 <= bytes.size() && p < at + key.size() + 8; ++p) {
            if (qFromLittleEndian<quint32>(bytes.constData() + p) != fixedInfoSignature)
                continue;
            const quint32 fileVersionMs = qFromLittleEndian<quint32>(bytes.constData() + p + 8);
            return Version{int(fileVersionMs >> 16), int(fileVersionMs & 0xffff)};
        }
    }
    return std::nullopt;
}
