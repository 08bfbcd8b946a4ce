// Compound-string helpers.
#include "cvguiP.h"

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
