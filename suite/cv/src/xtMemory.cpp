// The X Toolkit's allocation calls, for native tools that share code with Motif ones.
#include "cv.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" char *XtMalloc(unsigned int size)
{
    // As the toolkit does, exhaustion ends the program rather than returning null.
    void *p = malloc(size > 0 ? size : 1);
    if (p == nullptr) {
        fputs("Cannot perform malloc\n", stderr);
        exit(1);
    }
    return static_cast<char *>(p);
}

extern "C" void XtFree(char *p)
{
    free(p);
}

extern "C" char *XtNewString(const char *s)
{
    if (s == nullptr) {
        return nullptr;
    }
    size_t n = strlen(s) + 1;
    return static_cast<char *>(memcpy(XtMalloc(static_cast<unsigned int>(n)), s, n));
}
