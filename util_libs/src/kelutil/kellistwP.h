// What the list's own source files share beyond the public interface.
#ifndef KELLISTWP_H
#define KELLISTWP_H

#include "kelcore.h"

struct KelListAccess {
    static CListBox *listBox(KelListWidget *list) { return list->GetListBox(); }
};

#endif
