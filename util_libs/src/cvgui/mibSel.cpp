// The MIB selector's Motif panel: the portable selector's view over a text field, an
// XmContainer tree made as it is opened, a hidden list that carries the choice, buttons and a
// message list; and the watch on the MIB database file.
#include "cvguiP.h"

#include "cvMibSel.h"
#include "cvsnmp.h"
#include "mibSelCore.h"
#include "msDescribe.h"
#include "msResources.h"

#include <Xm/Container.h>
#include <Xm/IconG.h>
#include <Xm/List.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <Xm/ToggleB.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace {

MsResources res = msDefaultResources();

// What identifies one version of the database file: a rewrite by the MIB tool replaces it.
struct Stamp {
    bool known = false;
    struct timespec mtime = {};
    off_t size = 0;
    ino_t inode = 0;
    bool operator==(const Stamp &o) const
    {
        return known == o.known && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec &&
               size == o.size && inode == o.inode;
    }
};

Stamp fileStamp()
{
    Stamp s;
    struct stat st;
    if (stat(CVmib_get_mib_filename(), &st) == 0) {
        s.known = true;
        s.mtime = st.st_mtim;
        s.size = st.st_size;
        s.inode = st.st_ino;
    }
    return s;
}

const unsigned long watchInterval = 1000; // ms

struct Panel {
    Widget form = nullptr;
    Widget idLabel = nullptr, nameField = nullptr;
    Widget modeBox = nullptr, mibToggle = nullptr, exprToggle = nullptr;
    Widget treeWindow = nullptr, tree = nullptr, listWindow = nullptr, list = nullptr;
    Widget describe = nullptr, labelField = nullptr, messages = nullptr;
    Widget ok = nullptr, apply = nullptr;
    XtCallbackProc done = nullptr;
    std::vector<std::string> labels; // the item list's labels, in step with the list
    std::unordered_map<const CVmibNode *, Widget> items;
    std::unordered_map<const CVmibNode *, Widget> placeholders; // of parents not opened yet
    bool numbers = false;
    Stamp stamp;
    XtIntervalId watch = 0;
    bool resyncPending = false;
};

Panel p;
std::vector<Widget> descriptionShells;

XmString itemLabel(const CVmibNode *node)
{
    std::string text = node->label != nullptr ? node->label : "";
    if (p.numbers) {
        text += " (" + std::to_string(node->subid) + ")";
    }
    return XmStringCreateLocalized(const_cast<char *>(text.c_str()));
}

// ---- The tree.

const CVmibNode *nodeOf(Widget item)
{
    XtPointer data = nullptr;
    XtVaGetValues(item, XmNuserData, &data, nullptr);
    return static_cast<const CVmibNode *>(data);
}

// A new item of the container (unmanaged); a node with children gets a placeholder child so
// the container offers to open it.
Widget makeItem(const CVmibNode *node, Widget parentItem, std::vector<Widget> &made)
{
    XmString label = itemLabel(node);
    Arg args[6];
    Cardinal n = 0;
    XtSetArg(args[n], XmNlabelString, label), n++;
    XtSetArg(args[n], XmNentryParent, parentItem), n++;
    XtSetArg(args[n], XmNuserData, const_cast<CVmibNode *>(node)), n++;
    XtSetArg(args[n], XmNoutlineState, XmCOLLAPSED), n++;
    // Flat labels: a tree of buttons is hard to read.
    XtSetArg(args[n], XmNshadowThickness, 0), n++;
    XtSetArg(args[n], XmNmarginHeight, 1), n++;
    Widget item = XmCreateIconGadget(p.tree, const_cast<char *>("item"), args, n);
    XmStringFree(label);
    p.items[node] = item;
    made.push_back(item);
    if (node->child != nullptr) {
        XmString empty = XmStringCreateLocalized(const_cast<char *>(""));
        n = 0;
        XtSetArg(args[n], XmNlabelString, empty), n++;
        XtSetArg(args[n], XmNentryParent, item), n++;
        XtSetArg(args[n], XmNuserData, nullptr), n++;
        Widget placeholder = XmCreateIconGadget(p.tree, const_cast<char *>("placeholder"), args, n);
        XmStringFree(empty);
        p.placeholders[node] = placeholder;
        made.push_back(placeholder);
    }
    return item;
}

// Makes the items of a node's children when the node is first opened, all managed at once so
// the container lays out once.
void fillChildren(const CVmibNode *node)
{
    auto holder = p.placeholders.find(node);
    if (holder == p.placeholders.end()) {
        return;
    }
    Widget placeholder = holder->second;
    p.placeholders.erase(holder);
    std::vector<Widget> made;
    Widget parentItem = p.items[node];
    for (const CVmibNode *c = node->child; c != nullptr; c = c->next) {
        makeItem(c, parentItem, made);
    }
    XtManageChildren(made.data(), static_cast<Cardinal>(made.size()));
    XtDestroyWidget(placeholder);
}

