#include "ProcessStateGuard.h"

#include "data/ThisApp.h"
#include "platform/Quitting.h"

namespace {

void ResetProcessState()
{
    ThisApp::Reset();
    ClearQuitRequest();
}

} // namespace

ProcessStateGuard::ProcessStateGuard()
{
    ResetProcessState();
}

// The recorder and the folders put back their own parts as they go, after this.
ProcessStateGuard::~ProcessStateGuard()
{
    ResetProcessState();
}
