// List builders and helpers over XmList: the library's list look, queries, centring an item,
// sorted insertion and replacing items without losing the selection.
#include "cvguiP.h"
#include "cvListRules.h"

#include <Xm/List.h>
#include <cstring>

namespace {

int listCount, sListCount;

void stageItems(XmString *items, int count)
{
    if (items != nullptr && count > 0) {
        CVGUI_STAGE(XmNitemCount, count);
        CVGUI_STAGE(XmNitems, items);
    }
}

// Reads one resource through the shared argument list, as every helper does.
template <typename T> T readValue(Widget w, const char *resource)
{
    T value{};
    widgetArgCnt = 0;
    CVGUI_STAGE(resource, &value);
    XtGetValues(w, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    return value;
}

// The text of an item for a comparison; "" when it has none in the default tag, so a
// comparison never gets a null string. Free with XtFree.
char *itemText(XmString item)
{
    char *text = nullptr;
    if (item == nullptr || !XmStringGetLtoR(item, const_cast<char *>(XmFONTLIST_DEFAULT_TAG), &text) ||
        text == nullptr) {
        text = XtNewString("");
    }
    return text;
}

int callTwoArgumentCompare(const char *existing, const char *text, XtPointer compare)
{
    return reinterpret_cast<int (*)(const char *, const char *)>(compare)(existing, text);
}

} // namespace

extern "C" Widget AddList(Widget parent, const char *name, XmString *items, int count)
{
    GetNam(name, "cmd", &listCount);
    stageItems(items, count);
    return cvguiFinish(XmCreateList(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" Widget AddSList(Widget parent, const char *name, XmString *items, int count)
{
    GetNam(name, "cmd", &sListCount);
    stageItems(items, count);
    CVGUI_STAGE(XmNscrollBarDisplayPolicy, XmAS_NEEDED);
    CVGUI_STAGE(XmNscrollingPolicy, XmAUTOMATIC);
    return cvguiFinish(XmCreateScrolledList(parent, _nptr, widgetArgs, widgetArgCnt), true);
}

extern "C" void setupList(int visibleCount, unsigned char selectionPolicy)
{
    CVGUI_STAGE(XmNsensitive, True);
    CVGUI_STAGE(XmNlistSizePolicy, XmRESIZE_IF_POSSIBLE);
    CVGUI_STAGE(XmNselectionPolicy, selectionPolicy);
    if (visibleCount > 0) {
        CVGUI_STAGE(XmNvisibleItemCount, visibleCount);
    }
    CVGUI_STAGE(XmNscrollBarDisplayPolicy, XmAS_NEEDED);
    CVGUI_STAGE(XmNscrollingPolicy, XmAUTOMATIC);
}

namespace {

// A count of the list's and, when asked, the table that goes with it (the list's own).
int countAndTable(Widget list, const char *countName, const char *tableName, XmString **table)
{
    int count = 0;
    widgetArgCnt = 0;
    CVGUI_STAGE(countName, &count);
    if (table != nullptr) {
        CVGUI_STAGE(tableName, table);
    }
    XtGetValues(list, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    return count;
}

} // namespace

extern "C" int getListItems(Widget list, XmString **items)
{
    return countAndTable(list, XmNitemCount, XmNitems, items);
}

extern "C" int getSelected(Widget list, XmString **items)
{
    return countAndTable(list, XmNselectedItemCount, XmNselectedItems, items);
}

extern "C" int getListItemPosition(Widget list, XmString item)
{
    XmString *items = nullptr;
    int count = getListItems(list, &items);
    for (int i = 0; i < count && items != nullptr; i++) {
        if (XmStringCompare(items[i], item)) {
            return i + 1;
        }
    }
    return 0;
}

extern "C" void CVxmListSetCenterPos(Widget list, int position)
{
    int visible = readValue<int>(list, XmNvisibleItemCount);
    int count = getListItems(list, nullptr);
    CvCenterScroll scroll = cvCenterScroll(position, visible, count);
    switch (scroll.kind) {
    case CvCenterScroll::bottom:
        XmListSetBottomPos(list, 0);
        break;
    case CvCenterScroll::top:
        XmListSetPos(list, 1);
        break;
    case CvCenterScroll::topPosition:
        XmListSetPos(list, scroll.position);
        break;
    }
}

extern "C" void makeCenterOfScreen(Widget list, int position, Boolean notify)
{
    CVxmListSetCenterPos(list, position);
    XmListSelectPos(list, position, notify);
}

extern "C" void replaceItems(Widget list, XmString *oldItems, int count, XmString *newItems)
{
    int *positions = nullptr, selected = 0;
    Boolean hadSelection = XmListGetSelectedPos(list, &positions, &selected);
    XmListReplaceItems(list, oldItems, count, newItems);
    if (!hadSelection) {
        return;
    }
    XmString *items = nullptr;
    int itemCount = getListItems(list, &items);
    XmString *keep = CVxmStringTableCreate(selected);
    int kept = 0;
    for (int i = 0; i < selected; i++) {
        // A position past the end (the list changed under us) selects nothing.
        if (positions[i] >= 1 && positions[i] <= itemCount) {
            keep[kept++] = XmStringCopy(items[positions[i] - 1]);
        }
    }
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNselectedItemCount, kept);
    CVGUI_STAGE(XmNselectedItems, keep);
    XtSetValues(list, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    CVxmStringTableFree(selected, keep);
    XtFree(reinterpret_cast<char *>(positions));
}

extern "C" int CVxmListAddItemSorted(Widget list, XmString item, char *text, CVxmListCompareProc compare,
                                     XtPointer clientData)
{
    if ((item == nullptr) == (text == nullptr) || list == nullptr || compare == nullptr) {
        return -1;
    }
    XmString madeItem = nullptr;
    char *madeText = nullptr;
    if (item == nullptr) {
        item = madeItem = XmStringCreate(text, const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
    } else {
        text = madeText = itemText(item);
    }

    XmString *items = nullptr;
    int count = getListItems(list, &items);
    int position = cvSortedInsertPosition(count, [&](int i) {
        // The comparison gets its own text: it may not keep or change the list's items.
        char *existing = itemText(items[i]);
        int c = compare(existing, text, clientData);
        XtFree(existing);
        return c;
    });
    XmListAddItemUnselected(list, item, position);

    if (madeItem != nullptr) {
        XmStringFree(madeItem);
    }
    XtFree(madeText);
    return position == 0 ? count + 1 : position;
}

extern "C" int addItemSorted(Widget list, XmString item, char *text, int (*compare)(const char *, const char *))
{
    if (compare == nullptr) {
        return -1;
    }
    return CVxmListAddItemSorted(list, item, text, callTwoArgumentCompare, reinterpret_cast<XtPointer>(compare));
}

extern "C" Widget addLSEdit(Widget parent, char *value, const char *label, int columns, int maxLength, int rows)
{
    Widget text = AddLSText(parent, nullptr, label);
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNvalue, value != nullptr ? value : "");
    CVGUI_STAGE(XmNeditMode, XmMULTI_LINE_EDIT);
    CVGUI_STAGE(XmNeditable, False);
    if (rows > 0) {
        CVGUI_STAGE(XmNrows, rows);
    }
    if (columns > 0) {
        CVGUI_STAGE(XmNcolumns, columns);
    }
    if (maxLength > 0) {
        CVGUI_STAGE(XmNmaxLength, maxLength);
    }
    XtSetValues(text, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    XtManageChild(text);
    setEditable(text, True);
    return text;
}
