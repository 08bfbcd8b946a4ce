// Texts for the portable code: printf into a std::string, white space stripped, and cuts that
// keep multibyte characters whole.
#ifndef CVFORMAT_H
#define CVFORMAT_H

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
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

// The bytes of the longest run of whole characters (current locale) of text's first length bytes
// within limit bytes, so that a cut never splits a multibyte character. An invalid byte counts
// as one character.
inline size_t wholeCharacters(const char *text, size_t length, size_t limit)
{
    size_t kept = 0;
    mblen(nullptr, 0);
    while (kept < length) {
        int n = mblen(text + kept, MB_CUR_MAX);
        size_t step = n > 1 ? static_cast<size_t>(n) : 1;
        if (kept + step > limit) {
            break;
        }
        kept += step;
    }
    return kept;
}

} // namespace cvcommon

#endif
