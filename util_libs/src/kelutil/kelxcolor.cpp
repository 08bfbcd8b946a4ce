// The process's X colour database and the conversion of colour names.
#include "kelcore.h"

#include "kelXColorDB.h"

namespace {
KelXColorDB &database()
{
    static KelXColorDB db;
    return db;
}
} // namespace

int KelXColorDBInit(char *path)
{
    int badLine = 0;
    int result = database().load(path, &badLine);
    if (result == -2) {
        KelInternalErrorHandler();
    }
    return result;
}

int KelXColorConvert(const char *colour, unsigned long *colorref, int *red, int *green, int *blue)
{
    return database().convert(colour, colorref, red, green, blue);
}
