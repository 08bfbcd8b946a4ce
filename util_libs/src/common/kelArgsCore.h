// The portable core of the native half's start-up: the option values taken from the command
// line, the string conversions of resources, and the order in which resource sources are tried.
#ifndef KELARGS_INTERNAL_H
#define KELARGS_INTERNAL_H

#include "kelargs.h"

// Frees the copies of every command line cut so far, which the library otherwise keeps for the
// life of the process; the words of those vectors are gone with them. For a host that cuts many
// lines (the command-line fuzzer).
void kelReleaseCommandLines();

// The value recorded for a specifier by the last KelParseCommandLineOptions, or null (*found
// tells a recorded null value from none).
const char *kelOptionValue(const char *specifier, int *found);

// Stores text in the field of a resource of the given type ("String", "Int", "Dimension",
// "Short", "Boolean", "Float"): 1 when stored (a null text stores zero), 0 when the type has
// no string conversion, -1 when the text does not read as the type's number (field untouched).
int kelConvertString(const char *type, const char *text, void *field);

// Stores a number (a registry DWORD) in the field of an "Int", "Dimension", "Short" or "Boolean"
// resource: 1, or 0 for any other type.
int kelStoreNumber(const char *type, unsigned long number, void *field);

// A second source between the command line and the defaults (the registry): stores the
// resource's value in field and returns 1, or returns 0 when it has none.
typedef int (*KelResourceSource)(void *context, const XtResource *resource, void *field);

// Fills each resource's field from, in this order, the command line, the source, the default.
// A value that does not read as the resource's number is passed over like a missing one.
void kelFillResources(void *base, const XtResource *resources, unsigned count, KelResourceSource source,
                      void *context);

// Fills each resource's field with its default alone, as far as that needs no display: a String
// default of a type without a string conversion (a colour, a font) leaves the field zero.
void kelFillDefaults(void *base, const XtResource *resources, unsigned count);

// The fatal path of the portable code. The native half installs its critical error handler;
// without one, "Internal Error" goes to standard error and the process exits with status 1.
typedef void (*KelFatalHandler)(int);
void kelSetCriticalHandler(KelFatalHandler handler);
[[noreturn]] void kelCriticalError();

#endif
