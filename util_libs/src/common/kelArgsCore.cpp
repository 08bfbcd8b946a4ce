// Command line into words, options into values, values into resources.
#include "kelArgsCore.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cctype>

namespace {

char *argumentVector[KEL_ARGV_SIZE];

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
    argumentVector[0] = programName;
    int argc = 1;
    for (;;) {
        if (argc >= KEL_ARGV_SIZE - 1) {
            kelCriticalError(); // no room for another word and the closing null
        }
        while (isspace(static_cast<unsigned char>(*p))) {
            p++;
        }
        if (*p == '\0') {
            break;
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

int kelConvertString(const char *type, const char *text, void *field)
{
    enum { String, Int, Dimension, Short, Boolean, Float } kind;
    size_t width;
    if (strcmp(type, "String") == 0) {
        kind = String, width = sizeof(char *);
    } else if (strcmp(type, "Int") == 0) {
        kind = Int, width = sizeof(int);
    } else if (strcmp(type, "Dimension") == 0) {
        kind = Dimension, width = sizeof(unsigned short);
    } else if (strcmp(type, "Short") == 0) {
        kind = Short, width = sizeof(short);
    } else if (strcmp(type, "Boolean") == 0) {
        kind = Boolean, width = 1;
    } else if (strcmp(type, "Float") == 0) {
        kind = Float, width = sizeof(float);
    } else {
        return 0;
    }
    // A null string stores zero; so does text that does not scan.
    memset(field, 0, width);
    if (text == nullptr) {
        return 1;
    }
    switch (kind) {
    case String: {
        char *copy = static_cast<char *>(malloc(strlen(text) + 1));
        if (copy == nullptr) {
            kelCriticalError();
        }
        strcpy(copy, text);
        memcpy(field, &copy, sizeof copy);
        break;
    }
    case Int:
        sscanf(text, "%d", static_cast<int *>(field));
        break;
    case Dimension:
        sscanf(text, "%hu", static_cast<unsigned short *>(field));
        break;
    case Short:
        sscanf(text, "%hd", static_cast<short *>(field));
        break;
    case Boolean:
        *static_cast<char *>(field) = strcmp(text, "True") == 0 || strcmp(text, "TRUE") == 0;
        break;
    case Float:
        sscanf(text, "%f", static_cast<float *>(field));
        break;
    }
    return 1;
}

void kelFillResources(void *base, const XtResource *resources, unsigned count, KelResourceSource source,
                      void *context)
{
    for (unsigned i = 0; i < count; i++) {
        const XtResource &r = resources[i];
        void *field = static_cast<char *>(base) + r.resource_offset;
        int found = 0;
        const char *value = kelOptionValue(r.resource_name, &found);
        if (found) {
            if (kelConvertString(r.resource_type, value, field)) {
                continue;
            }
        } else {
            if (source != nullptr && source(context, &r, field)) {
                continue;
            }
            if (r.default_type != nullptr && strcmp(r.default_type, "String") == 0 &&
                kelConvertString(r.resource_type, static_cast<const char *>(r.default_addr), field)) {
                continue;
            }
        }
        // An immediate default: the bytes of the default field itself, as far as it has them.
        size_t n = r.resource_size < sizeof r.default_addr ? r.resource_size : sizeof r.default_addr;
        memcpy(field, &r.default_addr, n);
        if (r.resource_size > n) {
            memset(static_cast<char *>(field) + n, 0, r.resource_size - n);
        }
    }
}
