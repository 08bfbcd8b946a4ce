// The reorder panel: two arrows that move the selected block of a list one place up or down.
#include "cvguiP.h"

#include <Xm/ArrowB.h>
#include <Xm/List.h>
#include <Xm/PanedW.h>
#include <cstdint>

namespace {

const int moveUp = 0;
const int moveDown = 1;

// A disabled arrow takes its parent's background and so disappears; recorded once, from the
// first arrow changed, for every panel of the process.
bool coloursKnown;
Pixel arrowForeground;
Pixel arrowBackground;

void showArrow(Widget arrow, bool enabled)
{
    if (!coloursKnown) {
        XtVaGetValues(arrow, XmNforeground, &arrowForeground, nullptr);
        XtVaGetValues(XtParent(arrow), XmNbackground, &arrowBackground, nullptr);
        coloursKnown = true;
    }
    setSensitive(arrow, enabled);
    XtVaSetValues(arrow, XmNforeground, enabled ? arrowForeground : arrowBackground, nullptr);
}

// Which ways a selection of count items (positions looked up in the list) may move: only a
// contiguous block that is not the whole list moves.
void allowedMoves(Widget list, int count, XmString *items, bool &up, bool &down)
{
    up = down = false;
    int total = getListItems(list, nullptr);
    if (count <= 0 || items == nullptr || (count > 1 && count >= total)) {
        return;
    }
    int first = 0, last = 0;
    for (int i = 0; i < count; i++) {
        if (items[i] == nullptr) {
            return;
        }
        int p = XmListItemPos(list, items[i]);
        if (i == 0) {
            first = p;
        } else if (p != last + 1) {
            return;
        }
        last = p;
    }
    up = first != 1;
    down = last != total;
}

void move(Widget arrow, XtPointer direction, XtPointer)
{
    Widget panel = XtParent(XtParent(arrow));
    reorderInfo *info = CVxmGetReorderInfo(panel);
    if (info == nullptr) {
        return;
    }
    XmString *selected = nullptr;
    int n = getSelected(info->list, &selected);
    if (n == 0) {
        return;
    }
    int first = getListItemPosition(info->list, selected[0]);
    XmString *items = nullptr;
    int total = getListItems(info->list, &items);
    int from, to;
    if (reinterpret_cast<intptr_t>(direction) == moveDown) {
        from = first + n;
        to = first;
    } else {
        from = first - 1;
        to = from + n;
        if (to > total) {
            to = 0;
        }
    }
    if (first == 0 || from < 1 || from > total) {
        return;
    }
    // The neighbour moves across the block; the selected items themselves are not touched.
    XmString neighbour = XmStringCopy(items[from - 1]);
    XmListDeletePos(info->list, from);
    XmListAddItemUnselected(info->list, neighbour, to);
    XmStringFree(neighbour);
    CVxmListSetCenterPos(info->list, from);
    if (info->callback != nullptr) {
        int moved[2] = {from, to};
        info->callback(info->list, info->clientData, moved);
    }
    CVxmSetReorderSensitive(panel, -1, nullptr);
}

void freeInfo(Widget panel, XtPointer, XtPointer)
{
    reorderInfo *info = CVxmGetReorderInfo(panel);
    if (info != nullptr) {
        info->magic = 0;
        XtFree(reinterpret_cast<char *>(info));
    }
}

} // namespace

extern "C" Widget CVxmCreateReorderWidget(Widget parent, const char *name, const char *label, Widget list,
                                          XtCallbackProc callback, XtPointer clientData)
{
    auto *info = reinterpret_cast<reorderInfo *>(XtMalloc(sizeof(reorderInfo)));
    info->magic = CVXM_REORDER_MAGIC;
    info->list = list;
    info->callback = callback;
    info->clientData = clientData;

    Widget frame = AddFrame(parent, "reorderFrame", 0);
    XtManageChild(frame);

    widgetArgCnt = 0;
    setupPane();
    CVGUI_STAGE(XmNseparatorOn, False);
    CVGUI_STAGE(XmNmarginWidth, 0);
    CVGUI_STAGE(XmNmarginHeight, 0);
    Widget panel = AddVPane(frame, name, True);
    XtManageChild(panel);

    CVGUI_STAGE(XmNalignment, XmALIGNMENT_CENTER);
    CVGUI_STAGE(XmNskipAdjust, True);
    CVGUI_STAGE(XmNmarginWidth, 0);
    CVGUI_STAGE(XmNmarginHeight, 0);
    AddMLabel(panel, "reorderLabel", label);

    CVGUI_STAGE(XmNorientation, XmHORIZONTAL);
    CVGUI_STAGE(XmNskipAdjust, True);
    CVGUI_STAGE(XmNmarginHeight, 0);
    Widget row = AddRowCol(panel, "reorderRowcol");
    XtManageChild(row);

    CVGUI_STAGE(XmNarrowDirection, XmARROW_UP);
    info->up = AddMAButton(row, nullptr, "reorderUp", move, reinterpret_cast<XtPointer>(moveUp));
    CVGUI_STAGE(XmNarrowDirection, XmARROW_DOWN);
    info->down = AddMAButton(row, nullptr, "reorderDown", move, reinterpret_cast<XtPointer>(moveDown));

    XtVaSetValues(panel, XmNuserData, info, nullptr);
    XtAddCallback(panel, XmNdestroyCallback, freeInfo, nullptr);

    CVxmSetReorderSensitive(panel, 0, nullptr);
    TurnOffSashTraversal(panel);
    return panel;
}

extern "C" reorderInfo *CVxmGetReorderInfo(Widget panel)
{
    XtPointer data = nullptr;
    XtVaGetValues(panel, XmNuserData, &data, nullptr);
    auto *info = static_cast<reorderInfo *>(data);
    return info == nullptr || info->magic == CVXM_REORDER_MAGIC ? info : nullptr;
}

extern "C" void CVxmSetReorderSensitive(Widget panel, int count, XmString *items)
{
    reorderInfo *info = CVxmGetReorderInfo(panel);
    if (info == nullptr) {
        return;
    }
    if (count < 0) {
        count = getSelected(info->list, &items);
    }
    bool up, down;
    allowedMoves(info->list, count, items, up, down);
    setSensitive(panel, up || down);
    showArrow(info->up, up);
    showArrow(info->down, down);
}
