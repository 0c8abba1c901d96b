#pragma once

#include <QString>
#include <QStringList>

class LocalFiles;

// The player's friends: up to MaxNames player names of up to MaxLength
// characters each, kept in data.dat. A name matches a player on a server
// without regard to case and to colour codes ("^1Pe^7pa" is "pepa").
class FriendList
{
public:
    static constexpr int MaxNames = 50;
    static constexpr int MaxLength = 32;

    FriendList() = default;
    explicit FriendList(QStringList names) : m_names(std::move(names)) {}

    const QStringList &names() const { return m_names; }
    bool isEmpty() const { return m_names.isEmpty(); }

    // False, changing nothing, for an empty or too long name, one already
    // listed, or a full list. The name is kept trimmed.
    bool add(const QString &name);
    bool remove(int index);
    // The listed name that 'player' is; empty when none.
    QString match(const QString &player) const;

    // A name as matched: colour codes out, case folded, blanks trimmed.
    static QString plain(const QString &name);

    static FriendList load(const LocalFiles &files);
    // Writes the whole section anew. Throws ProfileWriteError.
    void save(LocalFiles &files) const;

private:
    QStringList m_names;
};
