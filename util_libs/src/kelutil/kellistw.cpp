// Lists with the Motif list's conventions over a native list box: 1-based positions (0 names
// the last item), items compared by value, selections reported as tables, and selection changes
// announced to the dialog as the list box itself announces a user's click.
#include "kellistwP.h"
#include "kelMsgDlg.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

KelListWidget::KelListWidget()
    : items(nullptr), itemCount(0), itemRoom(0), selectedItems(nullptr), selectedPositions(nullptr), selectedCount(0),
      changeFlag(1)
{
}

KelListWidget::~KelListWidget()
{
    FreeItemsTable();
}

CListBox *KelListWidget::GetListBox()
{
    CWnd *control = widget;
    if (control == nullptr) {
        KelInternalErrorHandler();
    }
    return static_cast<CListBox *>(control);
}

namespace {
void *allocate(size_t size)
{
    void *p = malloc(size > 0 ? size : 1);
    if (p == nullptr) {
        KelCriticalErrorHandler(0);
    }
    return p;
}

// The indices the control has selected, ascending. One message pair instead of one message per
// item keeps the check of a large list's selection cheap.
std::vector<int> controlSelection(CListBox *listBox)
{
    std::vector<int> selection;
    int count = listBox->GetSelCount();
    if (count == LB_ERR) { // a single-selection list box
        int current = listBox->GetCurSel();
        if (current != LB_ERR) {
            selection.push_back(current);
        }
        return selection;
    }
    selection.resize(count);
    if (count > 0 && listBox->GetSelItems(count, selection.data()) != count) {
        KelImpossibleErrorHandler();
    }
    return selection;
}
} // namespace

void KelListWidget::FreeSelectedItemsTable()
{
    free(selectedItems);
    free(selectedPositions);
    selectedItems = nullptr;
    selectedPositions = nullptr;
    selectedCount = 0;
}

void KelListWidget::FreeItemsTable()
{
    FreeSelectedItemsTable();
    for (int i = 0; i < itemCount; i++) {
        free(items[i]);
    }
    free(items);
    items = nullptr;
    itemCount = 0;
    itemRoom = 0;
}

void KelListWidget::SetItemsTable()
{
    CListBox *listBox = GetListBox();
    int count = listBox->GetCount();
    if (count < 0) {
        KelImpossibleErrorHandler();
    }
    if (count == 0) {
        return;
    }
    items = static_cast<char **>(allocate(sizeof(char *) * count));
    itemRoom = count;
    for (int i = 0; i < count; i++) {
        int length = listBox->GetTextLen(i);
        if (length < 0) {
            KelInternalErrorHandler();
        }
        char *text = static_cast<char *>(allocate(length + 1));
        items[itemCount++] = text; // counted at once, so that a fatal read below frees nothing twice
        if (listBox->GetText(i, text) < 0) {
            KelInternalErrorHandler();
        }
    }
}

void KelListWidget::SetSelectedItemsTable()
{
    FreeSelectedItemsTable();
    if (itemCount == 0) {
        return;
    }
    std::vector<int> selection = controlSelection(GetListBox());
    if (selection.empty()) {
        return;
    }
    selectedItems = static_cast<char **>(allocate(sizeof(char *) * selection.size()));
    selectedPositions = static_cast<int *>(allocate(sizeof(int) * selection.size()));
    for (int index : selection) {
        if (index < itemCount) {
            selectedItems[selectedCount] = items[index];
            selectedPositions[selectedCount++] = index;
        }
    }
}

int KelListWidget::IsSelectionChanged()
{
    std::vector<int> selection = controlSelection(GetListBox());
    if (static_cast<int>(selection.size()) != selectedCount) {
        return 1;
    }
    return memcmp(selection.data(), selectedPositions, sizeof(int) * selectedCount) != 0 ? 1 : 0;
}

void KelListWidget::UpdateItemsTable()
{
    FreeItemsTable();
    SetItemsTable();
    SetSelectedItemsTable();
    changeFlag = 0;
}

