// printf into a std::string, for the portable code that builds texts of any length.
#ifndef CVFORMAT_H
#define CVFORMAT_H

#include <cstdarg>
#include <cstdio>
#include <string>

namespace cvcommon {

inline std::string vformat(const char *fmt, va_list args)
{
    va_list again;
    va_copy(again, args);
    int n = vsnprintf(nullptr, 0, fmt, args);
    std::string out;
    if (n > 0) {
        out.resize(static_cast<size_t>(n) + 1);
        vsnprintf(&out[0], out.size(), fmt, again);
        out.resize(static_cast<size_t>(n));
    }
    va_end(again);
    return out;
}

inline std::string format(const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::string out = vformat(fmt, args);
    va_end(args);
    return out;
}

} // namespace cvcommon

#endif
