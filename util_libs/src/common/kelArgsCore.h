// The portable core of the native half's start-up: the option values taken from the command
// line, the string conversions of resources, and the order in which resource sources are tried.
#ifndef KELARGS_INTERNAL_H
#define KELARGS_INTERNAL_H

#include "kelargs.h"

// The value recorded for a specifier by the last KelParseCommandLineOptions, or null (*found
// tells a recorded null value from none).
const char *kelOptionValue(const char *specifier, int *found);

// Stores text in the field of a resource of the given type ("String", "Int", "Dimension",
// "Short", "Boolean", "Float"); 0 when the type has no string conversion.
int kelConvertString(const char *type, const char *text, void *field);

// A second source between the command line and the defaults (the registry): stores the
// resource's value in field and returns 1, or returns 0 when it has none.
typedef int (*KelResourceSource)(void *context, const XtResource *resource, void *field);

// Fills each resource's field from, in this order, the command line, the source, the default.
void kelFillResources(void *base, const XtResource *resources, unsigned count, KelResourceSource source,
                      void *context);

// The fatal path of the portable code. The native half installs its critical error handler;
// without one, "Internal Error" goes to standard error and the process exits with status 1.
typedef void (*KelFatalHandler)(int);
void kelSetCriticalHandler(KelFatalHandler handler);
[[noreturn]] void kelCriticalError();

#endif
