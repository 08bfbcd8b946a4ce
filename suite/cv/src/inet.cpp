// Internet and IPX address checks, and the IP wildcards of node lists.
#include "cv.h"

#include <cstring>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// One to three digits making 0..255, from begin up to end.
bool octet(const char *begin, const char *end, int *value)
{
    if (end <= begin || end - begin > 3) {
        return false;
    }
    int v = 0;
    for (const char *p = begin; p < end; ++p) {
        if (!isDigit(*p)) {
            return false;
        }
        v = v * 10 + (*p - '0');
    }
    if (value != nullptr) {
        *value = v;
    }
    return v <= 255;
}

// The four "."-separated fields of text, each checked by `field`.
template <typename Field> bool fourFields(const char *text, Field field)
{
    if (text == nullptr) {
        return false;
    }
    const char *p = text;
    for (int i = 0; i < 4; ++i) {
        const char *end = p;
        while (*end != '\0' && *end != '.') {
            ++end;
        }
        if (!field(p, end) || (i < 3 && *end != '.') || (i == 3 && *end != '\0')) {
            return false;
        }
        p = end + 1;
    }
    return true;
}

} // namespace

extern "C" int _CVinetIsIPAddr(const char *text)
{
    if (text == nullptr || *text == '\0') {
        return 0;
    }
    bool digit = false;
    for (const char *p = text; *p != '\0'; ++p) {
        if (!isDigit(*p) && *p != '.') {
            return 0;
        }
        digit = digit || isDigit(*p);
    }
    return digit;
}

extern "C" int _CVinetIsValidIPAddr(const char *text)
{
    return fourFields(text, [](const char *b, const char *e) { return octet(b, e, nullptr); });
}

extern "C" int _CVipx_addr(const char *text, CVipxAddr *address)
{
    if (text == nullptr) {
        return 0;
    }
    const char *colon = std::strchr(text, ':');
    if (colon == nullptr || colon == text || colon - text > 8 || std::strlen(colon + 1) != 12) {
        return 0;
    }
    CVipxAddr a = {};
    // The network number, right-aligned in its four bytes.
    unsigned long net = 0;
    for (const char *p = text; p < colon; ++p) {
        int v = hexValue(*p);
        if (v < 0) {
            return 0;
        }
        net = (net << 4) | static_cast<unsigned long>(v);
    }
    for (int i = 0; i < 4; ++i) {
        a.net[i] = static_cast<unsigned char>((net >> (8 * (3 - i))) & 0xff);
    }
    for (int i = 0; i < 6; ++i) {
        int hi = hexValue(colon[1 + 2 * i]), lo = hexValue(colon[2 + 2 * i]);
        if (hi < 0 || lo < 0) {
            return 0;
        }
        a.node[i] = static_cast<unsigned char>(hi * 16 + lo);
    }
    if (address != nullptr) {
        *address = a;
    }
    return 1;
}

extern "C" int _CVinetIsWild(const char *text)
{
    if (text == nullptr || *text == '\0') {
        return 0;
    }
    bool wild = false;
    for (const char *p = text; *p != '\0'; ++p) {
        if (!isDigit(*p) && *p != '.' && *p != '*' && *p != '-') {
            return 0;
        }
        wild = wild || *p == '*' || *p == '-';
    }
    return wild;
}

extern "C" int _CVinetIsValidWild(const char *text)
{
    return fourFields(text, [](const char *b, const char *e) {
        if (e - b == 1 && *b == '*') {
            return true;
        }
        const char *dash = b;
        while (dash < e && *dash != '-') {
            ++dash;
        }
        if (dash == e) {
            return octet(b, e, nullptr);
        }
        int lo, hi;
        return octet(b, dash, &lo) && octet(dash + 1, e, &hi) && lo <= hi;
    });
}
