// Command line into words, options into values, values into resources.
#include "kelArgsCore.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cctype>
#include <vector>

namespace {

char *argumentVector[KEL_ARGV_SIZE];
// Never destroyed, so that the copies stay reachable to the end of the process.
std::vector<char *> &lineCopies = *new std::vector<char *>;

struct OptionValue {
    const char *specifier;
    const char *value;
};
OptionValue optionValues[KEL_OPTION_VALUES];
int optionValueCount = 0;

KelFatalHandler criticalHandler = nullptr;

void recordOption(const char *specifier, const char *value)
{
    for (int i = 0; i < optionValueCount; i++) {
        if (strcmp(optionValues[i].specifier, specifier) == 0) {
            optionValues[i].value = value;
            return;
        }
    }
    // A full table keeps what it has: tools have a handful of options.
    if (optionValueCount < KEL_OPTION_VALUES) {
        optionValues[optionValueCount++] = {specifier, value};
    }
}

// Drops argv[1]; later entries, the closing null included, move down by one.
void removeFirstArgument(char **argv)
{
    for (int j = 1; argv[j] != nullptr; j++) {
        argv[j] = argv[j + 1];
    }
}

} // namespace

void kelSetCriticalHandler(KelFatalHandler handler)
{
    criticalHandler = handler;
}

void kelCriticalError()
{
    if (criticalHandler != nullptr) {
        criticalHandler(0);
    }
    fputs("Internal Error\n", stderr);
    exit(1);
}

int cmdlineToArgv(char *programName, char *commandLine, char ***argv)
{
    char *p = strdup(commandLine != nullptr ? commandLine : "");
    if (p == nullptr) {
        kelCriticalError();
    }
    // Each copy stays the library's for the life of the process: a caller may still hold words of
    // an earlier vector.
    lineCopies.push_back(p);
    argumentVector[0] = programName;
    int argc = 1;
    for (;;) {
        while (isspace(static_cast<unsigned char>(*p))) {
            p++;
        }
        if (*p == '\0') {
            break;
        }
        // Full only when a word is left over: trailing blanks or a closing quote after the
        // 126th word still fit.
        if (argc >= KEL_ARGV_SIZE - 1) {
            kelCriticalError(); // no room for another word and the closing null
        }
        char quote = (*p == '"' || *p == '\'') ? *p : '\0';
        if (quote != '\0') {
            p++;
        }
        argumentVector[argc++] = p;
        if (quote != '\0') {
            while (*p != '\0' && *p != quote) {
                p++;
            }
        } else {
            while (*p != '\0' && !isspace(static_cast<unsigned char>(*p))) {
                p++;
            }
        }
        if (*p == '\0') {
            break;
        }
        *p++ = '\0';
    }
    argumentVector[argc] = nullptr;
    *argv = argumentVector;
    return argc;
}

void kelReleaseCommandLines()
{
    for (char *copy : lineCopies) {
        free(copy);
    }
    lineCopies.clear();
    argumentVector[0] = nullptr;
    argumentVector[1] = nullptr;
}

void KelParseCommandLineOptions(XrmOptionDescRec *options, int optionCount, int *argc, char **argv)
{
    optionValueCount = 0;
    int argcOnEntry = *argc;
    int removed = 0;
    for (int i = 1; i < argcOnEntry;) {
        const XrmOptionDescRec *row = nullptr;
        for (int r = 0; r < optionCount; r++) {
            if (strcmp(argv[1], options[r].option) == 0) {
                row = &options[r]; // the last matching row wins
            }
        }
        if (row == nullptr) {
            break;
        }
        if (row->argKind == XrmoptionNoArg) {
            recordOption(row->specifier, row->value);
        } else if (row->argKind == XrmoptionSepArg) {
            if (i + 1 >= argcOnEntry) {
                break;
            }
            recordOption(row->specifier, argv[2]);
            removeFirstArgument(argv);
            removed++;
            i++;
        }
        removeFirstArgument(argv);
        removed++;
        i++;
    }
    *argc = argcOnEntry - removed;
}

const char *kelOptionValue(const char *specifier, int *found)
{
    for (int i = 0; i < optionValueCount; i++) {
        if (strcmp(optionValues[i].specifier, specifier) == 0) {
            *found = 1;
            return optionValues[i].value;
        }
    }
    *found = 0;
    return nullptr;
}

