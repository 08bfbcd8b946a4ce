// The running program's name.
#include "cv.h"

#include <string>
#ifdef _WIN32
#include "moduleFile.h"
#else
#include <cerrno>
#endif

namespace {
std::string &fullName()
{
    static std::string name;
    if (name.empty()) {
#ifdef _WIN32
        name = cvModuleFileName(nullptr);
#else
        name = program_invocation_name;
#endif
    }
    return name;
}
std::string baseName;
} // namespace

extern "C" void _CVsetProgname(const char *name)
{
    fullName() = name != nullptr ? name : "";
    baseName.clear();
}

extern "C" const char *_CVgetProgname(int basenameOnly)
{
    const std::string &full = fullName();
    if (!basenameOnly) {
        return full.c_str();
    }
    if (baseName.empty()) {
        size_t slash = full.find_last_of("/\\");
        baseName = slash == std::string::npos ? full : full.substr(slash + 1);
#ifdef _WIN32
        if (baseName.size() > 4 && _stricmp(baseName.c_str() + baseName.size() - 4, ".exe") == 0) {
            baseName.resize(baseName.size() - 4);
        }
#endif
    }
    return baseName.c_str();
}
