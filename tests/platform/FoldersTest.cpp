#include "platform/Folders.h"

#include "TempFolders.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString ownFolderName()
{
    return "corvane-" + QString::number(::geteuid());
}

mode_t modeOf(const QString& path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 0777;
}

void setMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

// Sets an environment variable for one scope.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace

TEST(Folders, OverridesAndBackToNormal)
{
    {
        TempFolders folders;
        EXPECT_EQ(Folders::ApplicationFolder(), folders.application());
        EXPECT_EQ(Folders::TemporaryFolder(), folders.temporary());
        EXPECT_EQ(Folders::PreferencesFolder(), folders.preferences());
    }
    EXPECT_EQ(Folders::ApplicationFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(Folders::PreferencesFolder(),
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

TEST(Folders, PrivateFolderIsMadeWithOwnerOnlyAccess)
{
    QTemporaryDir base;
    const QString made = Folders::PrivateFolderIn(base.path());
    EXPECT_EQ(made, base.path() + "/" + ownFolderName());
    EXPECT_EQ(modeOf(made), mode_t(0700));
    EXPECT_TRUE(Folders::IsOwnRealFolder(made));
    // A second call finds the same folder.
    EXPECT_EQ(Folders::PrivateFolderIn(base.path()), made);
    // Readable by others: only this user could have written there, so access is narrowed.
    setMode(made, 0755);
    EXPECT_EQ(Folders::PrivateFolderIn(base.path()), made);
    EXPECT_EQ(modeOf(made), mode_t(0700));
}

TEST(Folders, PrivateFolderRefusesWhatOthersCouldHavePlanted)
{
    {
        QTemporaryDir base;
        QTemporaryDir elsewhere;
        ASSERT_TRUE(QFile::link(elsewhere.path(), base.path() + "/" + ownFolderName()));
        EXPECT_EQ(Folders::PrivateFolderIn(base.path()), QString()) << "symbolic link";
        EXPECT_FALSE(Folders::IsOwnRealFolder(base.path() + "/" + ownFolderName()));
        EXPECT_FALSE(Folders::IsOwnRealFolder(base.path() + "/" + ownFolderName() + "/"));
    }
    {
        QTemporaryDir base;
        const QString path = base.path() + "/" + ownFolderName();
        ASSERT_TRUE(QDir().mkdir(path));
        setMode(path, 0777);
        EXPECT_EQ(Folders::PrivateFolderIn(base.path()), QString()) << "writable by others";
        setMode(path, 0770);
        EXPECT_EQ(Folders::PrivateFolderIn(base.path()), QString()) << "writable by the group";
    }
    {
        QTemporaryDir base;
        QFile file(base.path() + "/" + ownFolderName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        EXPECT_EQ(Folders::PrivateFolderIn(base.path()), QString()) << "a file";
    }
    EXPECT_EQ(Folders::PrivateFolderIn(QString()), QString());
    EXPECT_EQ(Folders::PrivateFolderIn("/nonexistent/corvane-test"), QString());
}

TEST(Folders, RuntimeFolderIsUsedOnlyWhenSafe)
{
    QTemporaryDir runtime;
    QTemporaryDir tmp;
    ScopedEnvironment tmpdir("TMPDIR", QFile::encodeName(tmp.path()));
    const QString fallback = tmp.path() + "/" + ownFolderName();

    setMode(runtime.path(), 0700);
    {
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        EXPECT_EQ(Folders::TemporaryFolder(), runtime.path());
    }
    {
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", "relative/path");
        EXPECT_EQ(Folders::TemporaryFolder(), fallback);
    }
    {
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", "");
        EXPECT_EQ(Folders::TemporaryFolder(), fallback);
    }
    setMode(runtime.path(), 0777);
    {
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        EXPECT_EQ(Folders::TemporaryFolder(), fallback);
    }
    setMode(runtime.path(), 0700);
}
