// Runs one scenario of the running test executable in a process of its own, for code with
// process-wide state (caches filled once, exit paths). Write the scenario with CHILD_TEST(Suite,
// Name): its test is called Suite.InChild_Name and skips itself unless a parent started it, so a
// plain run (or a filter such as Suite.*) never runs it in place. The parent checks it with
// EXPECT_TRUE(runIsolated("Suite.InChild_Name")) when it must pass, with endedWith() when it must
// end the process, or looks at the exit status and output of runTestProcess("Suite.InChild_Name").
#ifndef CVGUI_ISOLATED_H
#define CVGUI_ISOLATED_H

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#define popen _popen
#define pclose _pclose
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#define CVGUI_CHILD_ENV "CVGUI_IN_CHILD_PROCESS"

inline bool inChildProcess()
{
    const char *v = getenv(CVGUI_CHILD_ENV);
    return v != nullptr && *v == '1';
}

// A scenario for a child process; the body follows as a function body.
#define CHILD_TEST(suite, name)                                                                   \
    void suite##_##name##_InChild();                                                              \
    TEST(suite, InChild_##name)                                                                   \
    {                                                                                             \
        if (!inChildProcess()) {                                                                  \
            GTEST_SKIP() << "runs in a child process only";                                       \
        }                                                                                         \
        suite##_##name##_InChild();                                                               \
    }                                                                                             \
    void suite##_##name##_InChild()

struct IsolatedRun {
    int status = -1; // the exit status, or -1 when the process did not exit normally
    std::string output;
};

inline std::string selfPath()
{
#ifdef _WIN32
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n);
#else
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return std::string(path, n > 0 ? n : 0);
#endif
}

// Runs a shell command line and collects its output (standard error too when the command
// line says 2>&1) and exit status.
inline IsolatedRun runCommand(const std::string &cmd)
{
    IsolatedRun run;
    FILE *p = popen(cmd.c_str(), "r");
    if (p == nullptr) {
        run.output = "could not start: " + cmd;
        return run;
    }
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) {
        run.output.append(buf, n);
    }
    int status = pclose(p);
#ifdef _WIN32
    run.status = status;
#else
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return run;
}

// Runs the scenario "Suite.InChild_Name" (given as its full name) in a child process and
// collects its output.
inline IsolatedRun runTestProcess(const std::string &fullName)
{
    std::string args = " --gtest_filter=" + fullName + " 2>&1";
#ifdef _WIN32
    std::string cmd = "\"\"" + selfPath() + "\"" + args + "\""; // cmd /c strips the outer quotes
    _putenv_s(CVGUI_CHILD_ENV, "1");
    IsolatedRun run = runCommand(cmd);
    _putenv_s(CVGUI_CHILD_ENV, "");
    return run;
#else
    return runCommand(CVGUI_CHILD_ENV "=1 '" + selfPath() + "'" + args);
#endif
}

// Passes when the scenario passed in its own process.
inline ::testing::AssertionResult runIsolated(const std::string &fullName)
{
    IsolatedRun run = runTestProcess(fullName);
    if (run.status == 0 && run.output.find("[  PASSED  ] 1 test") != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << fullName << " in a fresh process (status " << run.status
                                         << "):\n" << run.output;
}

// Passes when the scenario ended its process with status 1 after printing each of `texts`,
// without coming back from the call that should have ended it (a scenario prints RETURNED after
// that call).
inline ::testing::AssertionResult endedWith(const std::string &fullName, const std::vector<std::string> &texts)
{
    IsolatedRun run = runTestProcess(fullName);
    bool all = true;
    for (const std::string &text : texts) {
        all = all && run.output.find(text) != std::string::npos;
    }
    if (run.status == 1 && all && run.output.find("RETURNED") == std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << fullName << " (status " << run.status << ", expected 1 after \""
                                         << texts[0] << "\"...):\n" << run.output;
}

inline ::testing::AssertionResult endedWith(const std::string &fullName, const char *text)
{
    return endedWith(fullName, std::vector<std::string>{text});
}

#endif
