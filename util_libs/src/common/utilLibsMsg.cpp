// Message catalogue lookup with a per-set cache of the texts read.
#include "utilLibsMsg.h"

#include "cv.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
constexpr int reopenRequest = 0x12344321;
constexpr int setCount = 51;

int catalogState = 1; // 1: never opened, 0: open and current, other: reopen asked for
nl_catd catalog = reinterpret_cast<nl_catd>(-1);
int slotCount[setCount];
char **cachedTexts[setCount];

bool noCatalog()
{
    return reinterpret_cast<intptr_t>(catalog) < 0;
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
        catalog = catopen("util_libs", 0);
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
