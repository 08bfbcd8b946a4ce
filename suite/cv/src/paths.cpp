// Path templates and absolute paths.
#include "cv.h"

#include <cstdlib>
#include <string>
#ifdef _WIN32
#include <windows.h>

#include "moduleFile.h"
#else
#include <dlfcn.h>
#endif

namespace {

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

bool isSeparator(char c)
{
    return c == '/' || c == '\\';
}

} // namespace

extern "C" const char *_CVBuildPath(const char *pathTemplate, const char *fileName, int flags)
{
    static std::string result;
    if (pathTemplate == nullptr && fileName == nullptr) {
        return nullptr;
    }
    std::string path;
    for (const char *p = pathTemplate != nullptr ? pathTemplate : ""; *p != '\0'; ++p) {
        if (*p != '%') {
            path.push_back(*p);
            continue;
        }
        const char *end = p + 1;
        while (*end != '\0' && *end != '%') {
            ++end;
        }
        if (*end == '\0') {
            path.append(p); // no closing "%": as written
            break;
        }
        std::string name(p + 1, end);
        if (name.empty()) {
            path.push_back('%');
        } else {
            const char *value = std::getenv(name.c_str());
            if (value != nullptr) {
                path.append(value);
            } else if (flags & CV_BUILDPATH_KEEP_UNSET) {
                path.append(p, end + 1);
            }
        }
        p = end;
    }
    if (fileName != nullptr && *fileName != '\0') {
        if (!path.empty() && !isSeparator(path.back())) {
            path.push_back(kSeparator);
        }
        path.append(fileName);
    }
    for (char &c : path) {
        if (isSeparator(c)) {
            c = kSeparator;
        }
    }
    result = path;
    return result.c_str();
}

extern "C" int _CVisAbsPath(const char *path)
{
    if (path == nullptr || *path == '\0') {
        return 0;
    }
#ifdef _WIN32
    if (isSeparator(path[0])) {
        return 1;
    }
    bool letter = (path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z');
    return letter && path[1] == ':' && isSeparator(path[2]);
#else
    return path[0] == '/';
#endif
}

// The directory of this library: the suite's libraries are installed side by side.
static std::string libraryDirectory()
{
#ifdef _WIN32
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&libraryDirectory), &self)) {
        return ".";
    }
    std::string file = cvModuleFileName(self);
#else
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&libraryDirectory), &info) == 0 || info.dli_fname == nullptr) {
        return ".";
    }
    std::string file = info.dli_fname;
#endif
    size_t slash = file.find_last_of("/\\");
    return slash == std::string::npos ? "." : file.substr(0, slash);
}

extern "C" const char *_CVsharedDataFile(const char *name)
{
    static std::string path;
    path = libraryDirectory();
    for (const char *part : {"..", "share", "cvgui", name}) {
        path += kSeparator;
        path += part;
    }
    return path.c_str();
}
