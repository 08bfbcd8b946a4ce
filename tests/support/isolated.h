// Runs one test of the running executable in a fresh process. For code with process-wide state
// (caches filled once, exit paths): write the scenario as a test named DISABLED_..., so that it
// runs only when asked for, and check it from a normal test with EXPECT_TRUE(runIsolated(...)).
#ifndef CVGUI_ISOLATED_H
#define CVGUI_ISOLATED_H

#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#ifdef _WIN32
#include <windows.h>
#define popen _popen
#define pclose _pclose
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

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

// Runs "Suite.DISABLED_Name" (given as its full name) and collects its output.
inline IsolatedRun runTestProcess(const std::string &fullName)
{
    std::string args = " --gtest_also_run_disabled_tests --gtest_filter=" + fullName + " 2>&1";
#ifdef _WIN32
    std::string cmd = "\"\"" + selfPath() + "\"" + args + "\""; // cmd /c strips the outer quotes
#else
    std::string cmd = "'" + selfPath() + "'" + args;
#endif
    return runCommand(cmd);
}

// Passes when the scenario test passed in its own process.
inline ::testing::AssertionResult runIsolated(const std::string &fullName)
{
    IsolatedRun run = runTestProcess(fullName);
    if (run.status == 0 && run.output.find("[  PASSED  ] 1 test") != std::string::npos) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << fullName << " in a fresh process (status " << run.status
                                         << "):\n" << run.output;
}

#endif
