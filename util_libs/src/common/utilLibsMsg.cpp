// Message catalogue lookup with a per-set cache of the texts read.
#include "utilLibsMsg.h"

#include "cv.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {
constexpr int reopenRequest = 0x12344321;
constexpr int setCount = 51;

int catalogState = 1; // 1: never opened, 0: open and current, other: reopen asked for
nl_catd catalog = reinterpret_cast<nl_catd>(-1);
int slotCount[setCount];
char **cachedTexts[setCount];

bool failed(nl_catd c)
{
    return reinterpret_cast<intptr_t>(c) < 0;
}

bool noCatalog()
{
    return failed(catalog);
}

// The directory of the module this code is linked into (the library, or a test program).
std::string moduleDirectory()
{
    std::string file;
#ifdef _WIN32
    HMODULE self = nullptr;
    char path[MAX_PATH];
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&moduleDirectory), &self)) {
        DWORD n = GetModuleFileNameA(self, path, sizeof path);
        file.assign(path, n < sizeof path ? n : 0);
    }
#else
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&moduleDirectory), &info) != 0 && info.dli_fname != nullptr) {
        file = info.dli_fname;
    }
#endif
    size_t slash = file.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

// The C library looks for catalogues under its own prefix only. When NLSPATH does not say where,
// a library installed elsewhere also looks in its own share/locale (the place the install puts
// them): under LANG as it stands, its language alone, then C.
nl_catd openCatalogue()
{
    nl_catd c = catopen("util_libs", 0);
    if (!failed(c) || getenv("NLSPATH") != nullptr) {
        return c;
    }
    std::string dir = moduleDirectory();
    if (dir.empty()) {
        return c;
    }
    const char *env = getenv("LANG");
    std::string lang = env != nullptr ? env : "";
    std::string language = lang.substr(0, lang.find_first_of("_.@"));
#ifdef _WIN32
    const char *tail = "\\LC_MESSAGES\\util_libs.msg";
    dir += "\\..\\share\\locale\\";
#else
    const char *tail = "/LC_MESSAGES/util_libs";
    dir += "/../share/locale/";
#endif
    for (const std::string &name : {lang, language, std::string("C")}) {
        if (name.empty() || name.find_first_of("/\\") != std::string::npos) {
            continue;
        }
        c = catopen((dir + name + tail).c_str(), 0);
        if (!failed(c)) {
            return c;
        }
    }
    return c;
}
} // namespace

extern "C" nl_catd ___util_libsMsg_fd__(void)
{
    return catalog;
}

extern "C" const char *_util_libsMsg(int set, int number, const char *defaultText)
{
    int savedErrno = errno;
    errno = 0;

    if (catalogState != 0) {
        if (catalogState == reopenRequest) {
            catclose(catalog);
        }
        bool first = catalogState == 1;
        if (first) {
            ____msg_register_first(&catalogState);
        }
        catalog = openCatalogue();
        if (first) {
            memset(slotCount, 0, sizeof slotCount);
            memset(cachedTexts, 0, sizeof cachedTexts);
        }
        catalogState = 0;
    }

    if (number < 1 || noCatalog() || set < 0 || set >= setCount) {
        errno = savedErrno;
        return defaultText;
    }

    if (slotCount[set] <= number) {
        int slots = (number / 10 + 1) * 10;
        auto *grown = static_cast<char **>(realloc(cachedTexts[set], sizeof(char *) * slots));
        if (grown == nullptr) {
            slotCount[set] = 0;
            errno = savedErrno;
            return defaultText;
        }
        for (int i = slotCount[set]; i < slots; i++) {
            grown[i] = nullptr;
        }
        cachedTexts[set] = grown;
        slotCount[set] = slots;
    }

    char *&slot = cachedTexts[set][number];
    if (slot == nullptr) {
        // Without LANG the built-in text stands, and nothing is cached so a later LANG is seen.
        if (getenv("LANG") == nullptr) {
            errno = savedErrno;
            return defaultText;
        }
        const char *text = catgets(catalog, set, number, defaultText);
        slot = strdup(text);
        if (slot == nullptr) {
            errno = savedErrno;
            return defaultText;
        }
    }
    errno = savedErrno;
    return slot;
}
