// The last component of a path.
#include "cv.h"

#include <cstring>

extern "C" char *_CVbasename(const char *path)
{
    if (path == nullptr) {
        return const_cast<char *>("");
    }
    const char *base = path;
    for (const char *p = path; *p != '\0'; p++) {
#ifdef _WIN32
        if (*p == '/' || *p == '\\' || (*p == ':' && p == path + 1)) {
#else
        if (*p == '/') {
#endif
            base = p + 1;
        }
    }
    return const_cast<char *>(base);
}
