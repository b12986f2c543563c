#include "DataArchive.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

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
    // does not.
    std::unique_ptr<QProcess> startRunning() const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", folder("home"));
        environment.insert("XDG_CONFIG_HOME", folder("config"));
        environment.insert("XDG_RUNTIME_DIR", folder("runtime"));
        environment.insert("TMPDIR", folder("home"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(CORVANE_INSTANCE_PROGRAM, {folder("app")});
        while (!process->canReadLine() && process->waitForReadyRead(Timeout)) {
        }
        const QByteArray line = process->readLine().trimmed();
        if (line == "running")
            return process;
        ADD_FAILURE() << "the instance said \"" << line.toStdString() << "\"";
        return nullptr;
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

} // namespace
