#pragma once

#include "Program.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// The program files found for each settings row, best first.
class FoundPrograms
{
public:
    // How a file was found.
    enum class How {
        Steam,    // a Steam library's app (native, or Windows Steam in a prefix)
        Registry, // an install folder a prefix's registry names
        Search,   // the walk through a prefix's program folders
    };
    struct Candidate {
        QString file;
        bool certain = true;
        How how = How::Search;
        QString prefix; // the Wine prefix it was found through; empty for a native library
        int steamApp = 0; // the Steam app it belongs to; 0 for none
    };

    // 'certain': the file is this row's for sure (a Call of Duty 2 program
    // whose version could not be read is offered to both of its rows, and
    // is certain for neither). A file already listed for the row is not
    // listed again.
    void add(Program program, Candidate candidate);

    const std::vector<Candidate> &candidates(Program program) const;
    QStringList files(Program program) const;
    // The folders of the row's candidates, each once, in their order.
    QStringList folders(Program program) const;
    // The best candidate, or empty.
    QString best(Program program) const;
    // The one candidate when it is the only one and certain, else empty.
    QString unambiguous(Program program) const;

private:
    std::map<Program, std::vector<Candidate>> m_found;
};
