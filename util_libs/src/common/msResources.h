// The MIB selector's application resources, as both halves read them: the Motif half through
// _CVGetApplicationResources, the native half through KelGetApplicationResources. Where the X
// Toolkit's headers came first, kelargs.h leaves their XtResource in place.
#ifndef MSRESOURCES_H
#define MSRESOURCES_H

#include "kelargs.h"

#include <cstddef>

struct MsResources {
    char *defaultMibObject;
    int objIDcolumns;
    int mibSelListSize;
    Boolean mibSelListSorted;
    int mibMsgListSize;
    int buttonScaleFactor;
    int descrColumns;
    int descrRows;
    int descrListSize;
};

// What a description pane made before any selector has read its resources uses.
inline MsResources msDefaultResources()
{
    return {const_cast<char *>(".iso.org.dod.internet"), 50, 7, 0, 4, 6, 50, 5, 6};
}

#define MS_RESOURCE(name, cls, type, field, deflt)                                                      \
    {                                                                                                 \
        const_cast<char *>(name), const_cast<char *>(cls), const_cast<char *>(type),                  \
            sizeof(MsResources::field), offsetof(MsResources, field), const_cast<char *>("String"),   \
            const_cast<char *>(deflt)                                                                 \
    }

// One copy per half: each includes it in a single file.
static XtResource msResourceTable[] = {
    MS_RESOURCE("defaultMibObject", "DefaultMibObject", "String", defaultMibObject, ".iso.org.dod.internet"),
    MS_RESOURCE("objIDcolumns", "ObjIDcolumns", "Int", objIDcolumns, "50"),
    MS_RESOURCE("mibSelListSize", "MibSelListSize", "Int", mibSelListSize, "7"),
    MS_RESOURCE("mibSelListSorted", "MibSelListSorted", "Boolean", mibSelListSorted, "False"),
    MS_RESOURCE("mibMsgListSize", "MibMsgListSize", "Int", mibMsgListSize, "4"),
    MS_RESOURCE("buttonScaleFactor", "ButtonScaleFactor", "Int", buttonScaleFactor, "6"),
    MS_RESOURCE("descrColumns", "DescrColumns", "Int", descrColumns, "50"),
    MS_RESOURCE("descrRows", "DescrRows", "Int", descrRows, "5"),
    MS_RESOURCE("descrListSize", "DescrListSize", "Int", descrListSize, "6"),
};
#undef MS_RESOURCE

const unsigned msResourceCount = sizeof msResourceTable / sizeof msResourceTable[0];

#endif
