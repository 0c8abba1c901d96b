#include "FriendList.h"

#include "config/LocalFiles.h"

bool FriendList::add(const QString &name)
{
    const QString kept = name.trimmed();
    if (kept.isEmpty() || kept.size() > MaxLength || m_names.size() >= MaxNames || !plain(kept).size()
        || !match(kept).isEmpty())
        return false;
    m_names << kept;
    return true;
}

bool FriendList::remove(int index)
{
    if (index < 0 || index >= m_names.size())
        return false;
    m_names.removeAt(index);
    return true;
}

QString FriendList::match(const QString &player) const
{
    const QString wanted = plain(player);
    for (const QString &name : m_names) {
        if (plain(name) == wanted)
            return name;
    }
    return QString();
}

// A caret and the character after it set a colour in the games' names.
QString FriendList::plain(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name.at(i) == u'^' && i + 1 < name.size()) {
            ++i;
            continue;
        }
        out += name.at(i);
    }
    return out.trimmed().toCaseFolded();
}

FriendList FriendList::load(const LocalFiles &files)
{
    FriendList list;
    for (const QString &name : files.readList(LocalFiles::friends, MaxNames))
        list.add(name);
    return list;
}

void FriendList::save(LocalFiles &files) const
{
    files.writeList(LocalFiles::friends, m_names);
}
