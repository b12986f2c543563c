#include "MessageRecorder.h"
#include "platform/MessageBoxes.h"
#include "platform/Quitting.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

TEST(MessageBoxes, RecordersNestAndPutThePreviousPresenterBack)
{
    QStringList shown;
    const MessagePresenter before = SetMessagePresenter([&shown](const QString& text) { shown.append(text); });
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

TEST(MessageBoxes, WithoutPresenterTheTextGoesToTheLog)
{
    const MessagePresenter before = SetMessagePresenter(nullptr);
    MsgBox("logged only");
    SetMessagePresenter(before);
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
    QObject::connect(&guard, &QTimer::timeout, [&timedOut] { timedOut = true; QCoreApplication::exit(1); });
    guard.start(5000);
    QCoreApplication::exec();
    EXPECT_FALSE(timedOut);

    ClearQuitRequest();
    EXPECT_FALSE(QuitRequested());
    EXPECT_EQ(QuitExitCode(), 0);
}
