#include "ProfileEncoding.h"

#include "Windows1250.h"

#include <QStringDecoder>

namespace {

const QByteArray kUtf8Mark("\xEF\xBB\xBF");
const QByteArray kUtf16LEMark("\xFF\xFE");
const QByteArray kUtf16BEMark("\xFE\xFF");

QString fromUtf8(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    return utf8.decode(bytes);
}

bool hasHighBytes(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

ProfileEncoding ProfileEncoding::detect(const QByteArray &file)
{
    if (file.startsWith(kUtf16LEMark))
        return Utf16LE;
    if (file.startsWith(kUtf16BEMark))
        return Utf16BE;
    if (file.startsWith(kUtf8Mark))
        return Utf8WithMark;
    return isUtf8Text(file) ? Utf8 : Ansi;
}

// Strict, as RFC 3629 has it: no overlong forms, no encoded surrogates,
// nothing past U+10FFFF. Checked in place, without decoding a large file.
bool ProfileEncoding::isUtf8Text(const QByteArray &bytes)
{
    if (!hasHighBytes(bytes))
        return false;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    const auto continues = [&](qsizetype i, uchar low = 0x80, uchar high = 0xBF) {
        return i < n && p[i] >= low && p[i] <= high;
    };
    for (qsizetype i = 0; i < n;) {
        const uchar b = p[i];
        if (b < 0x80) {
            ++i;
        } else if (b >= 0xC2 && b <= 0xDF) {
            if (!continues(i + 1))
                return false;
            i += 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            const uchar low = b == 0xE0 ? 0xA0 : 0x80;
            const uchar high = b == 0xED ? 0x9F : 0xBF;
            if (!continues(i + 1, low, high) || !continues(i + 2))
                return false;
            i += 3;
        } else if (b >= 0xF0 && b <= 0xF4) {
            const uchar low = b == 0xF0 ? 0x90 : 0x80;
            const uchar high = b == 0xF4 ? 0x8F : 0xBF;
            if (!continues(i + 1, low, high) || !continues(i + 2) || !continues(i + 3))
                return false;
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

QByteArray ProfileEncoding::mark() const
{
    switch (m_kind) {
    case Utf8WithMark:
        return kUtf8Mark;
    case Utf16LE:
        return kUtf16LEMark;
    case Utf16BE:
        return kUtf16BEMark;
    default:
        return QByteArray();
    }
}

char16_t ProfileEncoding::unitAt(const QByteArray &bytes, qsizetype at) const
{
    const auto byte = [&bytes](qsizetype i) { return char16_t(static_cast<unsigned char>(bytes.at(i))); };
    switch (m_kind) {
    case Utf16LE:
        return char16_t(byte(at) | byte(at + 1) << 8);
    case Utf16BE:
        return char16_t(byte(at) << 8 | byte(at + 1));
    default:
        return byte(at);
    }
}

QString ProfileEncoding::decode(const QByteArray &bytes) const
{
    switch (m_kind) {
    case Ansi:
        return Windows1250::decode(bytes);
    case Utf8:
    case Utf8WithMark:
        return fromUtf8(bytes);
    default: {
        // Code unit by code unit, so that even a lone surrogate is kept.
        QString text(bytes.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(unitAt(bytes, 2 * i));
        return text;
    }
    }
}

QByteArray ProfileEncoding::encode(const QString &text) const
{
    switch (m_kind) {
    case Ansi:
        return Windows1250::encode(text);
    case Utf8:
    case Utf8WithMark:
        return text.toUtf8();
    default: {
        QByteArray bytes(text.size() * 2, Qt::Uninitialized);
        const bool little = m_kind == Utf16LE;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text.at(i).unicode();
            bytes[2 * i + (little ? 0 : 1)] = char(u & 0xFF);
            bytes[2 * i + (little ? 1 : 0)] = char(u >> 8);
        }
        return bytes;
    }
    }
}

bool ProfileEncoding::canHold(const QString &text) const
{
    return m_kind != Ansi || Windows1250::canEncode(text);
}
