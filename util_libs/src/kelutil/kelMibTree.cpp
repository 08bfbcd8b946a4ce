// The native MIB tree: the loaded MIB copied into a CMultiTreeCtrl, with a pre-order index of
// the MIB's nodes that ties each tree item to its node, so that a dotted name is found without
// asking the control, and a selection in the control is turned into the selector's node and
// names.
#include "kelMibSel.h"

#include "cvsnmp.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One node of the MIB: its tree item, and the entries of its next sibling and first child.
struct TreeEntry {
    HTREEITEM item;
    CVmibNode *node;
    TreeEntry *next;
    TreeEntry *child;
};

CMultiTreeCtrl treeControl;
int treeId = 0;
TreeEntry *entries = nullptr; // in pre-order
size_t entryCount = 0;

void *allocate(size_t size)
{
    void *p = malloc(size > 0 ? size : 1);
    if (p == nullptr) {
        KelCriticalErrorHandler(1);
    }
    return p;
}

// The next node of a pre-order walk; depth follows it (0 for a top-level node).
CVmibNode *nextInPreOrder(CVmibNode *node, size_t &depth)
{
    if (node->child != nullptr) {
        depth++;
        return node->child;
    }
    while (node != nullptr && node->next == nullptr) {
        node = node->parent;
        depth--;
    }
    return node != nullptr ? node->next : nullptr;
}

size_t countNodes()
{
    size_t n = 0;
    size_t depth = 0;
    for (CVmibNode *node = Mib; node != nullptr; node = nextInPreOrder(node, depth)) {
        n++;
    }
    return n;
}

// Fills the index in pre-order and links each entry to its first child and next sibling.
void buildIndex()
{
    free(entries);
    entries = nullptr;
    entryCount = countNodes();
    if (entryCount == 0) {
        return;
    }
    entries = static_cast<TreeEntry *>(allocate(sizeof(TreeEntry) * entryCount));
    std::vector<TreeEntry *> lastAtDepth; // the entry last met at each depth of the current path
    try {
        lastAtDepth.reserve(64);
    } catch (...) {
        KelCriticalErrorHandler(1);
    }
    size_t depth = 0;
    size_t i = 0;
    for (CVmibNode *node = Mib; node != nullptr && i < entryCount; node = nextInPreOrder(node, depth), i++) {
        TreeEntry *e = &entries[i];
        *e = TreeEntry{nullptr, node, nullptr, nullptr};
        if (depth < lastAtDepth.size()) {
            lastAtDepth.resize(depth + 1);
            lastAtDepth[depth]->next = e; // a later node at the same depth of the path: the next sibling
            lastAtDepth[depth] = e;
        } else {
            if (depth > 0) {
                lastAtDepth[depth - 1]->child = e;
            }
            try {
                lastAtDepth.push_back(e);
            } catch (...) {
                KelCriticalErrorHandler(1);
            }
        }
    }
}

HTREEITEM insertItem(TreeEntry *e, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char *>(e->node->label != nullptr ? e->node->label : "");
    insert.item.lParam = static_cast<LPARAM>(e - entries);
    e->item = treeControl.InsertItem(&insert);
    if (e->item == nullptr) {
        KelCriticalErrorHandler(1);
    }
    return e->item;
}

// The leaves among the children first..: each goes right after its nearest earlier sibling that
// has children (or first), the last leaf first, so that all end up in MIB order.
void insertLeaves(TreeEntry *first, HTREEITEM parent, TreeEntry **children, TreeEntry **before)
{
    size_t k = 0;
    TreeEntry *lastParent = nullptr;
    for (TreeEntry *c = first; c != nullptr; c = c->next, k++) {
        children[k] = c;
        before[k] = lastParent;
        if (c->child != nullptr) {
            lastParent = c;
        }
    }
    while (k-- > 0) {
        if (children[k]->child == nullptr) {
            insertItem(children[k], parent, before[k] != nullptr ? before[k]->item : TVI_FIRST);
        }
    }
}

// Inserts every entry's item; each carries its entry's index. Wine's tree view checks each item
// handle it is given by searching its items in the order they were inserted, so the nodes with
// children go in first, in pre-order, and the leaves after them, placed beside the nodes (never
// beside another leaf): every handle the control checks is then found among the first items.
// Inserting in one pre-order walk made filling a large tree quadratic.
void insertItems()
{
    if (entryCount == 0) {
        return;
    }
    auto **parents = static_cast<TreeEntry **>(allocate(sizeof(TreeEntry *) * entryCount));
    for (size_t i = 0; i < entryCount; i++) {
        parents[i] = nullptr;
    }
    for (size_t i = 0; i < entryCount; i++) {
        for (TreeEntry *c = entries[i].child; c != nullptr; c = c->next) {
            parents[c - entries] = &entries[i];
        }
    }
    for (size_t i = 0; i < entryCount; i++) {
        if (entries[i].child != nullptr) {
            insertItem(&entries[i], parents[i] != nullptr ? parents[i]->item : TVI_ROOT, TVI_LAST);
        }
    }
    auto **children = parents; // no longer needed: scratch room for one node's children
    auto **before = static_cast<TreeEntry **>(allocate(sizeof(TreeEntry *) * entryCount));
    insertLeaves(&entries[0], TVI_ROOT, children, before);
    for (size_t i = 0; i < entryCount; i++) {
        if (entries[i].child != nullptr) {
            insertLeaves(entries[i].child, entries[i].item, children, before);
        }
    }
    free(before);
    free(children);
}

