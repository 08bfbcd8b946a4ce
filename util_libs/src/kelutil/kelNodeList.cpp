// The node list editor over a dialog's controls: a thin view over the entry rules of
// nodeListRules.cpp, which decide what a batch accepts and how refusals are reported.
#include "kelNodeList.h"

#include "kelMsgDlg.h"
#include "kelwlib.h"
#include "nodeListRules.h"

#include "cv.h"
#include "cvMsgIds.h"
#include "cvsnmp.h"
#include "cvw.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

bool hasControl(int id)
{
    return id > 0;
}

bool fromControl(int id, WPARAM wParam)
{
    return hasControl(id) && LOWORD(wParam) == (id & 0xFFFF);
}

// Delete and Delete All close the button array, after the optional buttons that are there.
int deleteIndex(const nodeListInfo *info)
{
    return (info->fromMapEnabled ? 1 : 0) + (info->filterEnabled ? 1 : 0);
}

// Makes a button insensitive; when it has the keyboard focus, the name field takes it first.
void setButton(nodeListInfo *info, KelPaseudoWidget &button, bool sensitive)
{
    if (!sensitive && KelIsFocusIn(button)) {
        KelFocusIn(info->nameField);
    }
    KelSetSensitive(static_cast<CWnd *>(button), sensitive ? 1 : 0);
}

void showWarning(void *, const char *text)
{
    KelWarn("%s", text);
}

// The list's drawing off and the wait cursor on while a batch runs.
class BatchScope {
public:
    explicit BatchScope(nodeListInfo *info) : info_(info)
    {
        KelSetCursorForWaiting(1);
        KelListSetRedraw(&info_->nodeList, 0);
    }
    ~BatchScope() { end(); }
    void end()
    {
        if (info_ != nullptr) {
            KelListSetRedraw(&info_->nodeList, 1);
            KelSetCursorForWaiting(0);
            info_ = nullptr;
        }
    }

private:
    nodeListInfo *info_;
};

// Checks the candidates in order, appends the accepted ones and reports the refused ones.
void addBatch(nodeListInfo *info, const std::vector<std::string> &candidates)
{
    KelListWidget *list = &info->nodeList;
    {
        BatchScope scope(info);
        unsigned char **items;
        int count;
        KelListGetItems(list, &items, &count);
        NodeListChecker checker(reinterpret_cast<char **>(items), count, info->checkFunction);
        bool appended = false;
        for (const std::string &raw : candidates) {
            std::string candidate = nodeListStrip(raw.c_str());
            const char *reason = checker.check(candidate);
            if (reason != nullptr) {
                KelListDeselectAllItems(list);
                nodeListRecord(&info->report, reason, candidate.c_str(), showWarning, nullptr);
                continue;
            }
            KelListAddItemUnselected(list, reinterpret_cast<const unsigned char *>(candidate.c_str()), 0);
            appended = true;
        }
        // Drawing is off until the batch ends: scrolling the last entry into view once shows the
        // same as after every entry, at a fifth of the batch's cost.
        if (appended) {
            KelListSetBottomPos(list, 0);
        }
        // The reports come with the list drawn again and the normal cursor.
        scope.end();
    }
    nodeListFlushReport(&info->report, showWarning, nullptr);
    // Appending and the deselection that goes with every refusal both change what Delete and
    // Delete All can do.
    setAddNodeListSensitive(info);
}

// A sources file: on the management server it must be there; a console cannot look.
bool sourcesFileUsable(const char *path)
{
    if (CVisOnCVServer()) {
        struct stat st;
        if (stat(path, &st) != 0) {
            KelError(cvMsg(CVMSG_NL_NO_SOURCES_FILE), path, _CVstrerror(errno));
            return false;
        }
        return true;
    }
    KelWarn(cvMsg(CVMSG_NL_CONSOLE_SOURCES_FILE), path, path, CVServerName());
    return true;
}