void fillRoots()
{
    std::vector<Widget> made;
    for (const CVmibNode *n = Mib; n != nullptr; n = n->next) {
        makeItem(n, nullptr, made);
    }
    XtManageChildren(made.data(), static_cast<Cardinal>(made.size()));
}

void emptyTree()
{
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(p.tree, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    std::vector<Widget> all;
    for (Cardinal i = 0; i < count; i++) {
        if (!XtIsSubclass(children[i], xmIconGadgetClass)) {
            continue; // the container's own outline buttons go with their items
        }
        all.push_back(children[i]);
    }
    // Deepest first: outside event dispatch Xt destroys at once, and an item must not go before
    // the items under it.
    auto depth = [](Widget w) {
        int d = 0;
        for (Widget parent = w; parent != nullptr; d++) {
            XtVaGetValues(parent, XmNentryParent, &parent, nullptr);
        }
        return d;
    };
    std::vector<std::pair<int, Widget>> byDepth;
    for (Widget w : all) {
        byDepth.emplace_back(depth(w), w);
    }
    std::stable_sort(byDepth.begin(), byDepth.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    XtUnmanageChildren(all.data(), static_cast<Cardinal>(all.size()));
    for (auto &entry : byDepth) {
        XtDestroyWidget(entry.second);
    }
    p.items.clear();
    p.placeholders.clear();
}

// Opens every ancestor of node, so that its item exists and shows.
void openPath(const CVmibNode *node)
{
    std::vector<const CVmibNode *> path;
    for (const CVmibNode *a = node->parent; a != nullptr; a = a->parent) {
        path.push_back(a);
    }
    for (auto a = path.rbegin(); a != path.rend(); ++a) {
        XtVaSetValues(p.items[*a], XmNoutlineState, XmEXPANDED, nullptr);
        fillChildren(*a);
    }
}

bool isNumber(const std::string &s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The node of a dotted name (labels, or numbers), as far as it matches; whole tells whether
// every component matched.
const CVmibNode *findNode(const char *name, bool &whole)
{
    whole = false;
    const CVmibNode *level = Mib, *matched = nullptr;
    const char *at = name;
    while (*at == '.') {
        const char *begin = at + 1;
        const char *end = strchr(begin, '.');
        std::string component(begin, end != nullptr ? static_cast<size_t>(end - begin) : strlen(begin));
        const CVmibNode *found = nullptr;
        for (const CVmibNode *n = level; n != nullptr && found == nullptr; n = n->next) {
            if ((n->label != nullptr && component == n->label) ||
                (isNumber(component) && std::to_string(n->subid) == component)) {
                found = n;
            }
        }
        if (found == nullptr) {
            return matched;
        }
        matched = found;
        level = found->child;
        at = begin + component.size();
    }
    whole = matched != nullptr && *at == '\0';
    return matched;
}

std::string pathOf(const CVmibNode *node)
{
    std::vector<const char *> labels;
    for (const CVmibNode *n = node; n != nullptr; n = n->parent) {
        labels.push_back(n->label != nullptr ? n->label : "");
    }
    std::string path;
    for (auto l = labels.rbegin(); l != labels.rend(); ++l) {
        path += ".";
        path += *l;
    }
    return path;
}

void showItem(Widget item)
{
    XmScrollVisible(p.treeWindow, item, 8, 8);
}

void selectItems(const std::vector<Widget> &items)
{
    XtVaSetValues(p.tree, XmNselectedObjects, items.empty() ? nullptr : const_cast<Widget *>(items.data()),
                  XmNselectedObjectCount, static_cast<int>(items.size()), nullptr);
}

// Hands a choice made in the tree to the selector: the nodes' parent becomes the current node,
// their labels the chosen objects.
void chooseNodes(const std::vector<const CVmibNode *> &nodes)
{
    std::vector<const char *> names;
    for (const CVmibNode *n : nodes) {
        names.push_back(n->label);
    }
    names.push_back(nullptr);
    msSelectMibObjectNames(pathOf(nodes.front()->parent).c_str(), names.data());
}

// Shows and selects the item of a name; a node with children stands for its first child, as the
// list chooses it.
void treeSelect(const char *name)
{
    if (p.tree == nullptr) {
        return;
    }
    if (name == nullptr || *name == '\0') {
        selectItems({});
        return;
    }
    bool whole = false;
    const CVmibNode *matched = findNode(name, whole);
    if (matched == nullptr) {
        return;
    }
    if (!whole) {
        openPath(matched);
        showItem(p.items[matched]);
        return;
    }
    const CVmibNode *target = matched->child != nullptr ? matched->child : matched;
    openPath(target);
    Widget item = p.items[target];
    selectItems({item});
    showItem(item);
    chooseNodes({target});
}

// ---- The database watch.

void resyncLater(XtPointer, XtIntervalId *)
{
    p.resyncPending = false;
    if (p.form != nullptr && !msMibIsCurrent()) {
        msResyncMibSelector();
    }
}

// True when a user action may go on; otherwise the database is loaded again first (outside the
// callback that asked, which may belong to an item the reload destroys).
bool current()
{
    if (msMibIsCurrent()) {
        return true;
    }
    if (!p.resyncPending) {
        p.resyncPending = true;
        XtAppAddTimeOut(XtWidgetToApplicationContext(p.form), 0, resyncLater, nullptr);
    }
    return false;
}

void watchTick(XtPointer, XtIntervalId *)
{
    p.watch = 0;
    if (p.form == nullptr) {
        return;
    }
    current();
    p.watch = XtAppAddTimeOut(XtWidgetToApplicationContext(p.form), watchInterval, watchTick, nullptr);
}

void listChanged(Widget, XtPointer, XtPointer);

// ---- The view the selector's rules work through.

class MotifView : public MsSelView {
public:
    bool hasNameField() override { return p.nameField != nullptr; }
    std::string nameText() override
    {
        char *text = XmTextGetString(p.nameField);
        std::string copy = text != nullptr ? text : "";
        XtFree(text);
        return copy;
    }
    void setNameText(const char *text) override
    {
        XmTextSetString(p.nameField, const_cast<char *>(text));
        XmTextSetInsertionPosition(p.nameField, XmTextGetLastPosition(p.nameField));
    }

    bool hasList() override { return p.list != nullptr; }
    void listClear() override
    {
        XmListDeleteAllItems(p.list);
        p.labels.clear();
    }
    void listAppend(const char *label) override { insert(label, static_cast<int>(p.labels.size()) + 1); }
    void listAddSorted(const char *label) override
    {
        auto at = std::upper_bound(p.labels.begin(), p.labels.end(), std::string(label));
        insert(label, static_cast<int>(at - p.labels.begin()) + 1);
    }
    int listCount() override { return static_cast<int>(p.labels.size()); }
    std::vector<std::string> listSelected() override
    {
        int *positions = nullptr;
        int count = 0;
        std::vector<std::string> out;
        if (XmListGetSelectedPos(p.list, &positions, &count)) {
            std::sort(positions, positions + count);
            for (int i = 0; i < count; i++) {
                if (positions[i] >= 1 && positions[i] <= static_cast<int>(p.labels.size())) {
                    out.push_back(p.labels[static_cast<size_t>(positions[i] - 1)]);
                }
            }
            XtFree(reinterpret_cast<char *>(positions));
        }
        return out;
    }
    void listSelectPos(int pos, bool notify) override { select(pos, notify); }
    void listSelectItem(const char *label, bool notify) override
    {
        int pos = position(label);
        if (pos > 0) {
            select(pos, notify);
        }
    }
    void listShowAtTop(const char *label) override
    {
        int pos = position(label);
        if (pos > 0) {
            XmListSetPos(p.list, pos);
        }
    }

    void treeSelect(const char *name) override { ::treeSelect(name); }

    void setSensitive(MsControl c, bool sensitive) override { ::setSensitive(widget(c), sensitive ? True : False); }
    void setEditable(MsControl c, bool editable) override
    {
        Widget w = widget(c);
        if (w != nullptr) {
            XmTextSetEditable(w, editable ? True : False);
        }
    }
    void showMode(bool expression) override
    {
        if (expression) {
            XtManageChild(p.listWindow);
            XtUnmanageChild(p.treeWindow);
            XtUnmanageChild(p.nameField);
        } else {
            XtManageChild(p.nameField);
            XtManageChild(p.treeWindow);
            XtUnmanageChild(p.listWindow);
        }
    }
    void setIdLabel(const char *text) override { setLabel(p.idLabel, text); }
    void setToggles(bool expression) override
    {
        if (p.exprToggle != nullptr) {
            XmToggleButtonSetState(p.exprToggle, expression ? True : False, False);
            XmToggleButtonSetState(p.mibToggle, expression ? False : True, False);
        }
    }

    bool hasLabelField() override { return p.labelField != nullptr; }
    std::string labelText() override
    {
        char *text = XmTextGetString(p.labelField);
        std::string copy = text != nullptr ? text : "";
        XtFree(text);
        return copy;
    }
    void setLabelText(const char *text) override { XmTextSetString(p.labelField, const_cast<char *>(text)); }

    int clearMessages() override
    {
        if (p.messages == nullptr) {
            return -1;
        }
        clearList(p.messages);
        return 0;
    }
    int addMessage(const char *text) override
    {
        if (p.messages == nullptr) {
            return -1;
        }
        ::addMessage(p.messages, 0, "%s", text);
        return 0;
    }

private:
    // A selection made for the selector adds to what is selected, as a user's Control+click
    // does; Motif's XmListSelectPos replaces the selection of an extended list, so the item is
    // added as a multiple-selection list adds it, and the selector told as for a click.
    static void select(int pos, bool notify)
    {
        unsigned char policy = XmBROWSE_SELECT;
        XtVaGetValues(p.list, XmNselectionPolicy, &policy, nullptr);
        if (policy == XmEXTENDED_SELECT) {
            XtVaSetValues(p.list, XmNselectionPolicy, XmMULTIPLE_SELECT, nullptr);
            if (!XmListPosSelected(p.list, pos)) {
                XmListSelectPos(p.list, pos, False);
            }
            XtVaSetValues(p.list, XmNselectionPolicy, XmEXTENDED_SELECT, nullptr);
        } else {
            XmListSelectPos(p.list, pos, False);
        }
        if (notify) {
            listChanged(nullptr, nullptr, nullptr);
        }
    }
    static void insert(const char *label, int pos)
    {
        XmString s = XmStringCreateLocalized(const_cast<char *>(label));
        XmListAddItemUnselected(p.list, s, pos);
        XmStringFree(s);
        p.labels.insert(p.labels.begin() + (pos - 1), label);
    }
    static int position(const char *label)
    {
        auto at = std::find(p.labels.begin(), p.labels.end(), std::string(label));
        return at == p.labels.end() ? 0 : static_cast<int>(at - p.labels.begin()) + 1;
    }
    static Widget widget(MsControl c)
    {
        switch (c) {
        case MS_CTL_TOGGLES:
            return p.modeBox;
        case MS_CTL_NAME:
            return p.nameField;
        case MS_CTL_LIST:
            return p.list;
        case MS_CTL_TREE:
            return p.tree;
        case MS_CTL_DESCRIBE:
            return p.describe;
        case MS_CTL_LABEL:
            return p.labelField;
        case MS_CTL_OK:
            return p.ok;
        case MS_CTL_APPLY:
            return p.apply;
        }
        return nullptr;
    }
};

MotifView view;

// ---- What the user does.

void listChanged(Widget, XtPointer, XtPointer)
{
    if (current()) {
        msListSelectionChanged();
    }
}

void nameChanged(Widget, XtPointer, XtPointer)
{
    msNameFieldChanged();
}

void nameEntered(Widget, XtPointer, XtPointer)
{
    if (current()) {
        msDownTree();
    }
}

void upTree(Widget, XtPointer, XtPointer)
{
    if (current()) {
        msUpTree();
    }
}

void downTree(Widget, XtPointer, XtPointer)
{
    if (current()) {
        msDownTree();
    }
}

void describePressed(Widget, XtPointer, XtPointer)
{
    if (current()) {
        msDescribeChosen();
    }
}

void modeChosen(Widget w, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmToggleButtonCallbackStruct *>(call);
    bool expression = w == p.exprToggle;
    if (cb->set && (expression || current())) {
        msSetMode(expression ? 1 : 0);
    }
}

void donePressed(Widget, XtPointer reason, XtPointer)
{
    if (p.done != nullptr) {
        p.done(p.form, reason, nullptr);
    }
}

void outlineChanged(Widget, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmContainerOutlineCallbackStruct *>(call);
    if (cb->reason == XmCR_EXPANDED && cb->item != nullptr) {
        if (const CVmibNode *node = nodeOf(cb->item)) {
            fillChildren(node);
        }
    }
}

// A choice in the tree reaches the selector when its items share one parent (items at the
// top before the first with a parent are passed over).
void treeChosen(Widget, XtPointer, XtPointer call)
{
    auto *cb = static_cast<XmContainerSelectCallbackStruct *>(call);
    if (!current()) {
        return;
    }
    std::vector<const CVmibNode *> nodes;
    const CVmibNode *parent = nullptr;
    for (int i = 0; i < cb->selected_item_count; i++) {
        const CVmibNode *node = nodeOf(cb->selected_items[i]);
        if (node == nullptr) {
            continue; // a placeholder
        }
        if (node->parent != nullptr && parent != nullptr && node->parent != parent) {
            return;
        }
        if (node->parent != nullptr) {
            parent = node->parent;
        }
        nodes.push_back(node);
    }
    // Top-level items go with the others only when all are top-level.
    if (parent != nullptr) {
        nodes.erase(std::remove_if(nodes.begin(), nodes.end(), [](const CVmibNode *n) { return n->parent == nullptr; }),
                    nodes.end());
    }
    if (nodes.empty()) {
        return;
    }
    // The list order is the MIB order, whatever order the items were chosen in.
    std::sort(nodes.begin(), nodes.end(), [](const CVmibNode *a, const CVmibNode *b) { return a->subid < b->subid; });
    chooseNodes(nodes);
}

void panelDestroyed(Widget, XtPointer, XtPointer)
{
    if (p.watch != 0) {
        XtRemoveTimeOut(p.watch);
    }
    msCoreAttach(nullptr, 0, false, nullptr, nullptr);
    p = Panel();
}

// ---- Layout.

// The panel's gap between its parts and to the form's edges.
const int gap = 6;

Widget buttonRow(Widget form, const char *name)
{
    return AddButtonBox(form, name, CVGUI_BOX_HORIZONTAL | CVGUI_BOX_SPACING(std::clamp(res.buttonScaleFactor * 2, 0, 255)));
}

// A scrolled list of the given rows, in the library's list look.
Widget addList(Widget form, const char *name, int rows, unsigned char policy)
{
    widgetArgCnt = 0;
    setupList(std::max(rows, 1), policy);
    Widget list = AddSList(form, name, nullptr, 0);
    XtManageChild(list);
    return list;
}

void buildTree(Widget form, bool multiple)
{
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNscrollingPolicy, XmAUTOMATIC);
    CVGUI_STAGE(XmNscrollBarDisplayPolicy, XmAS_NEEDED);
    CVGUI_STAGE(XmNheight, std::max(res.mibSelListSize, 3) * 22 + 8);
    CVGUI_STAGE(XmNwidth, 380);
    p.treeWindow = AddSWin(form, "mibTreeWindow");
    Arg args[8];
    Cardinal n = 0;
    XtSetArg(args[n], XmNlayoutType, XmOUTLINE), n++;
    XtSetArg(args[n], XmNentryViewType, XmSMALL_ICON), n++;
    XtSetArg(args[n], XmNselectionPolicy, multiple ? XmEXTENDED_SELECT : XmBROWSE_SELECT), n++;
    XtSetArg(args[n], XmNautomaticSelection, XmNO_AUTO_SELECT), n++;
    XtSetArg(args[n], XmNoutlineIndentation, 18), n++;
    XtSetArg(args[n], XmNoutlineLineStyle, XmSINGLE), n++;
    p.tree = XmCreateContainer(p.treeWindow, const_cast<char *>("mibTree"), args, n);
    WlibRegisterHelp(p.tree);
    XtAddCallback(p.tree, XmNoutlineChangedCallback, outlineChanged, nullptr);
    XtAddCallback(p.tree, XmNselectionCallback, treeChosen, nullptr);
    XtManageChild(p.tree);
}

} // namespace

// ---- The panel.

extern "C" Widget msCreateMibSelector(Widget parent, const char *name, unsigned int flags,
                                      MsMessageFunction messageFunction, MsStateCallback stateCallback,
                                      XtCallbackProc doneCallback)
{
    if ((flags & MS_MULTIPLE_SELECT) && (flags & MS_LABEL)) {
        Error("INTERNAL ERROR %s:%d: cannot have mib label and multiple select options", __FILE__, __LINE__);
        return nullptr;
    }
    if (p.form != nullptr) {
        XtRemoveCallback(p.form, XmNdestroyCallback, panelDestroyed, nullptr);
        if (p.watch != 0) {
            XtRemoveTimeOut(p.watch);
        }
        p = Panel();
    }
    _CVGetApplicationResources(nullptr, toplevel != nullptr ? toplevel : parent, &res, msResourceTable, msResourceCount);
    msCoreSetResources(res.defaultMibObject, res.mibSelListSorted != False);
    bool multiple = (flags & MS_MULTIPLE_SELECT) != 0;

    Widget form = AddMotifForm(parent, name != nullptr && *name != '\0' ? name : "mibSelector");
    p.form = form;
    p.done = doneCallback;

    // From the bottom up: the done buttons, the messages, the label field, the navigation; the
    // tree takes what is left.
    Widget bottom = nullptr;
    if (doneCallback != nullptr) {
        Widget actions = buttonRow(form, "actions");
        p.ok = AddMPButton(actions, cvMsg(CVMSG_OK), "ok", donePressed, reinterpret_cast<XtPointer>(1));
        if (flags & MS_APPLY) {
            p.apply = AddMPButton(actions, cvMsg(CVMSG_MS_APPLY), "apply", donePressed, reinterpret_cast<XtPointer>(2));
        }
        AddMPButton(actions, cvMsg(CVMSG_CANCEL), "cancel", donePressed, reinterpret_cast<XtPointer>(0));
        AddMPButton(actions, cvMsg(CVMSG_HELP), "help", help_CB, const_cast<char *>("zbr:MibSelector"));
        cvguiAttachAbove(actions, nullptr, gap);
        widgetArgCnt = 0;
        CVGUI_STAGE(XmNleftAttachment, XmATTACH_POSITION);
        CVGUI_STAGE(XmNleftPosition, 20);
        XtSetValues(actions, widgetArgs, widgetArgCnt);
        widgetArgCnt = 0;
        XtManageChild(actions);
        bottom = actions;
    }
    p.messages = addList(form, "messages", res.mibMsgListSize, XmBROWSE_SELECT);
    cvguiAttachSides(XtParent(p.messages), gap);
    cvguiAttachAbove(XtParent(p.messages), bottom, gap);
    bottom = XtParent(p.messages);
    if (flags & MS_LABEL) {
        CVGUI_STAGE(XmNcolumns, static_cast<short>(std::max(res.objIDcolumns, 8)));
        p.labelField = AddTEdit(form, "labelField");
        cvguiAttachSides(p.labelField, gap);
        cvguiAttachAbove(p.labelField, bottom, gap);
        XtManageChild(p.labelField);
        XmTextSetEditable(p.labelField, False);
        bottom = p.labelField;
    }
    Widget navigation = buttonRow(form, "navigation");
    AddMPButton(navigation, cvMsg(CVMSG_MS_UP_TREE), "upTree", upTree, nullptr);
    AddMPButton(navigation, cvMsg(CVMSG_MS_DOWN_TREE), "downTree", downTree, nullptr);
    p.describe = AddMPButton(navigation, cvMsg(CVMSG_MS_DESCRIBE), "describe", describePressed, nullptr);
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftOffset, 6);
    XtSetValues(navigation, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    cvguiAttachAbove(navigation, bottom, gap);
    XtManageChild(navigation);

    // From the top down: the mode toggles, the name row.
    Widget top = nullptr;
    if (flags & MS_EXPRESSIONS) {
        p.modeBox = AddRadioBox(form, "mode");
        XtVaSetValues(p.modeBox, XmNorientation, XmHORIZONTAL, nullptr);
        p.mibToggle = AddMTButton(p.modeBox, get_mibSel_ObjID_Label(), "mibObjects", True, modeChosen, nullptr);
        p.exprToggle = AddMTButton(p.modeBox, cvMsg(CVMSG_MS_EXPRESSION_ID_LABEL), "expressions", False, modeChosen, nullptr);
        cvguiAttachSides(p.modeBox, gap);
        cvguiAttachBelow(p.modeBox, nullptr, gap);
        XtManageChild(p.modeBox);
        top = p.modeBox;
    }
    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    p.idLabel = AddMLabel(form, "idLabel", get_mibSel_ObjID_Label());
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftOffset, 6);
    XtSetValues(p.idLabel, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    cvguiAttachBelow(p.idLabel, top, gap);
    CVGUI_STAGE(XmNcolumns, static_cast<short>(std::max(res.objIDcolumns, 8)));
    p.nameField = AddTEdit(form, "objectName");
    cvguiAttachSides(p.nameField, gap);
    cvguiAttachBelow(p.nameField, p.idLabel, gap);
    XtAddCallback(p.nameField, XmNvalueChangedCallback, nameChanged, nullptr);
    XtAddCallback(p.nameField, XmNactivateCallback, nameEntered, nullptr);
    XtManageChild(p.nameField);

    // The tree and the list share one place: one of them is managed at a time.
    buildTree(form, multiple);
    p.list = addList(form, "itemList", res.mibSelListSize, multiple ? XmEXTENDED_SELECT : XmBROWSE_SELECT);
    p.listWindow = XtParent(p.list);
    for (const char *reason : {XmNbrowseSelectionCallback, XmNextendedSelectionCallback}) {
        XtAddCallback(p.list, reason, listChanged, nullptr);
    }
    for (Widget w : {p.treeWindow, p.listWindow}) {
        cvguiAttachSides(w, gap);
        cvguiAttachBelow(w, p.nameField, gap);
        cvguiAttachAbove(w, navigation, gap);
    }
    XtManageChild(p.treeWindow);
    XtUnmanageChild(p.listWindow);
    XtAddCallback(form, XmNdestroyCallback, panelDestroyed, nullptr);

    msCoreAttach(&view, flags, doneCallback != nullptr, messageFunction, stateCallback);
    if (p.labelField != nullptr) {
        view.setEditable(MS_CTL_LABEL, false);
    }
    if (msLoadMib() == 0) {
        p.stamp = fileStamp();
        fillRoots();
    }
    msShowNode(msCoreDefaultObject(), 1);
    p.watch = XtAppAddTimeOut(XtWidgetToApplicationContext(form), watchInterval, watchTick, nullptr);
    return form;
}

extern "C" int msMibIsCurrent(void)
{
    if (!p.stamp.known) {
        return 1;
    }
    Stamp now = fileStamp();
    return !now.known || now == p.stamp ? 1 : 0;
}

extern "C" int msResyncMibSelector(void)
{
    if (p.form == nullptr) {
        return 0;
    }
    std::string node = view.nameText();
    std::vector<std::string> chosen = view.listSelected();
    int result = msLoadMib();
    if (result != 0) {
        // The file stays as it is until the tool writes it again: do not ask at every action.
        p.stamp = fileStamp();
        return result;
    }
    p.stamp = fileStamp();
    selectItems({});
    emptyTree();
    fillRoots();

    bool whole = false;
    const CVmibNode *still = node.empty() ? nullptr : findNode(node.c_str(), whole);
    std::string gone;
    if (still != nullptr && whole) {
        // The current node and what was chosen in it, as far as the new MIB has them.
        std::vector<const CVmibNode *> nodes;
        for (const CVmibNode *c = still->child; c != nullptr; c = c->next) {
            if (c->label != nullptr && std::find(chosen.begin(), chosen.end(), c->label) != chosen.end()) {
                nodes.push_back(c);
            }
        }
        if (nodes.empty()) {
            msShowNode(node.c_str(), 1);
        } else {
            std::vector<Widget> items;
            for (const CVmibNode *c : nodes) {
                openPath(c);
                items.push_back(p.items[c]);
            }
            selectItems(items);
            showItem(items.front());
            chooseNodes(nodes);
        }
    } else {
        gone = node;
        msShowNode(msCoreDefaultObject(), 1);
    }
    msCoreMessageFunction()(cvMsg(CVMSG_MS_MIB_RELOADED), CVmib_get_mib_filename());
    if (!gone.empty()) {
        msCoreMessageFunction()(cvMsg(CVMSG_MS_NODE_GONE), gone.c_str(), msCoreDefaultObject());
    }
    return 0;
}

extern "C" void msSetTreeNumbers(int numbers)
{
    p.numbers = numbers != 0;
    for (auto &entry : p.items) {
        XmString label = itemLabel(entry.first);
        XtVaSetValues(entry.second, XmNlabelString, label, nullptr);
        XmStringFree(label);
    }
}

// ---- Descriptions.

namespace {

struct PaneState {
    MsDescription shown;
    Widget rows = nullptr;  // the label/edit form of the rows
    Widget label = nullptr; // "Description", below the rows
    Widget text = nullptr;
};

PaneState *paneState(Widget pane)
{
    XtPointer data = nullptr;
    XtVaGetValues(pane, XmNuserData, &data, nullptr);
    return static_cast<PaneState *>(data);
}

void paneDestroyed(Widget, XtPointer state, XtPointer)
{
    delete static_cast<PaneState *>(state);
}

// The label/edit form of a description's rows at the top of the pane, in place of the old one
// (a new form takes the height its rows need); the description label follows it.
void fillRows(Widget pane, PaneState *state, const MsDescription &d)
{
    Widget old = state->rows;
    // The rows' texts live in this list until the form has copied them.
    std::vector<std::pair<std::string, std::string>> texts;
    if (!d.name.empty()) {
        texts.emplace_back(cvMsg(CVMSG_DESC_NAME), d.name);
        if (d.expression) {
            texts.emplace_back(cvMsg(CVMSG_DESC_EQUATION), d.equation);
        } else {
            texts.emplace_back(cvMsg(CVMSG_DESC_OBJECT_ID), d.objectId);
            texts.emplace_back(cvMsg(CVMSG_DESC_TYPE), d.type);
            if (!d.access.empty()) {
                texts.emplace_back(cvMsg(CVMSG_DESC_ACCESS), d.access);
            }
        }
        texts.insert(texts.end(), d.rows.begin(), d.rows.end());
        std::string enums;
        for (const std::string &e : d.enums) {
            enums += (enums.empty() ? "" : ", ") + e;
        }
        if (!d.enums.empty()) {
            texts.emplace_back(cvMsg(CVMSG_DESC_ENUMS), enums);
        }
    }
    std::vector<label_edit_info> rows;
    auto columns = static_cast<unsigned short>(std::clamp(res.descrColumns, 10, 400));
    for (const auto &t : texts) {
        rows.push_back({0, t.first.c_str(), t.second.c_str(), columns, 0});
    }
    CVGUI_STAGE(XmNtopAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNtopOffset, 6);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNleftOffset, 6);
    CVGUI_STAGE(XmNrightAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNrightOffset, 6);
    Widget last = nullptr;
    state->rows = cvguiReadOnlyRows(pane, rows.data(), static_cast<int>(rows.size()), &last);
    // A form made inside a realized window keeps the size it was made with: give it the height
    // its last row ends at.
    if (last != nullptr && XtIsRealized(pane)) {
        Position y = 0;
        Dimension h = 0;
        XtVaGetValues(last, XmNy, &y, XmNheight, &h, nullptr);
        XtVaSetValues(state->rows, XmNheight, static_cast<Dimension>(y + h), nullptr);
    }
    if (state->label != nullptr) {
        XtVaSetValues(state->label, XmNtopWidget, state->rows, nullptr);
    }
    if (old != nullptr) {
        XtDestroyWidget(old);
    }
}

void closeDescription(Widget, XtPointer clientData, XtPointer)
{
    auto shell = static_cast<Widget>(clientData);
    auto at = std::find(descriptionShells.begin(), descriptionShells.end(), shell);
    if (at != descriptionShells.end()) {
        descriptionShells.erase(at);
    }
    removeWindowFromBusyList(shell);
    XtDestroyWidget(shell);
}

void describeWindow(const MsDescription &d, const char *name)
{
    const char *title = cvMsg(d.expression ? CVMSG_DESC_EXPRESSION_TITLE : CVMSG_DESC_MIB_VARIABLE_TITLE);
    Widget shell = AddPopupDialog(toplevel, title, "describeMib");
    Widget form = AddMotifForm(shell, "describeMibForm");
    Widget buttons = AddButtonBox(form, "describeButtons", CVGUI_BOX_HORIZONTAL);
    AddMPButton(buttons, cvMsg(CVMSG_CLOSE), "close", closeDescription, shell);
    XtVaSetValues(buttons, XmNbottomAttachment, XmATTACH_FORM, XmNbottomOffset, 6, XmNleftAttachment,
                  XmATTACH_POSITION, XmNleftPosition, 42, nullptr);
    XtManageChild(buttons);
    Widget pane = msCreateDescriptionPane(form, "description");
    XtVaSetValues(pane, XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment,
                  XmATTACH_FORM, XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, buttons, nullptr);
    msShowDescription(pane, name, d.expression ? 1 : 0);
    XtManageChild(pane);
    XtManageChild(form);
    registerCloseCB(shell, closeDescription, shell);
    XtPopup(shell, XtGrabNone);
    addWindowToBusyList(shell);
    descriptionShells.push_back(shell);
}

} // namespace

