// Starting the suite's other tools as processes of their own.
#include "cvguiP.h"

#include "cv.h"
#include "cvToolArgs.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const int suiteSigChld = 18;

// Element i of a null-terminated vector; "" past its end.
const char *argAt(char **argv, int i)
{
    for (int k = 0; k <= i; k++) {
        if (argv[k] == nullptr) {
            return "";
        }
    }
    return argv[i];
}

// The exec failure as the user reads it in a dialog: the catalogue text without its final newline.
void warnExecFailed(char **argv, int error)
{
    char text[2048];
    snprintf(text, sizeof text, cvMsg(CVMSG_EXEC_FAILED), argAt(argv, 0), argAt(argv, 1), argAt(argv, 2),
             _CVstrerror(error));
    size_t n = strlen(text);
    if (n > 0 && text[n - 1] == '\n') {
        text[n - 1] = '\0';
    }
    Warn("%s", text);
}

// Runs argv in a child. A close-on-exec pipe tells the parent whether the exec worked: it closes
// unread when the program starts, and carries errno when it does not.
void launch(char **argv)
{
    // Looked up before the fork: the child only formats and writes.
    const char *execFailed = cvMsg(CVMSG_EXEC_FAILED);
    int report[2];
    bool reporting = pipe2(report, O_CLOEXEC) == 0;
    pid_t pid = fork();
    if (pid < 0) {
        int error = errno;
        if (reporting) {
            close(report[0]);
            close(report[1]);
        }
        Warn(cvMsg(CVMSG_FORK_FAILED), argAt(argv, 0), argAt(argv, 1), argAt(argv, 2), strerror(error));
        return;
    }
    if (pid == 0) {
        if (reporting) {
            close(report[0]);
        }
        execvp(argv[0], argv);
        int error = errno;
        char text[2048];
        int n = snprintf(text, sizeof text, execFailed, argAt(argv, 0), argAt(argv, 1), argAt(argv, 2),
                         _CVstrerror(error));
        if (n > 0 && write(2, text, n < static_cast<int>(sizeof text) ? n : sizeof text - 1) < 0) {
            // Nothing is left to tell it to.
        }
        if (reporting && write(report[1], &error, sizeof error) < 0) {
            // The parent learns nothing and treats the tool as started.
        }
        _exit(1);
    }
    if (!reporting) {
        return;
    }
    close(report[1]);
    int error = 0;
    ssize_t got;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        warnExecFailed(argv, error);
    }
}

void launch(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &a : args) {
        argv.push_back(const_cast<char *>(a.c_str()));
    }
    argv.push_back(nullptr);
    execCmdFromGUI(nullptr, argv.data());
}

// The program of a tool: the environment's choice, else CV_PATH's bin directory, else the name
// alone for a search of PATH.
std::string toolPath(const char *environmentName, const char *program)
{
    const char *chosen = environmentName != nullptr ? getenv(environmentName) : nullptr;
    if (chosen != nullptr) {
        return chosen;
    }
    const char *suite = getenv("CV_PATH");
    if (suite == nullptr || *suite == '\0') {
        return program;
    }
    return _CVBuildPath("%CV_PATH%/bin", program, 0);
}

// Kept for the process: a tool started once is started from the same place again.
const char *cachedToolPath(char *&cache, const char *environmentName, const char *program)
{
    if (cache == nullptr) {
        cache = XtNewString(toolPath(environmentName, program).c_str());
    }
    return cache;
}

char *graphPath;
char *trapPath;

} // namespace

extern "C" void execCmdFromGUI(Widget, char **argv)
{
    if (argv == nullptr || argv[0] == nullptr) {
        return; // no program named
    }
    Boolean wasBusy = cursorIsBusy();
    if (!wasBusy) {
        setCursorForWaiting(True);
    }
    // Finished tools are reaped by the system; nobody waits for them.
    _CVsigIgnore(suiteSigChld);
    launch(argv);
    if (!wasBusy) {
        setCursorForWaiting(False);
    }
}

extern "C" int execXzbgraph(Widget, char *objectNames, char *instance, char *target, char *cValue)
{
    std::vector<std::string> args;
    if (!cvGraphArguments(cachedToolPath(graphPath, "CVXZBGRAPHPATH", "xzbgraph"), objectNames, instance, target,
                          cValue, args)) {
        return 1;
    }
    launch(args);
    return 0;
}

extern "C" void execXzbtrap(Widget, char *eventId, char *copyEventId, char *source)
{
    launch(cvTrapArguments(cachedToolPath(trapPath, "CVXZBTRAPPATH", "xzbtrap"), eventId, copyEventId, source));
}

extern "C" void execXzbsnmpconf(Widget)
{
    // Built on every call, into a fixed buffer: a path that does not fit is refused, not cut.
    char program[516];
    std::string path = toolPath(nullptr, "xzbsnmpconf");
    if (path.size() >= sizeof program) {
        char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
        warnExecFailed(argv, ENAMETOOLONG);
        return;
    }
    snprintf(program, sizeof program, "%s", path.c_str());
    launch(std::vector<std::string>{program});
}