void KelListWidget::UpdateSelectedItemsTable()
{
    if (changeFlag) {
        UpdateItemsTable();
    } else if (IsSelectionChanged()) {
        SetSelectedItemsTable();
    }
}

void KelListWidget::Matching()
{
    if (changeFlag) {
        UpdateItemsTable();
    }
}

bool KelListWidget::InStep(int expectedCount)
{
    if (changeFlag) {
        return false;
    }
    // Items put in or taken out behind the library's back: read the list again when next asked.
    if (GetListBox()->GetCount() != expectedCount) {
        changeFlag = 1;
        return false;
    }
    return true;
}

void KelListWidget::ItemInserted(int index, const char *text)
{
    // The selection tables point into the item table and name indices: the control rebuilds
    // them when next asked.
    FreeSelectedItemsTable();
    if (!InStep(itemCount + 1) || index < 0 || index > itemCount) {
        changeFlag = 1;
        return;
    }
    if (itemCount == itemRoom) {
        int room = itemRoom > 0 ? itemRoom * 2 : 16;
        auto *grown = static_cast<char **>(realloc(items, sizeof(char *) * room));
        if (grown == nullptr) {
            KelCriticalErrorHandler(0);
        }
        items = grown;
        itemRoom = room;
    }
    char *copy = static_cast<char *>(allocate(strlen(text) + 1));
    strcpy(copy, text);
    memmove(items + index + 1, items + index, sizeof(char *) * (itemCount - index));
    items[index] = copy;
    itemCount++;
}

void KelListWidget::ItemDeleted(int index)
{
    FreeSelectedItemsTable();
    if (!InStep(itemCount - 1) || index < 0 || index >= itemCount) {
        changeFlag = 1;
        return;
    }
    free(items[index]);
    memmove(items + index, items + index + 1, sizeof(char *) * (itemCount - index - 1));
    itemCount--;
}

void KelListWidget::ItemsCleared()
{
    FreeItemsTable();
    changeFlag = 0; // an empty list has empty tables
}

int KelListWidget::GetRealSelectedItemCount()
{
    CListBox *listBox = GetListBox();
    int count = listBox->GetSelCount();
    if (count == LB_ERR) {
        return listBox->GetCurSel() != LB_ERR ? 1 : 0;
    }
    return count;
}

void KelListWidget::GetItems(char ***table, int *count)
{
    Matching();
    *table = items;
    *count = itemCount;
}

void KelListWidget::GetSelectedItems(char ***table, int *count)
{
    UpdateSelectedItemsTable();
    *table = selectedItems;
    *count = selectedCount;
}

void KelListWidget::GetSelectedPos(int **positions, int *count)
{
    UpdateSelectedItemsTable();
    *positions = selectedPositions;
    *count = selectedCount;
}

// ---- The position rules.

namespace {
CListBox *listBoxOf(KelListWidget *list)
{
    return KelListAccess::listBox(list);
}

const char *text(const unsigned char *item)
{
    return reinterpret_cast<const char *>(item);
}

// Position 0 is the last item; a negative one is a caller's error.
int resolve(KelListWidget *list, int pos)
{
    if (pos < 0) {
        KelInternalErrorHandler();
    }
    return pos > 0 ? pos : KelListGetItemCount(list);
}

int toIndex(KelListWidget *list, int pos)
{
    if (pos != 0) {
        return pos - 1;
    }
    int count = KelListGetItemCount(list);
    return count > 0 ? count - 1 : 0;
}

// Index -1 is the last item. A single-selection list box moves its selection; any other adds
// the item to it.
int selectIndex(KelListWidget *list, int index)
{
    CListBox *listBox = listBoxOf(list);
    if (index == -1) {
        int count = listBox->GetCount();
        if (count <= 0) {
            return -1;
        }
        index = count - 1;
    }
    if (listBox->GetSelCount() == LB_ERR) {
        return listBox->SetCurSel(index);
    }
    return listBox->SetSel(index, TRUE);
}

// The 0-based index of the first item equal to item, or -1.
int findItem(KelListWidget *list, const unsigned char *item)
{
    char **items;
    int count;
    list->GetItems(&items, &count);
    for (int i = 0; i < count; i++) {
        if (strcmp(items[i], text(item)) == 0) {
            return i;
        }
    }
    return -1;
}

// Tells the dialog of a selection change exactly as the list box reports a user's click.
void notifySelectionChange(KelListWidget *list)
{
    CListBox *listBox = listBoxOf(list);
    CWnd *parent = listBox->GetParent();
    if (parent != nullptr) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(list->widget.id & 0xFFFF, LBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(listBox->m_hWnd));
    }
}

