#include "DataArchive.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <memory>
#include <thread>

namespace {

// Generous, for the sanitizer build on a busy machine; the waits end as soon as the process does.
constexpr int Timeout = 60000;

// Instances of the application run as real processes by one user: one HOME, one XDG_RUNTIME_DIR
// and one XDG_CONFIG_HOME, and one folder with the archive.
class RunningInstancesTest : public ::testing::Test
{
protected:
    QTemporaryDir m_root;

    QString folder(const QString& name) const { return m_root.path() + "/" + name; }
    QString data() const { return folder("runtime/CorvaneData/Data"); }
    QString settingsFile() const { return folder("config/Tamrel_SoftWare/Corvane/Mainwindow.txt"); }

    void SetUp() override
    {
        for (const QString& name : QStringList{"app", "home", "config", "runtime"})
            ASSERT_TRUE(QDir().mkpath(folder(name)));
        QFile::setPermissions(folder("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        WriteDataZip(folder("app"), CompleteDataEntries());
    }

    // Starts an instance and waits until its event loop runs; nullptr, after a failure naming
    // what it said instead (such as "message" when a message box holds its start-up), when it
    // does not. prepare may set up the process further before it starts.
    std::unique_ptr<QProcess> startRunning(const std::function<void(QProcess&)>& prepare = {}) const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", folder("home"));
        environment.insert("XDG_CONFIG_HOME", folder("config"));
        environment.insert("XDG_RUNTIME_DIR", folder("runtime"));
        environment.insert("TMPDIR", folder("home"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (prepare)
            prepare(*process);
        process->start(CORVANE_INSTANCE_PROGRAM, {folder("app")});
        const QByteArray line = nextLine(*process);
        if (line == "running")
            return process;
        ADD_FAILURE() << "the instance said \"" << line.toStdString() << "\"";
        return nullptr;
    }

    static QByteArray nextLine(QProcess& process)
    {
        while (!process.canReadLine() && process.waitForReadyRead(Timeout)) {
        }
        return process.readLine().trimmed();
    }

    // What a running instance shows for a laisse of a manuscript: the verse texts joined by "|".
    static QString shown(QProcess& process, const QByteArray& siglumAndLaisse)
    {
        process.write(siglumAndLaisse + "\n");
        return QString::fromUtf8(nextLine(process));
    }

    // Sends signal and waits for the process to end: its exit status, -1 when it did not exit.
    static int endWith(QProcess& process, int signal)
    {
        ::kill(pid_t(process.processId()), signal);
        if (!process.waitForFinished(Timeout) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        return process.exitCode();
    }
};

// A termination signal ends an instance as Quit does: its settings written, status 0, and the
// data removed only once no other instance runs.
TEST_F(RunningInstancesTest, TheDataStaysUntilTheLastInstanceQuits)
{
    const auto first = startRunning();
    const auto second = startRunning();
    ASSERT_TRUE(first && second);

    EXPECT_EQ(endWith(*first, SIGTERM), 0);
    EXPECT_TRUE(QFileInfo(settingsFile()).isFile());
    EXPECT_TRUE(QFileInfo(data() + "/Manuscripts/P/Texte.txt").isFile()) << "the second reads it";

    EXPECT_EQ(endWith(*second, SIGTERM), 0);
    EXPECT_FALSE(QFileInfo::exists(data()));
    EXPECT_TRUE(QFileInfo(folder("runtime/CorvaneData")).isDir());
}

TEST_F(RunningInstancesTest, AKilledInstanceDoesNotKeepTheDataFromTheLastQuit)
{
    const auto killed = startRunning();
    const auto last = startRunning();
    ASSERT_TRUE(killed && last);

    killed->kill();
    ASSERT_TRUE(killed->waitForFinished(Timeout));
    EXPECT_EQ(endWith(*last, SIGTERM), 0);
    EXPECT_FALSE(QFileInfo::exists(data()));
}

// How runs end and what instances share, as a desktop and a shell make them.

// A closing terminal sends SIGHUP twice, a session's end SIGTERM and then SIGHUP: one request,
// and the quit it started finishes.
TEST_F(RunningInstancesTest, SignalsArrivingTogetherAreOneQuit)
{
    for (const auto& [first, second] : {std::pair{SIGHUP, SIGHUP}, std::pair{SIGTERM, SIGHUP}}) {
        const auto instance = startRunning();
        ASSERT_TRUE(instance);
        ::kill(pid_t(instance->processId()), first);
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        EXPECT_EQ(endWith(*instance, second), 0) << first << " then " << second;
        EXPECT_TRUE(QFileInfo(settingsFile()).isFile());
        EXPECT_FALSE(QFileInfo::exists(data()));
        QFile::remove(settingsFile());
    }
}

// As nohup starts it: the hang-up it ignores does not end it.
TEST_F(RunningInstancesTest, ASignalIgnoredAtStartStaysIgnored)
{
    const auto instance = startRunning([](QProcess& process) {
        process.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
    });
    ASSERT_TRUE(instance);
    ::kill(pid_t(instance->processId()), SIGHUP);
    EXPECT_FALSE(instance->waitForFinished(500));
    EXPECT_EQ(endWith(*instance, SIGTERM), 0);
}

// A folder at the lock path cannot be locked: the instance runs, says so, and its quit still
// removes the data. A link of the user's there is replaced by a lock file, its target untouched.
TEST_F(RunningInstancesTest, ALockThatCannotBeHeldNeverLeavesTheDataBehind)
{
    const QString lockPath = folder("runtime/CorvaneData.lock");
    ASSERT_TRUE(QDir().mkpath(lockPath));
    const auto uncoordinated = startRunning(
        [](QProcess& process) { process.setProcessChannelMode(QProcess::SeparateChannels); });
    ASSERT_TRUE(uncoordinated);
    EXPECT_EQ(endWith(*uncoordinated, SIGTERM), 0);
    EXPECT_TRUE(uncoordinated->readAllStandardError().contains("not coordinated"));
    EXPECT_FALSE(QFileInfo::exists(data()));

    ASSERT_TRUE(QDir(lockPath).removeRecursively());
    const QString target = folder("home/theirs.txt");
    ASSERT_TRUE(QFile(target).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(target, lockPath));
    const auto first = startRunning();
    const auto second = startRunning();
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(QFileInfo(lockPath).isSymLink());
    EXPECT_EQ(endWith(*first, SIGTERM), 0);
    EXPECT_TRUE(QFileInfo(data()).isDir()) << "the second still runs";
    EXPECT_EQ(endWith(*second, SIGTERM), 0);
    EXPECT_FALSE(QFileInfo::exists(data()));
    EXPECT_EQ(QFileInfo(target).size(), 0);
}

// An updated archive with two lines more at the head of P's text, and its table moved to match:
// the first window goes on showing the verses of the archive it started with.
TEST_F(RunningInstancesTest, EachInstanceShowsTheArchiveItStartedWith)
{
    const auto first = startRunning();
    ASSERT_TRUE(first);

    QList<ZipEntry> updated = CompleteDataEntries();
    for (ZipEntry& entry : updated) {
        if (entry.name == "Data/Manuscripts/P/Texte.txt")
            entry.content = "0r\t0\t0\tEn-t\xC3\xAAte\n0r\t0\t0\tEn-t\xC3\xAAte\n"
                            "1r\t1\t1\tPremier vers revu\n";
        else if (entry.name == "Data/Manuscripts/P/LV.txt")
            entry.content = "1\t3\n";
    }
    WriteDataZip(folder("app"), updated);
    const auto second = startRunning();
    ASSERT_TRUE(second);

    EXPECT_EQ(shown(*first, "P 1"), "Premier vers");
    EXPECT_EQ(shown(*second, "P 1"), "Premier vers revu");
    EXPECT_EQ(endWith(*first, SIGTERM), 0);
    EXPECT_EQ(endWith(*second, SIGTERM), 0);
}

} // namespace
