#include "FileBytes.h"
#include "config/LocalFiles.h"
#include "platform/profiles/AtomicFile.h"
#include "platform/profiles/IniProfileStore.h"
#include "platform/profiles/ProfileLock.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kWrites = 200;

// Writes its own key kWrites times, each time reading back that key and
// the one that no one writes; the number of failed writes and wrong reads.
int writeMany(const QString &file, const QString &key)
{
    IniProfileStore store;
    int failures = 0;
    for (int i = 1; i <= kWrites; ++i) {
        try {
            store.writeValue(file, "Setting", key, QString::number(i));
        } catch (const ProfileWriteError &) {
            ++failures;
        }
        if (store.readValue(file, "Setting", key, "lost") != QString::number(i)
            || store.readValue(file, "Setting", "keep", "lost") != QLatin1String("C:\\Hry\\cs.exe"))
            ++failures;
    }
    return failures;
}

// Runs 'work' in a child process; its exit status.
pid_t forkRunning(const std::function<int()> &work)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(qMin(work(), 100));
    return pid;
}

int exitCodeOf(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

// Several launchers on one application folder: their writes of one file
// take turns and leave no temporary or lock behind; a killed writer's lock
// and temporary stand in no one's way; a write keeps the file's standing.
class ProfileWritersTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writersKeepEveryKey_data();
    void writersKeepEveryKey();
    void leftoversOfAWriter_data();
    void leftoversOfAWriter();
    void standingIsKept_data();
    void standingIsKept();
    void stoppedWriterIsWaitedFor();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList entries() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void ProfileWritersTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeBytes(path("data.dat"), "[Setting]\r\nkeep=C:\\Hry\\cs.exe\r\n");
}

void ProfileWritersTest::writersKeepEveryKey_data()
{
    QTest::addColumn<bool>("processes");
    QTest::newRow("two processes") << true;
    QTest::newRow("two threads, each with its own store") << false;
}

void ProfileWritersTest::writersKeepEveryKey()
{
    QFETCH(bool, processes);
    const QString file = path("data.dat");
    int failures[2] = {-1, -1};
    if (processes) {
        const pid_t a = forkRunning([&] { return writeMany(file, "a"); });
        const pid_t b = forkRunning([&] { return writeMany(file, "b"); });
        failures[0] = exitCodeOf(a);
        failures[1] = exitCodeOf(b);
    } else {
        std::thread a([&] { failures[0] = writeMany(file, "a"); });
        std::thread b([&] { failures[1] = writeMany(file, "b"); });
        a.join();
        b.join();
    }
    QCOMPARE(failures[0], 0);
    QCOMPARE(failures[1], 0);
    IniProfileStore store;
    for (const char *key : {"a", "b"})
        QCOMPARE(store.readValue(file, "Setting", key, "lost"), QString::number(kWrites));
    QCOMPARE(entries(), QStringList{"data.dat"});
}

void ProfileWritersTest::leftoversOfAWriter_data()
{
    QTest::addColumn<bool>("killed");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QStringList>("remaining");

    QTest::newRow("killed, the next write takes over") << true << false << QStringList{"data.dat"};
    QTest::newRow("killed, start-up removes them") << true << true << QStringList{"data.dat"};
    QTest::newRow("still writing, start-up keeps them") << false << true << QStringList{"data.dat", "data.dat.ovcl-lock", "temporary"};
}

void ProfileWritersTest::leftoversOfAWriter()
{
    QFETCH(bool, killed);
    QFETCH(bool, atStart);
    QFETCH(QStringList, remaining);
    const QString file = path("data.dat");

    // A writer that holds the lock and is halfway through its temporary.
    const auto startWriting = [&file](ProfileLock &lock, AtomicFile &out) {
        return lock.acquire() && out.open() && out.write(QByteArray("[Setting]\r\nke"));
    };
    ProfileLock lock(file);
    AtomicFile out(file);
    if (killed) {
        const pid_t writer = forkRunning([&] {
            if (startWriting(lock, out))
                raise(SIGKILL);
            return 1;
        });
        QCOMPARE(exitCodeOf(writer), -1);
    } else {
        QVERIFY(startWriting(lock, out));
    }
    QCOMPARE(entries().size(), 3);
    remaining.replaceInStrings("temporary", QFileInfo(partialOf(file)).fileName());

    if (atStart) {
        IniProfileStore store;
        LocalFiles(store, m_dir->path() + QLatin1Char('/')).removeLeftovers();
    } else {
        IniProfileStore().writeValue(file, "Setting", "first", "false");
    }
    remaining.sort();
    QCOMPARE(entries(), remaining);
    QCOMPARE(readBytes(file).startsWith("[Setting]\r\nkeep=C:\\Hry\\cs.exe\r\n"), true);
}

void ProfileWritersTest::standingIsKept_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("writable");

    QTest::newRow("read-only") << 0444 << false;
    QTest::newRow("read-only, owner only") << 0400 << false;
    QTest::newRow("owner only") << 0600 << true;
    QTest::newRow("group may read") << 0640 << true;
    QTest::newRow("everyone may write, set-group-id") << 02666 << true;
}

void ProfileWritersTest::standingIsKept()
{
    QFETCH(int, mode);
    QFETCH(bool, writable);
    const QString file = path("data.dat");
    const QByteArray old = readBytes(file);
    QCOMPARE(chmod(QFile::encodeName(file).constData(), mode_t(mode)), 0);

    QString error;
    try {
        IniProfileStore().writeValue(file, "Setting", "first", "false");
    } catch (const ProfileWriteError &e) {
        error = QString::fromUtf8(e.what());
    }
    QCOMPARE(error, writable ? QString() : "Unable to write to " + file);
    QCOMPARE(readBytes(file) == old, !writable);
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(file).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 07777), mode);
    QCOMPARE(entries(), QStringList{"data.dat"});
}

// A writer stopped in the middle of its write, its lock long past its time:
// the next writer waits its two seconds and fails, and the file keeps its
// keys; once the stopped writer has ended, writes succeed again.
void ProfileWritersTest::stoppedWriterIsWaitedFor()
{
    const QString file = path("data.dat");
    const pid_t writer = forkRunning([&] {
        ProfileLock lock(file);
        AtomicFile out(file);
        if (lock.acquire() && out.open() && out.write(QByteArray("[Setting]\r\nke")))
            raise(SIGSTOP);
        return 1;
    });
    int status = 0;
    QCOMPARE(waitpid(writer, &status, WUNTRACED), writer);
    QVERIFY(WIFSTOPPED(status));
    QFile lockFile(file + ".ovcl-lock");
    QVERIFY(lockFile.open(QIODevice::ReadWrite));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    lockFile.close();

    const auto write = [&file] {
        try {
            IniProfileStore().writeValue(file, "Setting", "first", "false");
        } catch (const ProfileWriteError &e) {
            return QString::fromUtf8(e.what());
        }
        return QString();
    };
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(write(), "Unable to write to " + file);
    QVERIFY(waited.elapsed() >= ProfileLock::MaxWaitMs);
    QCOMPARE(readBytes(file), QByteArray("[Setting]\r\nkeep=C:\\Hry\\cs.exe\r\n"));

    kill(writer, SIGKILL);
    QCOMPARE(exitCodeOf(writer), -1);
    QCOMPARE(write(), QString());
    QCOMPARE(IniProfileStore().readValue(file, "Setting", "first", "lost"), QStringLiteral("false"));
}

QTEST_GUILESS_MAIN(ProfileWritersTest)
#include "tst_profilewriters.moc"