// Lets the list scroll sideways far enough to show the item, measured in the list's own font.
void widen(KelListWidget *list, const unsigned char *item)
{
    CListBox *listBox = listBoxOf(list);
    CDC *dc = listBox->GetDC();
    CFont *previous = dc->SelectObject(listBox->GetFont());
    // The text and a blank in one measurement: extents add up, and each costs a trip to the font.
    std::string measured = text(item);
    measured += ' ';
    int width = dc->GetTextExtent(measured.c_str(), static_cast<int>(measured.size())).cx;
    if (previous != nullptr) {
        dc->SelectObject(previous);
    }
    listBox->ReleaseDC(dc);
    if (width > listBox->GetHorizontalExtent()) {
        listBox->SetHorizontalExtent(width);
    }
}

// Many items at once: a shown list draws once at the end rather than after every item.
class BulkChange {
public:
    explicit BulkChange(KelListWidget *list) : list_(list), shown_(listBoxOf(list)->IsWindowVisible() != 0)
    {
        if (shown_) {
            KelListSetRedraw(list_, FALSE);
        }
    }
    ~BulkChange()
    {
        if (shown_) {
            KelListSetRedraw(list_, TRUE);
        }
    }

private:
    KelListWidget *list_;
    bool shown_;
};

void checkInsert(int result)
{
    if (result == LB_ERRSPACE) {
        KelCriticalErrorHandler(0);
    }
    if (result < 0) {
        KelInternalErrorHandler();
    }
}
} // namespace

// ---- Content.

void KelListAddItemUnselected(KelListWidget *list, const unsigned char *item, int pos)
{
    int index = listBoxOf(list)->InsertString(pos - 1, text(item));
    checkInsert(index);
    list->ItemInserted(index, text(item));
    widen(list, item);
}

void KelListSortAddItem(KelListWidget *list, const unsigned char *item)
{
    int index = listBoxOf(list)->AddString(text(item));
    checkInsert(index);
    list->ItemInserted(index, text(item));
    widen(list, item);
}

void KelListAddItems(KelListWidget *list, unsigned char **items, int n, int pos)
{
    BulkChange bulk(list);
    for (int i = 0; i < n; i++) {
        KelListAddItemUnselected(list, items[i], pos == 0 ? 0 : pos + i + 1);
    }
}

void KelListSetItems(KelListWidget *list, unsigned char **items, int n)
{
    BulkChange bulk(list);
    KelListDeleteAllItems(list);
    for (int i = 0; i < n; i++) {
        KelListAddItemUnselected(list, items[i], i + 1);
    }
}

void KelListDeleteAllItems(KelListWidget *list)
{
    CListBox *listBox = listBoxOf(list);
    listBox->ResetContent();
    list->ItemsCleared();
    listBox->SetHorizontalExtent(0);
}

void KelListDeletePos(KelListWidget *list, int pos)
{
    int index = toIndex(list, resolve(list, pos));
    if (listBoxOf(list)->DeleteString(index) >= 0) {
        list->ItemDeleted(index);
    }
}

void KelListDeleteItem(KelListWidget *list, const unsigned char *item)
{
    int index = findItem(list, item);
    if (index < 0) {
        return;
    }
    if (listBoxOf(list)->DeleteString(index) < 0) {
        KelInternalErrorHandler();
    }
    list->ItemDeleted(index);
}

