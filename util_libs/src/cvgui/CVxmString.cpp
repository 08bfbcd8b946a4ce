// Compound strings: making them from text, tables of them, and their text.
#include "cvguiP.h"

#include <cstdio>
#include <cstring>

extern "C" XmString GetString(const char *text)
{
    return XmStringCreateLtoR(const_cast<char *>(text), const_cast<char *>(XmSTRING_DEFAULT_CHARSET));
}

extern "C" XmString *BuildStringTable(XmString *table)
{
    return table;
}

extern "C" void FreeStringTable(XmString *)
{
}

extern "C" XmString *CVxmStringTableCreate(int count)
{
    if (count < 1) {
        return nullptr;
    }
    auto *table = reinterpret_cast<XmString *>(XtMalloc(sizeof(XmString) * count));
    for (int i = 0; i < count; i++) {
        table[i] = nullptr;
    }
    return table;
}

extern "C" XmString *CVxmStringTableCopy(int count, XmString *table)
{
    XmString *copy = CVxmStringTableCreate(count);
    if (copy == nullptr || table == nullptr) {
        XtFree(reinterpret_cast<char *>(copy));
        return nullptr;
    }
    for (int i = 0; i < count; i++) {
        copy[i] = table[i] != nullptr ? XmStringCopy(table[i]) : nullptr;
        if (copy[i] == nullptr) {
            CVxmStringTableFree(i, copy);
            return nullptr;
        }
    }
    return copy;
}

extern "C" void CVxmStringTableFree(int count, XmString *table)
{
    if (table == nullptr) {
        return;
    }
    for (int i = 0; i < count; i++) {
        if (table[i] != nullptr) {
            XmStringFree(table[i]);
        }
    }
    XtFree(reinterpret_cast<char *>(table));
}

extern "C" char *CVxmgetCharStringFromXmString(XmString string)
{
    XmStringContext context = nullptr;
    if (string == nullptr || !XmStringInitContext(&context, string)) {
        return nullptr;
    }
    char *joined = nullptr;
    size_t length = 0;
    char *segment = nullptr;
    XmStringCharSet tag = nullptr;
    XmStringDirection direction;
    Boolean separator;
    // Every segment boundary becomes one newline, whatever the segment's separator says.
    while (XmStringGetNextSegment(context, &segment, &tag, &direction, &separator)) {
        size_t segmentLength = segment != nullptr ? strlen(segment) : 0;
        char *next = XtMalloc(length + segmentLength + 3);
        if (joined == nullptr) {
            snprintf(next, segmentLength + 3, "%s", segment != nullptr ? segment : "");
        } else {
            snprintf(next, length + segmentLength + 3, "%s\n%s", joined, segment != nullptr ? segment : "");
        }
        XtFree(joined);
        XtFree(segment);
        XtFree(tag);
        joined = next;
        length = strlen(joined);
        segment = nullptr;
        tag = nullptr;
    }
    XmStringFreeContext(context);
    return joined;
}
