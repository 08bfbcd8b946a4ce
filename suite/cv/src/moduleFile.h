// The file name of a loaded module, however long its path.
#ifndef CV_MODULEFILE_H
#define CV_MODULEFILE_H
#ifdef _WIN32

#include <windows.h>

#include <string>

// The whole path: GetModuleFileName cuts a path that does not fit, so the buffer grows until one
// does. Empty when the name cannot be had.
inline std::string cvModuleFileName(HMODULE module)
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(module, &path[0], static_cast<DWORD>(path.size()));
        if (n == 0) {
            return "";
        }
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        if (path.size() >= 32768) { // the longest path Windows has
            return "";
        }
        path.resize(path.size() * 2);
    }
}

#endif
#endif
