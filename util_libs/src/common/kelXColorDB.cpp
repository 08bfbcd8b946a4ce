// X colour databases.
#include "kelXColorDB.h"

#include "kelArgsCore.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
bool isBlank(char c)
{
    return isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads one number after optional white space; false when there is none.
bool readNumber(char *&p, int *value)
{
    char *end = nullptr;
    long v = strtol(p, &end, 10);
    if (end == p) {
        return false;
    }
    *value = static_cast<int>(v);
    p = end;
    return true;
}

bool sameIgnoringCase(const char *a, const char *b)
{
    for (; *a != '\0' && *b != '\0'; a++, b++) {
        if (tolower(static_cast<unsigned char>(*a)) != tolower(static_cast<unsigned char>(*b))) {
            return false;
        }
    }
    return *a == *b;
}

unsigned long colorref(int red, int green, int blue)
{
    return (red & 0xFFUL) | (green & 0xFFUL) << 8 | (blue & 0xFFUL) << 16;
}
} // namespace

KelXColorDB::~KelXColorDB()
{
    for (int i = 0; i < count_; i++) {
        free(records_[i].name);
    }
    free(records_);
}

int KelXColorDB::load(const char *path, int *badLine)
{
    FILE *file = fopen(path, "r");
    if (file == nullptr) {
        return -1;
    }
    char line[KEL_XCOLOR_LINE];
    int lineNumber = 0;
    while (fgets(line, sizeof line, file) != nullptr) {
        lineNumber++;
        if (strchr(line, '\n') == nullptr) {
            // Longer than the buffer: what follows belongs to this line's name, which is cut
            // anyway, and is passed over.
            int c;
            while ((c = fgetc(file)) != EOF && c != '\n') {
            }
        }
        char *p = line;
        int red, green, blue;
        if (!readNumber(p, &red) || !readNumber(p, &green) || !readNumber(p, &blue)) {
            fclose(file);
            if (badLine != nullptr) {
                *badLine = lineNumber;
            }
            return -2;
        }
        while (*p != '\n' && *p != '\0' && isBlank(*p)) {
            p++;
        }
        size_t length = strcspn(p, "\n");
        if (length > KEL_XCOLOR_NAME) {
            length = KEL_XCOLOR_NAME;
        }
        auto *grown = static_cast<KelXColorRecord *>(realloc(records_, sizeof(KelXColorRecord) * (count_ + 1)));
        if (grown == nullptr) {
            kelCriticalError();
        }
        records_ = grown;
        char *name = static_cast<char *>(malloc(length + 1));
        if (name == nullptr) {
            kelCriticalError();
        }
        memcpy(name, p, length);
        name[length] = '\0';
        records_[count_++] = {colorref(red, green, blue), red, green, blue, name};
    }
    fclose(file);
    return 0;
}

int KelXColorDB::convert(const char *colour, unsigned long *ref, int *red, int *green, int *blue) const
{
    int r, g, b;
    if (colour[0] == '#' && strlen(colour) == 7) {
        unsigned int c[3] = {0, 0, 0};
        for (int i = 0; i < 3; i++) {
            sscanf(colour + 1 + 2 * i, "%2X", &c[i]);
        }
        r = static_cast<int>(c[0]), g = static_cast<int>(c[1]), b = static_cast<int>(c[2]);
        *ref = colorref(r, g, b);
    } else {
        int i = 0;
        while (i < count_ && !sameIgnoringCase(records_[i].name, colour)) {
            i++;
        }
        if (i == count_) {
            return -1;
        }
        r = records_[i].red, g = records_[i].green, b = records_[i].blue;
        *ref = records_[i].colorref;
    }
    if (red != nullptr) {
        *red = r;
    }
    if (green != nullptr) {
        *green = g;
    }
    if (blue != nullptr) {
        *blue = b;
    }
    return 0;
}
