// String helpers of the suite: a tokenizer, white-space stripping, multibyte-aware searches,
// error texts.
#include "cv.h"

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" char *_CVstrtok(char *text, const char *delimiters, int emptyFields)
{
    static char *next = nullptr;
    if (text != nullptr) {
        next = text;
    }
    if (next == nullptr || delimiters == nullptr) {
        return nullptr;
    }
    if (!emptyFields) {
        next += std::strspn(next, delimiters);
        if (*next == '\0') {
            next = nullptr;
            return nullptr;
        }
    }
    char *token = next;
    char *end = token + std::strcspn(token, delimiters);
    if (*end == '\0') {
        next = nullptr; // the last field
    } else {
        *end = '\0';
        next = end + 1;
    }
    return token;
}

extern "C" char *_CVstrip_whitespace(char *text, int mode)
{
    if (text == nullptr) {
        return nullptr;
    }
    if (mode == 1 || mode == 2) {
        size_t n = std::strlen(text);
        while (n > 0 && std::isspace(static_cast<unsigned char>(text[n - 1]))) {
            text[--n] = '\0';
        }
    }
    if (mode == 0 || mode == 2) {
        size_t lead = 0;
        while (text[lead] != '\0' && std::isspace(static_cast<unsigned char>(text[lead]))) {
            ++lead;
        }
        if (lead > 0) {
            std::memmove(text, text + lead, std::strlen(text + lead) + 1);
        }
    }
    return text;
}

namespace {

// The length of the character at p in the current locale; an invalid byte counts as one.
size_t characterLength(const char *p)
{
    int n = std::mblen(p, MB_CUR_MAX);
    return n > 0 ? static_cast<size_t>(n) : 1;
}

} // namespace

extern "C" char *_CVstrchr(const char *text, int c)
{
    if (text == nullptr) {
        return nullptr;
    }
    std::mblen(nullptr, 0); // initial shift state
    for (const char *p = text;; p += characterLength(p)) {
        if (*p == static_cast<char>(c)) {
            return const_cast<char *>(p);
        }
        if (*p == '\0') {
            return nullptr;
        }
    }
}

extern "C" char *_CVstrrchr(const char *text, int c)
{
    if (text == nullptr) {
        return nullptr;
    }
    const char *found = nullptr;
    std::mblen(nullptr, 0);
    for (const char *p = text;; p += characterLength(p)) {
        if (*p == static_cast<char>(c)) {
            found = p;
        }
        if (*p == '\0') {
            return const_cast<char *>(found);
        }
    }
}

extern "C" const char *_CVstrerror(int errnum)
{
    static std::string text;
    const char *s = std::strerror(errnum);
    text = s != nullptr && *s != '\0' ? s : "Unknown error " + std::to_string(errnum);
    return text.c_str();
}