extern "C" Widget msCreateDescriptionPane(Widget parent, const char *name)
{
    Widget pane = AddMotifForm(parent, name != nullptr && *name != '\0' ? name : "description");
    auto *state = new PaneState;
    XtVaSetValues(pane, XmNuserData, state, nullptr);
    XtAddCallback(pane, XmNdestroyCallback, paneDestroyed, state);

    fillRows(pane, state, MsDescription());

    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    Widget label = AddMLabel(pane, "descriptionLabel", cvMsg(CVMSG_DESC_DESCRIPTION));
    state->label = label;
    XtVaSetValues(label, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, state->rows, XmNtopOffset, 6,
                  XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 6, nullptr);

    state->text = cvguiReadOnlyText(pane, "descriptionText", static_cast<short>(std::clamp(res.descrRows, 1, 200)),
                                    static_cast<short>(std::clamp(res.descrColumns + 12, 10, 400)));
    XtVaSetValues(XtParent(state->text), XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, label, XmNtopOffset, 4,
                  XmNleftAttachment, XmATTACH_FORM, XmNleftOffset, 6, XmNrightAttachment, XmATTACH_FORM,
                  XmNrightOffset, 6, XmNbottomAttachment, XmATTACH_FORM, XmNbottomOffset, 6, nullptr);
    XtManageChild(XtParent(state->text));
    return pane;
}