void addTypedEntry(nodeListInfo *info)
{
    char *typed = KelTextGetString(info->nameField);
    std::string text = nodeListStrip(typed);
    free(typed);
    if (nodeListHasBlank(text.c_str())) {
        KelError(cvMsg(CVMSG_NL_INVALID_NAME), text.c_str());
        return;
    }
    if (text.size() >= NODELIST_ENTRY_SIZE) {
        KelError(cvMsg(CVMSG_NL_NAME_TOO_LONG), static_cast<int>(text.size()), NODELIST_ENTRY_SIZE - 1);
        return;
    }
    char entry[NODELIST_ENTRY_SIZE];
    memcpy(entry, text.c_str(), text.size() + 1);
    if (_CVisAbsPath(entry)) {
        if (!sourcesFileUsable(entry)) {
            return;
        }
    } else if (info->resolveNames) {
        CVsnmpHost host;
        if (CVsnmpHostAddress(entry, &host) == 0 && strlen(host.name) < sizeof entry) {
            strcpy(entry, host.name);
        }
    }
    KelTextSetString(info->nameField, "");
    addBatch(info, {entry});
}

void addFromMap(nodeListInfo *info)
{
    CVwObjectIdList *selection = CVwGetSelections(0, 0);
    if (selection == nullptr) {
        KelError("%s", cvMsg(CVMSG_NL_NO_MAP_SELECTION));
        return;
    }
    if (selection->count == 0) {
        KelError("%s", cvMsg(CVMSG_NL_NOTHING_SELECTED_ON_MAP));
        CVwDbFreeObjectIdList(selection);
        return;
    }
    std::vector<std::string> candidates;
    candidates.reserve(static_cast<size_t>(selection->count));
    for (int i = 0; i < selection->count; i++) {
        const char *name = CVwDbObjectIdToHostname(selection->objlist[i]);
        if (name == nullptr) {
            name = CVwDbObjectIdToSelectionName(selection->objlist[i]);
        }
        if (name == nullptr) {
            KelWarn("%s", cvMsg(CVMSG_NL_SELECTION_TROUBLE));
            continue;
        }
        candidates.emplace_back(name);
    }
    addBatch(info, candidates);
    CVwDbFreeObjectIdList(selection);
}

void deleteSelected(nodeListInfo *info)
{
    KelListWidget *list = &info->nodeList;
    int *positions;
    int count;
    if (!KelListGetSelectedPos(list, &positions, &count)) {
        KelError("%s", cvMsg(CVMSG_NL_DELETE_NOTHING_SELECTED));
        return;
    }
    int first = positions[0];
    KelListSetRedraw(list, 0);
    // From the last up, so that the positions still to delete stay where they are.
    for (int i = count - 1; i >= 0; i--) {
        KelListDeletePos(list, positions[i]);
    }
    free(positions);
    int remaining = KelListGetItemCount(list);
    if (remaining > 0) {
        KelListDeselectAllItems(list);
        KelListSetSel(list, (first < remaining ? first : remaining) - 1);
    }
    KelListSetRedraw(list, 1);
    setAddNodeListSensitive(info);
}

} // namespace

