#include "KeyValues.h"

#include "TextLines.h"

namespace {
constexpr int maxDepth = 32;
constexpr int maxNodes = 200000;
} // namespace

class KeyValues::Reader
{
public:
    Reader(const QByteArray &text, const SearchBound *bound)
        : m_p(text.constData()), m_end(text.constData() + text.size()), m_bound(bound)
    {
        // Steam writes some files with a byte-order mark.
        if (text.startsWith("\xEF\xBB\xBF"))
            m_p += 3;
    }

    // Reads pairs into 'into' until its closing brace (or the end at depth 0).
    bool readSection(KeyValues &into, int depth)
    {
        if (depth > maxDepth)
            return false;
        for (;;) {
            Token key = next();
            while (key.kind == Token::Condition) // of the pair before
                key = next();
            if (key.kind == Token::End)
                return depth == 0;
            if (key.kind == Token::Close)
                return depth > 0;
            if (key.kind != Token::Text || ++m_nodes > maxNodes || (m_bound && m_bound->stoppedAt(m_nodes)))
                return false;
            Token value = next();
            while (value.kind == Token::Condition)
                value = next();
            KeyValues node;
            node.name = key.text;
            if (value.kind == Token::Open) {
                node.section = true;
                if (!readSection(node, depth + 1))
                    return false;
            } else if (value.kind == Token::Text) {
                node.value = value.text;
            } else {
                return false;
            }
            into.children.push_back(std::move(node));
        }
    }

private:
    struct Token {
        enum Kind { End, Text, Open, Close, Condition, Broken } kind;
        QString text;
    };

    void skipSpaceAndComments()
    {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                ++m_p;
            } else if (c == '/' && m_p + 1 < m_end && m_p[1] == '/') {
                while (m_p < m_end && *m_p != '\n')
                    ++m_p;
            } else {
                return;
            }
        }
    }

    Token next()
    {
        skipSpaceAndComments();
        if (m_p >= m_end)
            return {Token::End, {}};
        const char c = *m_p;
        if (c == '{' || c == '}') {
            ++m_p;
            return {c == '{' ? Token::Open : Token::Close, {}};
        }
        if (c == '[') {
            while (m_p < m_end && *m_p != ']' && *m_p != '\n')
                ++m_p;
            if (m_p < m_end && *m_p == ']')
                ++m_p;
            return {Token::Condition, {}};
        }
        QByteArray text;
        if (c == '"') {
            ++m_p;
            while (m_p < m_end && *m_p != '"') {
                char ch = *m_p++;
                if (ch == '\\' && m_p < m_end) {
                    const char escaped = *m_p++;
                    ch = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                }
                text.append(ch);
            }
            if (m_p >= m_end)
                return {Token::Broken, {}};
            ++m_p;
        } else {
            while (m_p < m_end && !QByteArrayView(" \t\r\n{}\"").contains(*m_p))
                text.append(*m_p++);
        }
        return {Token::Text, QString::fromUtf8(text)};
    }

    const char *m_p;
    const char *m_end;
    const SearchBound *m_bound;
    int m_nodes = 0;
};

std::optional<KeyValues> KeyValues::parse(const QByteArray &text, const SearchBound *bound)
{
    KeyValues root;
    root.section = true;
    Reader reader(text, bound);
    if (!reader.readSection(root, 0))
        return std::nullopt;
    return root;
}

std::optional<KeyValues> KeyValues::read(const QString &file, const SearchBound &bound, qint64 limit)
{
    const QByteArray text = TextLines::readAll(file, bound, limit);
    if (text.isEmpty())
        return std::nullopt;
    return parse(text, &bound);
}

const KeyValues *KeyValues::child(const QString &key) const
{
    for (const KeyValues &c : children)
        if (c.name.compare(key, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QString KeyValues::valueOf(const QString &key) const
{
    const KeyValues *c = child(key);
    return c && !c->section ? c->value : QString();
}
