// Texts of any length for the portable code: printf into a std::string, white space stripped.
#ifndef CVFORMAT_H
#define CVFORMAT_H

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
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

// The text without white space at either end, as _CVstrip_whitespace leaves it; "" for null.
inline std::string stripped(const char *text)
{
    if (text == nullptr) {
        return std::string();
    }
    const char *begin = text;
    while (*begin != '\0' && isspace(static_cast<unsigned char>(*begin))) {
        ++begin;
    }
    const char *end = begin + strlen(begin);
    while (end > begin && isspace(static_cast<unsigned char>(end[-1]))) {
        --end;
    }
    return std::string(begin, end);
}

} // namespace cvcommon

#endif