extern "C" int msShowDescription(Widget pane, const char *name, int expression)
{
    PaneState *state = pane != nullptr ? paneState(pane) : nullptr;
    if (state == nullptr) {
        return 0;
    }
    bool found = name != nullptr && msDescribe(name, expression != 0, state->shown) == 0;
    if (!found) {
        state->shown = MsDescription();
    }
    // A shown pane lays out again from the new rows' own height: out of its parent meanwhile.
    bool managed = XtIsManaged(pane) && XtIsRealized(pane);
    if (managed) {
        XtUnmanageChild(pane);
    }
    fillRows(pane, state, state->shown);
    XmTextSetString(state->text, const_cast<char *>(state->shown.description.c_str()));
    XmTextShowPosition(state->text, 0);
    if (managed) {
        XtManageChild(pane);
    }
    return found ? 1 : 0;
}

extern "C" char *msDescriptionOfPane(Widget pane)
{
    PaneState *state = pane != nullptr ? paneState(pane) : nullptr;
    std::string text = state != nullptr ? msDescriptionText(state->shown) : std::string();
    return XtNewString(text.c_str());
}

extern "C" int msDescribeChosen(void)
{
    int opened = 0;
    bool expression = msCoreExpressionMode();
    for (char *name = msGetFirstObjectName(); name != nullptr; name = msGetNextObjectName()) {
        std::string object = name; // the walk's buffer is reused by the lookups below
        MsDescription d;
        if (msDescribe(object.c_str(), expression, d) != 0) {
            msCoreMessageFunction()(cvMsg(CVMSG_MS_CANNOT_DESCRIBE), object.c_str());
            break;
        }
        describeWindow(d, object.c_str());
        opened++;
    }
    return opened;
}

extern "C" void msCloseDescriptions(void)
{
    std::vector<Widget> shells = descriptionShells;
    for (Widget shell : shells) {
        closeDescription(nullptr, shell, nullptr);
    }
}
