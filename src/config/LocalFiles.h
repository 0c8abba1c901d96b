#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class ProfileStore;

// One value of a local profile file: where it lives and what a read yields
// when it is missing.
struct ProfileKey {
    const char *file;
    const char *section;
    const char *key;
    const char *defaultValue;
};

// Every file the launcher keeps in its application directory, with its
// sections, keys, defaults and the rules its readers apply.
class LocalFiles
{
public:
    // File names.
    static constexpr const char *data = "data.dat";
    static constexpr const char *language = "lng.dat";
    static constexpr const char *update = "update.dat";
    static constexpr const char *versionInf = "version.inf";
    static constexpr const char *versionDat = "version.dat";
    static constexpr const char *online = "online.inf";
    static constexpr const char *statistic = "statistic.inf";

    // data.dat, section "Setting": the nine program paths, then the flags.
    static const ProfileKey csloc, codloc, cod210loc, cod213loc, avploc, vnt, ts, ut, ut2004;
    static const ProfileKey first, notshow;
    static const ProfileKey soundsEnabled, transparencyEnabled;
    // lng.dat
    static const ProfileKey languageType;
    // update.dat
    static const ProfileKey ready;
    // version.inf
    static const ProfileKey infVer, infNew1, infNew2;
    // version.dat
    static const ProfileKey datVer, datNews;

    // A list kept as one section of numbered keys: "name1", "name2", … in
    // data.dat's "Friends"; "entry1" … "entry14" in "Watch", keyed by entry
    // number, "1" for a watched server.
    struct ListSection {
        const char *file;
        const char *section;
        const char *keyPrefix;
    };
    static const ListSection friends, watch;

    // Placeholder of a program path the player never picked.
    static constexpr const char *unsetPath = "cesta";
    // Flag spellings.
    static constexpr const char *trueText = "true";
    static constexpr const char *falseText = "false";
    static constexpr const char *onText = "1";
    static constexpr const char *offText = "0";
    static constexpr const char *czech = "cz";
    static constexpr const char *english = "en";

    LocalFiles(ProfileStore &store, const QString &applicationDirectory);

    QString path(const char *fileName) const;
    // Removes the temporary files and lock files that a write of a local
    // file, cut short by a killed process, left behind. Those of a launcher
    // that is writing now stay; no other file is touched.
    void removeLeftovers() const;
    QString read(const ProfileKey &key) const;
    void write(const ProfileKey &key, const QString &text); // throws ProfileWriteError
    void remove(const char *fileName);
    // The values of keys 1 to 'count', in order, the empty ones left out.
    QStringList readList(const ListSection &list, int count) const;
    // The same with the number of each value's key.
    QList<QPair<int, QString>> readNumbered(const ListSection &list, int count) const;
    // Value i under key i + 1, and no other key in the section; one write.
    void writeList(const ListSection &list, const QStringList &values); // throws ProfileWriteError
    // Under the keys named by number; no other key in the section.
    void writeNumbered(const ListSection &list, const QList<QPair<int, QString>> &values);
    // Its first 'maxLines' lines, each cut to 'maxChars' characters, joined
    // with CR LF. Throws FileLoadError.
    QString loadHead(const char *fileName, int maxLines, qsizetype maxChars) const;

    // Reader rules: each tests one literal exactly.
    static bool switchIsOn(const QString &value) { return value != QLatin1String(offText); }
    static bool isFirstRun(const QString &value) { return value == QLatin1String(trueText); }
    static bool selectsEnglish(const QString &value) { return value == QLatin1String(english); }
    static bool updateIsReady(const QString &value) { return value == QLatin1String(trueText); }
    static bool notshowTicksBox(const QString &value) { return value == QLatin1String(trueText); }
    static bool notshowLetsDialogOpen(const QString &value) { return value == QLatin1String(falseText); }
    static QString flag(bool on) { return QLatin1String(on ? trueText : falseText); }
    static QString switchValue(bool on) { return QLatin1String(on ? onText : offText); }

private:
    ProfileStore &m_store;
    QString m_directory;
};
