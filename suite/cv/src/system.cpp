// The server a tool works with, the registry, and signals.
#include "cv.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

std::string localHost()
{
#ifdef _WIN32
    char name[256];
    DWORD size = sizeof name;
    if (GetComputerNameExA(ComputerNameDnsHostname, name, &size)) {
        return std::string(name, size);
    }
    return "";
#else
    char name[256];
    if (gethostname(name, sizeof name) != 0) {
        return "";
    }
    name[sizeof name - 1] = '\0';
    return name;
#endif
}

std::string lower(std::string s)
{
    for (char &c : s) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return s;
}

// "host" names "host.lab.example" and the other way round.
bool sameHost(const std::string &a, const std::string &b)
{
    std::string x = lower(a), y = lower(b);
    if (x == y) {
        return true;
    }
    bool xShort = x.find('.') == std::string::npos, yShort = y.find('.') == std::string::npos;
    if (xShort == yShort) {
        return false;
    }
    const std::string &shortName = xShort ? x : y, &full = xShort ? y : x;
    return full.compare(0, shortName.size() + 1, shortName + ".") == 0;
}

} // namespace

extern "C" const char *CVServerName(void)
{
    static std::string name;
    const char *env = std::getenv("CV_SERVER");
    name = env != nullptr && *env != '\0' ? env : localHost();
    return name.c_str();
}

extern "C" int CVisOnCVServer(void)
{
    const char *env = std::getenv("CV_SERVER");
    return env == nullptr || *env == '\0' || sameHost(env, localHost());
}

extern "C" char *_CVGetRegistryString(void *hkey, const char *subkey, const char *valueName)
{
#ifdef _WIN32
    HKEY key;
    if (RegOpenKeyExA(static_cast<HKEY>(hkey), subkey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    DWORD type = 0, size = 0;
    char *value = nullptr;
    if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        // The stored value need not end with a NUL: make room for one.
        value = static_cast<char *>(std::malloc(size + 1));
        if (value != nullptr &&
            RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE *>(value), &size) ==
                ERROR_SUCCESS) {
            value[size] = '\0';
        } else {
            std::free(value);
            value = nullptr;
        }
    }
    RegCloseKey(key);
    return value;
#else
    (void)hkey;
    (void)subkey;
    (void)valueName;
    return nullptr;
#endif
}

extern "C" int _CVsigIgnore(int suiteSignal)
{
#ifdef _WIN32
    switch (suiteSignal) {
    case 2: return std::signal(SIGINT, SIG_IGN) == SIG_ERR ? -1 : 0;
    case 15: return std::signal(SIGTERM, SIG_IGN) == SIG_ERR ? -1 : 0;
    case 1: case 3: case 13: case 14: case 16: case 17: case 18: return 0;
    default: return -1;
    }
#else
    int native;
    switch (suiteSignal) {
    case 1: native = SIGHUP; break;
    case 2: native = SIGINT; break;
    case 3: native = SIGQUIT; break;
    case 13: native = SIGPIPE; break;
    case 14: native = SIGALRM; break;
    case 15: native = SIGTERM; break;
    case 16: native = SIGUSR1; break;
    case 17: native = SIGUSR2; break;
    case 18: native = SIGCHLD; break;
    default: return -1;
    }
    return std::signal(native, SIG_IGN) == SIG_ERR ? -1 : 0;
#endif
}
