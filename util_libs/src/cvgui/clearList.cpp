// Emptying a list.
#include "cvguiP.h"

#include <Xm/List.h>

extern "C" void clearList(Widget list)
{
    if (list == nullptr) {
        return;
    }
    XmListSetPos(list, 1);
    XmListDeselectAllItems(list);
    XmListDeleteAllItems(list);
}
