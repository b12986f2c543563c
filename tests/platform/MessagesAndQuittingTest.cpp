#include "MessageRecorder.h"
#include "platform/MessageBoxes.h"
#include "platform/Quitting.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QList>
#include <QTimer>

#include <utility>

TEST(MessageBoxes, RecordersNestAndPutThePreviousPresenterBack)
{
    QStringList shown;
    const MessagePresenter before =
        SetMessagePresenter([&shown](const QString& text) { shown.append(text); });
    {
        MessageRecorder outer;
        MsgBox("one");
        {
            MessageRecorder inner;
            MsgBox("two");
            EXPECT_EQ(inner.messages(), QStringList({"two"}));
        }
        MsgBox("three");
        EXPECT_EQ(outer.messages(), QStringList({"one", "three"}));
    }
    MsgBox("four");
    EXPECT_EQ(shown, QStringList({"four"}));
    SetMessagePresenter(before);
}

namespace {

// What reached Qt's log while RecordLogLine was installed.
QList<std::pair<QtMsgType, QString>> logged;

void RecordLogLine(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    logged.append({type, text});
}

} // namespace

TEST(MessageBoxes, WithoutPresenterTheTextGoesToTheLog)
{
    const MessagePresenter before = SetMessagePresenter(nullptr);
    logged.clear();
    const QtMessageHandler previousLog = qInstallMessageHandler(RecordLogLine);
    MsgBox("logged only");
    qInstallMessageHandler(previousLog);
    SetMessagePresenter(before);

    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].first, QtWarningMsg);
    EXPECT_EQ(logged[0].second, "logged only");
}

TEST(Quitting, RequestIsRememberedAndEndsTheEventLoop)
{
    ClearQuitRequest();
    EXPECT_FALSE(QuitRequested());

    // Quit before the loop runs: the queued request must end the loop once it starts.
    Quit(3);
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(QuitExitCode(), 3);
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);

    ClearQuitRequest();
    EXPECT_FALSE(QuitRequested());
    EXPECT_EQ(QuitExitCode(), 0);
}
