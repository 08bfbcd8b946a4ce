// The fatal error handlers: every native path that meets an impossible state, exhaustion or an
// overflowing table ends here.
#include "kelcore.h"

#include "kelArgsCore.h"

#include <cstdlib>

namespace {
[[noreturn]] void internalErrorExit()
{
    AfxMessageBox("Internal Error");
    exit(1);
}

// The portable code (command line, resources) reports exhaustion the same way.
struct InstallHandler {
    InstallHandler() { kelSetCriticalHandler(KelCriticalErrorHandler); }
} installHandler;
} // namespace

void KelInternalErrorHandler()
{
    internalErrorExit();
}

void KelImpossibleErrorHandler()
{
    internalErrorExit();
}

void KelCriticalErrorHandler(int)
{
    internalErrorExit();
}