void KelListDeleteItems(KelListWidget *list, unsigned char **items, int n)
{
    if (n == 0) {
        return;
    }
    BulkChange bulk(list);
    // A copy, since the caller may pass the widget's own tables, which the deletions change.
    unsigned char **copy = KelStringTableCopy(n, items);
    for (int i = 0; i < n; i++) {
        KelListDeleteItem(list, copy[i]);
    }
    KelStringTableFree(n, copy);
}

void KelListReplaceItems(KelListWidget *list, unsigned char **oldItems, int n, unsigned char **newItems)
{
    if (n == 0) {
        return;
    }
    BulkChange bulk(list);
    // As for deletions: the old items may be the widget's own table.
    unsigned char **copy = KelStringTableCopy(n, oldItems);
    for (int i = 0; i < n; i++) {
        int index = findItem(list, copy[i]);
        if (index >= 0) {
            KelListDeletePos(list, index + 1);
            KelListAddItemUnselected(list, newItems[i], index + 1);
        }
    }
    KelStringTableFree(n, copy);
}

void KelListReplaceItemsKeepingSelectedPos(KelListWidget *list, unsigned char **oldItems, int n,
                                           unsigned char **newItems)
{
    int *positions;
    int count;
    KelListGetSelectedPos(list, &positions, &count);
    KelListReplaceItems(list, oldItems, n, newItems);
    for (int i = 0; i < count; i++) {
        selectIndex(list, toIndex(list, positions[i]));
    }
    free(positions);
}

unsigned char *KelListGetItem(KelListWidget *list, int pos)
{
    CListBox *listBox = listBoxOf(list);
    int length = listBox->GetTextLen(pos - 1);
    if (length < 0) {
        KelInternalErrorHandler();
    }
    char *item = static_cast<char *>(allocate(length + 1));
    if (listBox->GetText(pos - 1, item) < 0) {
        KelInternalErrorHandler();
    }
    return reinterpret_cast<unsigned char *>(item);
}

void KelListGetItems(KelListWidget *list, unsigned char ***items, int *count)
{
    list->GetItems(reinterpret_cast<char ***>(items), count);
}

int KelListGetItemCount(KelListWidget *list)
{
    return listBoxOf(list)->GetCount();
}

int KelListItemPos(KelListWidget *list, const unsigned char *item)
{
    return findItem(list, item) + 1;
}

int KelListItemExists(KelListWidget *list, const unsigned char *item)
{
    return KelListItemPos(list, item) != 0 ? 1 : 0;
}

// ---- Selection.

void KelListGetSelectedItems(KelListWidget *list, unsigned char ***items, int *count)
{
    list->GetSelectedItems(reinterpret_cast<char ***>(items), count);
}

int KelListGetSelectedItemCount(KelListWidget *list)
{
    return list->GetRealSelectedItemCount();
}

int KelListGetSelectedPos(KelListWidget *list, int **positions, int *count)
{
    int *indices;
    int n;
    list->GetSelectedPos(&indices, &n);
    if (n == 0) {
        *positions = nullptr;
        *count = 0;
        return 0;
    }
    int *result = static_cast<int *>(allocate(sizeof(int) * n));
    for (int i = 0; i < n; i++) {
        result[i] = indices[i] + 1;
    }
    *positions = result;
    *count = n;
    return 1;
}

void KelListSetSelectedPos(KelListWidget *list, int *positions, int n)
{
    // As SetSel for every list that has a multiple selection; a single-selection list box, which
    // refuses SetSel, keeps the last one.
    for (int i = 0; i < n; i++) {
        selectIndex(list, positions[i] - 1);
    }
}

void KelListSelectPos(KelListWidget *list, int pos, int notify, int replace)
{
    int p = resolve(list, pos);
    if (replace && (listBoxOf(list)->GetStyle() & LBS_EXTENDEDSEL)) {
        KelListDeselectAllItems(list);
    }
    selectIndex(list, toIndex(list, p));
    if (notify) {
        notifySelectionChange(list);
    }
}

