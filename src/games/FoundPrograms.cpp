#include "FoundPrograms.h"

#include <QFileInfo>

void FoundPrograms::add(Program program, const QString &file, bool certain)
{
    std::vector<Candidate> &list = m_found[program];
    const QString canonical = QFileInfo(file).canonicalFilePath();
    for (const Candidate &c : list)
        if (c.file == file || (!canonical.isEmpty() && QFileInfo(c.file).canonicalFilePath() == canonical))
            return;
    list.push_back({file, certain});
}

QStringList FoundPrograms::files(Program program) const
{
    QStringList files;
    const auto it = m_found.find(program);
    if (it != m_found.end())
        for (const Candidate &c : it->second)
            files << c.file;
    return files;
}

QStringList FoundPrograms::folders(Program program) const
{
    QStringList folders;
    for (const QString &file : files(program)) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString FoundPrograms::best(Program program) const
{
    return files(program).value(0);
}

QString FoundPrograms::unambiguous(Program program) const
{
    const auto it = m_found.find(program);
    if (it == m_found.end() || it->second.size() != 1 || !it->second.front().certain)
        return QString();
    return it->second.front().file;
}
