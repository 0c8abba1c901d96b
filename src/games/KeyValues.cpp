#include "KeyValues.h"

#include <QFile>

namespace {
constexpr int maxDepth = 32;
constexpr int maxNodes = 200000;
} // namespace

class KeyValues::Reader
{
public:
    explicit Reader(const QByteArray &text) : m_p(text.constData()), m_end(text.constData() + text.size()) {}

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
            if (key.kind != Token::Text || ++m_nodes > maxNodes)
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
    int m_nodes = 0;
};

std::optional<KeyValues> KeyValues::parse(const QByteArray &text)
{
    KeyValues root;
    root.section = true;
    Reader reader(text);
    if (!reader.readSection(root, 0))
        return std::nullopt;
    return root;
}

std::optional<KeyValues> KeyValues::read(const QString &file, qint64 limit)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.size() > limit)
        return std::nullopt;
    return parse(f.read(limit));
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