TreeEntry *entryOf(HTREEITEM item)
{
    auto index = static_cast<size_t>(treeControl.GetItemData(item));
    return index < entryCount && entries[index].item == item ? &entries[index] : nullptr;
}

// The dotted path of a node (".iso.org.dod"; "" for none).
std::string pathOf(const CVmibNode *node)
{
    std::string path;
    for (const CVmibNode *n = node; n != nullptr; n = n->parent) {
        path.insert(0, n->label != nullptr ? n->label : "").insert(0, 1, '.');
    }
    return path;
}

// A selection in the tree: the selected items' parent becomes the selector's node and their
// labels its chosen names.
void selectionChanged()
{
    CTypedPtrArray<CPtrArray, HTREEITEM> items;
    treeControl.GetSelectedItems(items);
    if (items.GetSize() == 0 || !wmtInOneGroup(items)) {
        return;
    }
    TreeEntry *first = entryOf(items[0]);
    if (first == nullptr) {
        return;
    }
    auto **names = static_cast<const char **>(allocate(sizeof(char *) * static_cast<size_t>(items.GetSize() + 1)));
    int n = 0;
    for (INT_PTR i = 0; i < items.GetSize(); i++) {
        if (TreeEntry *e = entryOf(items[i])) {
            names[n++] = e->node->label;
        }
    }
    names[n] = nullptr;
    msSelectMibObjectNames(pathOf(first->node->parent).c_str(), names);
    free(names);
}

// The entry among first and its following siblings whose label is the component [begin, end).
TreeEntry *findSibling(TreeEntry *first, const char *begin, size_t length)
{
    for (TreeEntry *e = first; e != nullptr; e = e->next) {
        const char *label = e->node->label;
        if (label != nullptr && strncmp(label, begin, length) == 0 && label[length] == '\0') {
            return e;
        }
    }
    return nullptr;
}

} // namespace

CMultiTreeCtrl *KelMibTreeControl()
{
    return &treeControl;
}

int KelMibTreeInit(CWnd *dialog, int id, int multiSelect)
{
    if (CVmib_load_mib() != 0) {
        return 0;
    }
    if (treeControl.m_hWnd != nullptr) {
        treeControl.UnsubclassWindow();
    }
    treeId = id;
    treeControl.SetMultiSelect(multiSelect != 0 ? TRUE : FALSE);
    if (dialog == nullptr || !treeControl.SubclassDlgItem(static_cast<UINT>(id), dialog)) {
        return 0;
    }
    buildIndex();
    treeControl.SetRedraw(FALSE);
    treeControl.DeleteAllItems();
    insertItems();
    treeControl.SetRedraw(TRUE);
    treeControl.Invalidate();
    return 1;
}

int KelMibTreeDispatchNotify(NMHDR *header, LRESULT *)
{
    if (header == nullptr || treeControl.m_hWnd == nullptr || header->idFrom != static_cast<UINT_PTR>(treeId) ||
        (header->code != TVN_SELCHANGEDA && header->code != TVN_SELCHANGEDW)) {
        return 0;
    }
    selectionChanged();
    return 1;
}

void KelMibTreeSelectItem(const char *name)
{
    if (treeControl.m_hWnd == nullptr) {
        return;
    }
    if (name == nullptr || *name == '\0') {
        treeControl.SelectAll(FALSE);
        return;
    }
    // A tree emptied since the index was built (KelClearMibTree) has no items to show.
    if (entryCount == 0 || treeControl.GetCount() != entryCount) {
        return;
    }
    TreeEntry *level = &entries[0];
    TreeEntry *matched = nullptr;
    const char *p = name;
    while (*p == '.') {
        const char *begin = p + 1;
        const char *end = strchr(begin, '.');
        size_t length = end != nullptr ? static_cast<size_t>(end - begin) : strlen(begin);
        TreeEntry *found = findSibling(level, begin, length);
        if (found == nullptr) {
            break;
        }
        matched = found;
        level = found->child;
        p = begin + length;
    }
    if (matched == nullptr) {
        return;
    }
    // Each matched component would be scrolled to the top in turn, the last one staying there:
    // only the last scroll is made, since Wine redraws the scroll bars at each.
    if (*p != '\0') {
        treeControl.Select(matched->item, TVGN_FIRSTVISIBLE);
        return;
    }
    TreeEntry *target = matched->child != nullptr ? matched->child : matched;
    treeControl.Select(target->item, TVGN_FIRSTVISIBLE);
    // A name chooses one item: what was chosen before in the tree goes quietly first.
    treeControl.SelectAll(FALSE);
    treeControl.SelectItem(target->item);
}

void KelMibSelectorDone()
{
    if (treeControl.m_hWnd != nullptr) {
        treeControl.UnsubclassWindow();
    }
}

int wmtInOneGroup(CTypedPtrArray<CPtrArray, HTREEITEM> &items)
{
    bool haveParent = false;
    HTREEITEM parent = nullptr;
    for (INT_PTR i = 0; i < items.GetSize(); i++) {
        HTREEITEM p = treeControl.GetParentItem(items[i]);
        if (!haveParent) {
            if (p != nullptr) {
                parent = p;
                haveParent = true;
            }
        } else if (p != parent) {
            return 0;
        }
    }
    return 1;
}