nodeListInfo *KelCreateMNodeList(CWnd *parent, const char *name, Boolean fromMap, Boolean resolveNames,
                                 Boolean filter, KelNodeListCheckProc checkFunction, KelNodeListCtrlIdInfo *ids)
{
    void *memory = XtMalloc(sizeof(nodeListInfo));
    memset(memory, 0, sizeof(nodeListInfo));
    // The record holds objects with constructors (the list's tables): built in place.
    nodeListInfo *info = new (memory) nodeListInfo();
    info->parent = parent;
    info->name = XtNewString(name != nullptr ? name : "");
    info->resolveNames = resolveNames ? 1 : 0;
    info->checkFunction = checkFunction;
    info->ctrlIds = *ids;
    info->fromMapEnabled = fromMap && hasControl(ids->addFromMap) ? 1 : 0;
    info->filterEnabled = filter && hasControl(ids->addFilter) ? 1 : 0;

    info->nodeList.widget.init(parent, ids->nodeList);
    info->nameField.init(parent, ids->nodeName);
    info->frame.AddChild(info->nodeList.widget);
    info->frame.AddChild(info->nameField);

    int n = 0;
    if (info->fromMapEnabled) {
        info->buttons[n++].init(parent, ids->addFromMap);
    } else if (hasControl(ids->addFromMap)) {
        KelHide(parent->GetDlgItem(ids->addFromMap));
    }
    if (info->filterEnabled) {
        info->buttons[n++].init(parent, ids->addFilter);
    } else if (hasControl(ids->addFilter)) {
        KelHide(parent->GetDlgItem(ids->addFilter));
    }
    info->buttons[n++].init(parent, ids->deleteSel);
    info->buttons[n++].init(parent, ids->deleteAll);
    for (int i = 0; i < n; i++) {
        info->frame.AddChild(info->buttons[i]);
        KelSetSensitive(static_cast<CWnd *>(info->buttons[i]), 0);
    }
    info->addButton.init(parent, ids->add);
    info->frame.AddChild(info->addButton);
    setAddNodeListSensitive(info);
    return info;
}

void KelFreeMNodeList(nodeListInfo *info)
{
    if (info == nullptr) {
        return;
    }
    XtFree(info->name);
    info->~nodeListInfo();
    XtFree(reinterpret_cast<char *>(info));
}

int KelMNodeListDispatchCommand(nodeListInfo *info, WPARAM wParam, LPARAM)
{
    const KelNodeListCtrlIdInfo &ids = info->ctrlIds;
    int code = HIWORD(wParam);
    if (fromControl(ids.nodeList, wParam)) {
        if (code != LBN_SELCHANGE) {
            return 0;
        }
        KelSetCursorForWaiting(1);
        setAddNodeListSensitive(info);
        KelSetCursorForWaiting(0);
        return 1;
    }
    if (code != BN_CLICKED) {
        return 0;
    }
    if (fromControl(ids.add, wParam)) {
        addTypedEntry(info);
    } else if (fromControl(ids.deleteSel, wParam)) {
        deleteSelected(info);
    } else if (fromControl(ids.deleteAll, wParam)) {
        clearAddNodeList(info);
        KelTextSetString(info->nameField, "");
    } else if (info->fromMapEnabled && fromControl(ids.addFromMap, wParam)) {
        addFromMap(info);
    } else if (info->filterEnabled && fromControl(ids.addFilter, wParam)) {
        KelSetCursorForWaiting(1);
        KelWarn("This function is under construction.");
        KelSetCursorForWaiting(0);
    } else {
        return 0;
    }
    return 1;
}

void setAddNodeListSensitive(nodeListInfo *info)
{
    int d = deleteIndex(info);
    setButton(info, info->buttons[d], KelListGetSelectedItemCount(&info->nodeList) > 0);
    setButton(info, info->buttons[d + 1], KelListGetItemCount(&info->nodeList) > 0);
}

void clearAddNodeList(nodeListInfo *info)
{
    kelClearList(&info->nodeList);
    KelTextSetString(info->nameField, "");
    setAddNodeListSensitive(info);
}

void initNodeListEdit(nodeListInfo *info)
{
    KelTextSetString(info->nameField, "");
    KelProcessTraversal(info->nameField, 0);
}

void kelClearList(KelListWidget *list)
{
    if (list != nullptr) {
        KelListDeleteAllItems(list);
    }
}

int kelGetListItems(KelListWidget *list, unsigned char ***items)
{
    unsigned char **table;
    int count;
    KelListGetItems(list, &table, &count);
    if (items != nullptr) {
        *items = table;
    }
    return count;
}

int kelGetSelected(KelListWidget *list, unsigned char ***items)
{
    unsigned char **table;
    int count;
    KelListGetSelectedItems(list, &table, &count);
    if (items != nullptr) {
        *items = table;
    }
    return count;
}
