// Environment helpers that work the same in both builds.
#ifndef CVGUI_TESTENV_H
#define CVGUI_TESTENV_H

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

inline void setEnv(const char *name, const char *value)
{
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

inline void unsetEnv(const char *name)
{
#ifdef _WIN32
    _putenv_s(name, "");
#else
    unsetenv(name);
#endif
}

// A directory of the source or build tree, as ctest passes them to every test.
inline std::string treeDir(const char *variable)
{
    const char *v = getenv(variable);
    return v != nullptr ? v : ".";
}

// Points the MIB library at the standard MIB the build compiled and at the shipped expression
// library. False when ctest did not name the compiled MIB.
inline bool useStandardMib()
{
    const char *db = getenv("CVGUI_STANDARD_MIBDB");
    if (db == nullptr) {
        return false;
    }
    setEnv("CVMIBFILE", db);
    setEnv("CVEXPRFILE", (treeDir("CVGUI_SOURCE_DIR") + "/suite/cvutil/data/expressions.txt").c_str());
    return true;
}

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#endif
