#include "StructuredFile.h"

#include "TextLines.h"

#include <istream>
#include <streambuf>
#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/exceptions.h>
#include <yaml-cpp/parser.h>

namespace {
struct Stopped {};

// Hands the parser the text in small pieces, asking the bound before each;
// once it says stop the text ends there.
class BoundedText : public std::streambuf
{
public:
    BoundedText(const QByteArray &text, const SearchBound &bound) : m_text(text), m_bound(bound) {}

protected:
    int_type underflow() override
    {
        constexpr qsizetype piece = 4096;
        if (m_at >= m_text.size() || m_bound.stopped())
            return traits_type::eof();
        char *begin = const_cast<char *>(m_text.constData()) + m_at;
        const qsizetype size = std::min(piece, m_text.size() - m_at);
        m_at += size;
        setg(begin, begin, begin + size);
        return traits_type::to_int_type(*begin);
    }

private:
    const QByteArray &m_text;
    const SearchBound &m_bound;
    qsizetype m_at = 0;
};

class Collector : public YAML::EventHandler
{
public:
    Collector(const QStringList &patterns, const SearchBound &bound) : m_patterns(patterns), m_bound(bound) {}
    std::vector<StructuredFile::Scalar> scalars;

    void OnDocumentStart(const YAML::Mark &) override {}
    void OnDocumentEnd() override {}
    void OnNull(const YAML::Mark &, YAML::anchor_t) override { leaf(QString()); }
    void OnAlias(const YAML::Mark &, YAML::anchor_t) override { leaf(QString()); }
    void OnScalar(const YAML::Mark &, const std::string &, YAML::anchor_t, const std::string &value) override
    {
        leaf(QString::fromStdString(value));
    }
    void OnSequenceStart(const YAML::Mark &, const std::string &, YAML::anchor_t, YAML::EmitterStyle::value) override
    {
        open(false);
    }
    void OnSequenceEnd() override { close(); }
    void OnMapStart(const YAML::Mark &, const std::string &, YAML::anchor_t, YAML::EmitterStyle::value) override
    {
        open(true);
    }
    void OnMapEnd() override { close(); }

private:
    struct Frame {
        bool map;
        bool isKey = false;  // a nested node as a map key: it has no name to match
        bool wantsKey = true;
        QString key; // in a map: the key whose value comes now
    };

    void step()
    {
        if (m_bound.stoppedAt(++m_events, 64))
            throw Stopped{};
    }
    void open(bool map)
    {
        step();
        bool isKey = false;
        if (!m_frames.empty() && m_frames.back().map && m_frames.back().wantsKey) {
            m_frames.back().key = QStringLiteral("?");
            isKey = true;
        }
        m_frames.push_back({map, isKey, true, QString()});
    }
    void close()
    {
        step();
        const bool wasKey = m_frames.back().isKey;
        m_frames.pop_back();
        if (!m_frames.empty() && m_frames.back().map)
            m_frames.back().wantsKey = !wasKey;
    }
    void leaf(const QString &value)
    {
        step();
        if (m_frames.empty())
            return;
        Frame &top = m_frames.back();
        if (top.map && top.wantsKey) {
            top.key = value;
            top.wantsKey = false;
            return;
        }
        if (top.map)
            top.wantsKey = true;
        QStringList keys;
        for (const Frame &f : m_frames) {
            if (!f.map)
                return; // inside a sequence: no key names it
            keys << f.key;
        }
        for (const QString &pattern : m_patterns)
            if (StructuredFile::matches(keys, pattern)) {
                scalars.push_back({keys, value});
                break;
            }
    }

    const QStringList &m_patterns;
    const SearchBound &m_bound;
    std::vector<Frame> m_frames;
    quint64 m_events = 0;
};
} // namespace

bool StructuredFile::matches(const QStringList &keys, const QString &pattern)
{
    const QStringList wanted = pattern.split(QLatin1Char('/'));
    if (wanted.size() != keys.size())
        return false;
    for (qsizetype i = 0; i < keys.size(); ++i)
        if (wanted.at(i) != QLatin1String("*") && wanted.at(i) != keys.at(i))
            return false;
    return true;
}

std::vector<StructuredFile::Scalar> StructuredFile::read(const QString &file, const QStringList &patterns,
                                                         const SearchBound &bound, qint64 maxSize)
{
    const QByteArray text = TextLines::readAll(file, bound, maxSize);
    if (text.isEmpty())
        return {};
    BoundedText buffer(text, bound);
    std::istream in(&buffer);
    Collector collector(patterns, bound);
    try {
        YAML::Parser parser(in);
        parser.HandleNextDocument(collector);
    } catch (const YAML::Exception &) {
        return {};
    } catch (const Stopped &) {
        return {};
    }
    if (bound.stopped())
        return {};
    return std::move(collector.scalars);
}

QString StructuredFile::first(const std::vector<Scalar> &scalars, const QString &pattern)
{
    for (const Scalar &s : scalars)
        if (matches(s.keys, pattern))
            return s.value;
    return QString();
}