namespace {

enum class Kind { none, String, Int, Dimension, Short, Boolean, Float };

// The resource types that have conversions, by their Xt names.
Kind kindOf(const char *type)
{
    static const struct {
        const char *name;
        Kind kind;
    } kinds[] = {{"String", Kind::String},   {"Int", Kind::Int},         {"Dimension", Kind::Dimension},
                 {"Short", Kind::Short},     {"Boolean", Kind::Boolean}, {"Float", Kind::Float}};
    for (const auto &k : kinds) {
        if (type != nullptr && strcmp(type, k.name) == 0) {
            return k.kind;
        }
    }
    return Kind::none;
}

size_t widthOf(Kind kind)
{
    switch (kind) {
    case Kind::String: return sizeof(char *);
    case Kind::Int: return sizeof(int);
    case Kind::Dimension: return sizeof(unsigned short);
    case Kind::Short: return sizeof(short);
    case Kind::Boolean: return 1;
    case Kind::Float: return sizeof(float);
    case Kind::none: break;
    }
    return 0;
}

template <class T> void store(void *field, T value)
{
    memcpy(field, &value, sizeof value);
}

// The immediate default: the bytes of the default field itself, as far as it has them.
void copyImmediate(const XtResource &r, void *field)
{
    size_t n = r.resource_size < sizeof r.default_addr ? r.resource_size : sizeof r.default_addr;
    memcpy(field, &r.default_addr, n);
    if (r.resource_size > n) {
        memset(static_cast<char *>(field) + n, 0, r.resource_size - n);
    }
}

bool isStringDefault(const XtResource &r)
{
    return r.default_type != nullptr && strcmp(r.default_type, "String") == 0;
}

} // namespace

int kelConvertString(const char *type, const char *text, void *field)
{
    Kind kind = kindOf(type);
    if (kind == Kind::none) {
        return 0;
    }
    if (text == nullptr) {
        memset(field, 0, widthOf(kind)); // a null string stores zero
        return 1;
    }
    switch (kind) {
    case Kind::String: {
        char *copy = strdup(text);
        if (copy == nullptr) {
            kelCriticalError();
        }
        store(field, copy);
        return 1;
    }
    case Kind::Boolean:
        store(field, static_cast<char>(strcmp(text, "True") == 0 || strcmp(text, "TRUE") == 0));
        return 1;
    case Kind::Int: {
        int v;
        return sscanf(text, "%d", &v) == 1 ? (store(field, v), 1) : -1;
    }
    case Kind::Dimension: {
        unsigned short v;
        return sscanf(text, "%hu", &v) == 1 ? (store(field, v), 1) : -1;
    }
    case Kind::Short: {
        short v;
        return sscanf(text, "%hd", &v) == 1 ? (store(field, v), 1) : -1;
    }
    case Kind::Float: {
        float v;
        return sscanf(text, "%f", &v) == 1 ? (store(field, v), 1) : -1;
    }
    case Kind::none: break;
    }
    return 0;
}

int kelStoreNumber(const char *type, unsigned long number, void *field)
{
    switch (kindOf(type)) {
    case Kind::Int: store(field, static_cast<int>(number)); return 1;
    case Kind::Dimension: store(field, static_cast<unsigned short>(number)); return 1;
    case Kind::Short: store(field, static_cast<short>(number)); return 1;
    case Kind::Boolean: store(field, static_cast<char>(number != 0)); return 1;
    default: return 0;
    }
}

void kelFillResources(void *base, const XtResource *resources, unsigned count, KelResourceSource source,
                      void *context)
{
    for (unsigned i = 0; i < count; i++) {
        const XtResource &r = resources[i];
        void *field = static_cast<char *>(base) + r.resource_offset;
        // A value that does not read as the resource's number counts as not given: the next
        // source is asked, as for a value that is missing.
        int found = 0;
        const char *value = kelOptionValue(r.resource_name, &found);
        if (found) {
            int converted = kelConvertString(r.resource_type, value, field);
            if (converted == 1) {
                continue;
            }
            if (converted == 0) {
                copyImmediate(r, field); // no string rule for the type: the default stands
                continue;
            }
        }
        if (source != nullptr && source(context, &r, field)) {
            continue;
        }
        if (isStringDefault(r)) {
            int converted = kelConvertString(r.resource_type, static_cast<const char *>(r.default_addr), field);
            if (converted == 1) {
                continue;
            }
            if (converted < 0) {
                memset(field, 0, r.resource_size);
                continue;
            }
        }
        copyImmediate(r, field);
    }
}

void kelFillDefaults(void *base, const XtResource *resources, unsigned count)
{
    for (unsigned i = 0; i < count; i++) {
        const XtResource &r = resources[i];
        void *field = static_cast<char *>(base) + r.resource_offset;
        if (!isStringDefault(r)) {
            copyImmediate(r, field);
        } else if (kelConvertString(r.resource_type, static_cast<const char *>(r.default_addr), field) != 1) {
            // Colours, fonts and the like need the display's converters.
            memset(field, 0, r.resource_size);
        }
    }
}