void KelListSelectItem(KelListWidget *list, const unsigned char *item, int notify)
{
    int index = findItem(list, item);
    if (index < 0) {
        return;
    }
    selectIndex(list, index);
    if (notify) {
        notifySelectionChange(list);
    }
}

void KelListSelectItems(KelListWidget *list, unsigned char **items, int n, int notify)
{
    for (int i = 0; i < n; i++) {
        int index = findItem(list, items[i]);
        if (index >= 0) {
            selectIndex(list, index);
        }
    }
    if (notify) {
        notifySelectionChange(list);
    }
}

int KelListSetSel(KelListWidget *list, int index)
{
    return selectIndex(list, index);
}

void KelListDeselectAllItems(KelListWidget *list)
{
    CListBox *listBox = listBoxOf(list);
    int count = listBox->GetCount();
    if (count <= 0) {
        return;
    }
    if (listBox->GetSelCount() == LB_ERR) {
        listBox->SetCurSel(-1);
    } else if (listBox->SetSel(-1, FALSE) < 0) {
        // Index -1 is every item; a range message carries 16-bit indices and stops at 65,535.
        KelInternalErrorHandler();
    }
}

void KelListDeselectPos(KelListWidget *list, int pos)
{
    listBoxOf(list)->SetSel(resolve(list, pos) - 1, FALSE);
}

void KelListDeselectItem(KelListWidget *list, const unsigned char *item)
{
    int index = findItem(list, item);
    if (index >= 0) {
        listBoxOf(list)->SetSel(index, FALSE);
    }
}

// ---- Scrolling.

int KelListGetPos(KelListWidget *list)
{
    int top = listBoxOf(list)->GetTopIndex();
    return (top < 0 ? 0 : top) + 1;
}

void KelListSetPos(KelListWidget *list, int pos)
{
    listBoxOf(list)->SetTopIndex(resolve(list, pos) - 1);
}

void KelListSetItem(KelListWidget *list, const unsigned char *item)
{
    int index = findItem(list, item);
    if (index >= 0) {
        KelListSetPos(list, index + 1);
    }
}

void KelListSetBottomPos(KelListWidget *list, int pos)
{
    int p = resolve(list, pos);
    if (KelListGetItemCount(list) <= 0) {
        return;
    }
    int top = p - KelListGetDisplayedItemCount(list) + 1;
    listBoxOf(list)->SetTopIndex((top < 1 ? 1 : top) - 1);
}

void KelListSetBottomItem(KelListWidget *list, const unsigned char *item)
{
    int index = findItem(list, item);
    if (index >= 0) {
        KelListSetBottomPos(list, index + 1);
    }
}

void KelListSetCenterPos(KelListWidget *list, int pos)
{
    if (KelListGetItemCount(list) <= 0) {
        return;
    }
    int top = pos - KelListGetDisplayedItemCount(list) / 2;
    listBoxOf(list)->SetTopIndex((top < 1 ? 1 : top) - 1);
}

int KelListGetDisplayedItemCount(KelListWidget *list)
{
    CListBox *listBox = listBoxOf(list);
    int count = listBox->GetCount();
    if (count <= 0) {
        return 0;
    }
    CRect window;
    listBox->GetWindowRect(&window);
    int height = window.Height();
    if (listBox->GetStyle() & WS_HSCROLL) {
        height -= GetSystemMetrics(SM_CYHSCROLL);
    }
    int shown = 0;
    for (int i = listBox->GetTopIndex(); i < count; i++) {
        CRect item;
        if (listBox->GetItemRect(i, &item) == LB_ERR || item.bottom >= height) {
            break;
        }
        shown++;
    }
    return shown;
}

void KelListSetRedraw(KelListWidget *list, int flag)
{
    CListBox *listBox = listBoxOf(list);
    listBox->SendMessage(WM_SETREDRAW, flag);
    if (flag) {
        listBox->InvalidateRect(nullptr, TRUE);
    }
}
