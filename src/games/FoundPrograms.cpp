#include "FoundPrograms.h"

#include <QFileInfo>

void FoundPrograms::add(Program program, Candidate candidate)
{
    std::vector<Candidate> &list = m_found[program];
    const QString canonical = QFileInfo(candidate.file).canonicalFilePath();
    for (const Candidate &c : list)
        if (c.file == candidate.file || (!canonical.isEmpty() && QFileInfo(c.file).canonicalFilePath() == canonical))
            return;
    list.push_back(std::move(candidate));
}

const std::vector<FoundPrograms::Candidate> &FoundPrograms::candidates(Program program) const
{
    static const std::vector<Candidate> none;
    const auto it = m_found.find(program);
    return it == m_found.end() ? none : it->second;
}

QStringList FoundPrograms::files(Program program) const
{
    QStringList files;
    for (const Candidate &c : candidates(program))
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
    const std::vector<Candidate> &list = candidates(program);
    if (list.size() != 1 || !list.front().certain)
        return QString();
    return list.front().file;
}
