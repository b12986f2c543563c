#pragma once

#include "MessageRecorder.h"
#include "TempFolders.h"

// The process-wide state a test may change, fresh for as long as the guard lives and put back
// when it goes: the data set-up's state (ThisApp) reset, no quit request, the application,
// temporary and preference folders in a temporary folder of their own, and message boxes
// recorded instead of shown.
//
//     ProcessStateGuard state;
//     WriteDataZip(state.folders().application(), CompleteDataEntries());
//     ThisApp::OpenThis();
//     EXPECT_TRUE(state.recorder().messages().isEmpty());
class ProcessStateGuard
{
public:
    ProcessStateGuard();
    ~ProcessStateGuard();
    Q_DISABLE_COPY(ProcessStateGuard)

    const TempFolders& folders() const { return m_folders; }
    const MessageRecorder& recorder() const { return m_recorder; }

private:
    TempFolders m_folders;
    MessageRecorder m_recorder;
};
