// Help display: the map session hands each request to the help viewer the user named.
#include "cvw.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/wait.h>
extern char **environ;
#endif

namespace {

const char *kindName(int helpType)
{
    switch (helpType) {
    case cvwHelpFile: return "file";
    case cvwHelpVolume: return "volume";
    case cvwQuickHelp: return "quick";
    case cvwHelpString: return "string";
    case cvwManPage: return "man";
    case cvwTextFile: return "text";
    default: return nullptr;
    }
}

int fail(int error, const std::string &detail)
{
    _CVwSetError(error, detail.c_str());
    return -1;
}

std::vector<std::string> splitBlanks(const char *text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char *p = text;; p++) {
        if (*p == '\0' || *p == ' ' || *p == '\t') {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
            if (*p == '\0') {
                break;
            }
        } else {
            word += *p;
        }
    }
    return words;
}

#ifdef _WIN32
std::string quoted(const std::string &arg)
{
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) {
        return arg;
    }
    std::string out = "\"";
    for (char c : arg) {
        out += c == '"' ? "\\\"" : std::string(1, c);
    }
    return out + "\"";
}

int start(const std::vector<std::string> &args, std::string &reason)
{
    std::string line;
    for (const std::string &a : args) {
        line += (line.empty() ? "" : " ") + quoted(a);
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        reason = "system error " + std::to_string(GetLastError());
        return -1;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}
#else
// Viewers run on while the tool goes on; those that have ended are reaped at the next request.
std::vector<pid_t> viewers;

void reapViewers()
{
    for (size_t i = 0; i < viewers.size();) {
        if (waitpid(viewers[i], nullptr, WNOHANG) != 0) {
            viewers.erase(viewers.begin() + static_cast<long>(i));
        } else {
            i++;
        }
    }
}

int start(const std::vector<std::string> &args, std::string &reason)
{
    std::vector<char *> argv;
    for (const std::string &a : args) {
        argv.push_back(const_cast<char *>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid;
    // posix_spawnp reports a command that cannot be executed as its own error.
    int err = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (err != 0) {
        reason = strerror(err);
        return -1;
    }
    viewers.push_back(pid);
    return 0;
}
#endif

} // namespace

extern "C" int CVwShowHelp(int helpType, char *target)
{
#ifndef _WIN32
    reapViewers();
#endif
    const char *kind = kindName(helpType);
    if (kind == nullptr) {
        return fail(CVW_EBADHELPTYPE, "Unknown help type " + std::to_string(helpType));
    }
    if (target == nullptr || *target == '\0') {
        return fail(CVW_ENOHELPTARGET, "");
    }
    const char *viewer = getenv(CVW_HELP_VIEWER_ENV);
    std::vector<std::string> args = splitBlanks(viewer != nullptr ? viewer : "");
    if (args.empty()) {
        return fail(CVW_ENOHELPVIEWER, "");
    }
    std::string command = args[0];
    args.push_back(kind);
    args.push_back(target);
    std::string reason;
    if (start(args, reason) != 0) {
        return fail(CVW_EHELPVIEWER, "The help viewer \"" + command + "\" could not be started: " + reason);
    }
    return 0;
}
