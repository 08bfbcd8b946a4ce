// The MIB selector's rules over the MIB library, the expression library and a view of the
// panel's controls. One record per process, as the panel is one per process.
#include "mibSelCore.h"

#include "cv.h"
#include "cvFormat.h"
#include "cvMsgIds.h"
#include "cvsnmp.h"
#include "cvutil.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char fallbackObject[] = ".iso.org.dod.internet";

// A result buffer of one name operation: reused while the text fits, otherwise replaced by a
// block of exactly the size needed (never under 32 bytes).
class ResultBuffer {
public:
    ~ResultBuffer() { free(block_); }
    // Room for at least size bytes; null when memory is exhausted.
    char *reserve(size_t size)
    {
        size = std::max<size_t>(size, 32);
        if (size > capacity_) {
            auto *grown = static_cast<char *>(malloc(size));
            if (grown == nullptr) {
                return nullptr;
            }
            free(block_);
            block_ = grown;
            capacity_ = size;
        }
        return block_;
    }
    char *hold(const char *text, size_t requested = 0)
    {
        size_t length = strlen(text);
        char *out = reserve(std::max(requested, length + 1));
        if (out != nullptr) {
            memcpy(out, text, length + 1);
        }
        return out;
    }

private:
    char *block_ = nullptr;
    size_t capacity_ = 0;
};

enum Operation {
    OP_OBJECT,      // msGetObjectName
    OP_ITERATE,     // msGetFirstObjectName / msGetNextObjectName
    OP_TYPED,
    OP_JOIN,
    OP_DIR,
    OP_BASE,
    OP_NUMERIC,
    OP_SYMBOLIC,
    OP_LABEL,
    OP_COUNT
};

struct Selector {
    MsSelView *view = nullptr;
    unsigned char expressionMode = 0;
    unsigned int flags = 0;
    bool dialog = false;
    int state = MS_STATE_NODE;
    MsStateCallback stateCallback = nullptr;
    MsMessageFunction messageFunction = nullptr;
};

Selector sel;
std::string defaultObject = fallbackObject;
bool listSorted = false;
// Set while the list shows the children of the name field's node, so that the field's change
// events caused by the selector itself are not taken for the user's typing.
bool listFollows = true;
int iterateIndex = 0;
// Counts msSelectMibObjectNames calls, so msShowNode knows when the tree's own handling of a
// selection has already filled the list.
unsigned long treeSelections = 0;
ResultBuffer buffers[OP_COUNT];

MsMessageFunction report()
{
    return sel.messageFunction != nullptr ? sel.messageFunction : msAddMessage;
}

bool hasList()
{
    return sel.view != nullptr && sel.view->hasList();
}

bool isRoot(const std::string &node)
{
    return node == ".iso" || node == ".1";
}

// Whether text holds one of the characters a typed name may not contain inside.
bool hasForbiddenCharacter(const char *text)
{
    const char *forbidden = cvMsg(CVMSG_MS_NAME_FORBIDDEN_CHARS);
    return strpbrk(text, forbidden) != nullptr;
}

int addChild(const char *label)
{
    if (listSorted || sel.expressionMode) {
        sel.view->listAddSorted(label);
    } else {
        sel.view->listAppend(label);
    }
    return 0;
}

// Lists the node's children in the item list (an empty node has none).
void listChildren(const char *node)
{
    if (*node != '\0' && hasList()) {
        CVmib_get_children(node, addChild, report(), 0);
    }
}

// Chosen object i: the current node joined with the i-th selected label; with nothing selected,
// object 0 is the typed node.
char *readItem(int i, Operation op)
{
    if (!hasList()) {
        return nullptr;
    }
    std::vector<std::string> selected = sel.view->listSelected();
    const char *name;
    if (selected.empty() && i == 0) {
        name = msReadTypedName();
    } else if (i >= static_cast<int>(selected.size())) {
        return nullptr;
    } else {
        const char *node = msReadTypedName();
        name = msJoinName(node != nullptr ? node : "", selected[i].c_str());
    }
    return name != nullptr ? buffers[op].hold(name) : nullptr;
}

void setOkApply(bool sensitive)
{
    sel.view->setSensitive(MS_CTL_OK, sensitive);
    if (sel.flags & MS_APPLY) {
        sel.view->setSensitive(MS_CTL_APPLY, sensitive);
    }
}

void fillExpressions()
{
    sel.view->listClear();
    if (expressionListPtr == nullptr) {
        return;
    }
    ExpressionListIterator next(expressionListPtr);
    while (Expression *e = next()) {
        sel.view->listAddSorted(e->getName());
    }
}

} // namespace

// ---- The record and its resources.

void msCoreAttach(MsSelView *view, unsigned int flags, bool dialog, MsMessageFunction messageFunction,
                  MsStateCallback stateCallback)
{
    sel = Selector();
    sel.view = view;
    sel.flags = flags;
    sel.dialog = dialog;
    sel.messageFunction = messageFunction;
    sel.stateCallback = stateCallback;
    listFollows = true;
    iterateIndex = 0;
}

std::string msCheckDefaultObject(const char *value)
{
    std::string text = cvcommon::stripped(value);
    if (text.empty() || hasForbiddenCharacter(text.c_str())) {
        return fallbackObject;
    }
    return text;
}

void msCoreSetResources(const char *defaultMibObject, bool sorted)
{
    defaultObject = msCheckDefaultObject(defaultMibObject);
    listSorted = sorted;
}

const char *msCoreDefaultObject()
{
    return defaultObject.c_str();
}

int msLoadMib()
{
    int result = CVmib_load_mib();
    if (result != 0) {
        report()(cvMsg(CVMSG_MS_MIB_LOAD_FAILED), CVmib_get_mib_filename());
    }
    return result;
}

unsigned int msCoreFlags()
{
    return sel.flags;
}

bool msCoreExpressionMode()
{
    return sel.expressionMode != 0;
}

int msCoreState()
{
    return sel.state;
}

bool msCoreHasDialog()
{
    return sel.dialog;
}

MsMessageFunction msCoreMessageFunction()
{
    return report();
}

// ---- Names.

extern "C" char *msGetObjectName(void)
{
    return readItem(0, OP_OBJECT);
}

extern "C" char *msGetFirstObjectName(void)
{
    iterateIndex = 0;
    return readItem(0, OP_ITERATE);
}

extern "C" char *msGetNextObjectName(void)
{
    if (iterateIndex < INT_MAX) {
        iterateIndex++;
    }
    return readItem(iterateIndex, OP_ITERATE);
}

extern "C" int msAllInteger(void)
{
    int count = 0;
    for (char *name = msGetFirstObjectName(); name != nullptr; name = msGetNextObjectName()) {
        if (!CVmib_is_int(name)) {
            return 0;
        }
        count++;
    }
    return count > 0 ? 1 : 0;
}

extern "C" char *msGetObjectDirName(const char *name)
{
    if (name == nullptr) {
        return nullptr;
    }
    const char *dot = strrchr(name, '.');
    char *out = buffers[OP_DIR].hold(name);
    if (out != nullptr && dot != nullptr) {
        out[dot - name] = '\0';
    }
    return out;
}

extern "C" char *msGetObjectBaseName(const char *name)
{
    if (name == nullptr) {
        return nullptr;
    }
    const char *base = name;
    if (const char *dot = _CVstrrchr(name, '.')) {
        int width = mblen(dot, MB_CUR_MAX);
        base = dot + (width == 2 ? 2 : 1);
    }
    return buffers[OP_BASE].hold(base);
}

extern "C" char *msGetObjectNumericName(const char *name)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    if (name == nullptr || CVmib_read_objid(name, oid, &count) != 0) {
        return nullptr;
    }
    // At most ten digits and a dot per sub-identifier.
    char *out = buffers[OP_NUMERIC].reserve(static_cast<size_t>(count) * 11 + 1);
    if (out == nullptr) {
        return nullptr;
    }
    char *p = out;
    *p = '\0';
    for (int i = 0; i < count; i++) {
        p += sprintf(p, ".%u", oid[i]);
    }
    return out;
}

extern "C" char *msGetObjectNameByNumericName(const char *numeric)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    if (numeric == nullptr || CVmib_read_objid(numeric, oid, &count) != 0) {
        return nullptr;
    }
    const char *symbolic = CVmib_get_objid_name(oid, count);
    return symbolic != nullptr ? buffers[OP_SYMBOLIC].hold(symbolic, static_cast<size_t>(count) * 60) : nullptr;
}

extern "C" char *msJoinName(const char *node, const char *item)
{
    if (item == nullptr) {
        return nullptr;
    }
    if (sel.expressionMode || node == nullptr) {
        return buffers[OP_JOIN].hold(item);
    }
    size_t size = strlen(node) + strlen(item) + 2;
    char *out = buffers[OP_JOIN].reserve(size);
    if (out != nullptr) {
        snprintf(out, size, "%s.%s", node, item);
    }
    return out;
}

extern "C" char *msReadTypedName(void)
{
    if (sel.view == nullptr || !sel.view->hasNameField()) {
        return nullptr;
    }
    std::string text = sel.view->nameText();
    if (sel.state == MS_STATE_TYPED) {
        std::string clean = cvcommon::stripped(text.c_str());
        if (hasForbiddenCharacter(clean.c_str())) {
            report()(cvMsg(CVMSG_MS_INVALID_OBJECT), clean.c_str());
            return nullptr;
        }
        if (clean.empty()) {
            msShowNode(defaultObject.c_str(), 1);
            text = sel.view->nameText();
            report()("%s", cvMsg(CVMSG_MS_NO_OBJECT));
        } else if (clean.size() != text.size()) {
            msShowNode(clean.c_str(), 1);
            text = sel.view->nameText();
        }
    }
    return buffers[OP_TYPED].hold(text.c_str());
}

extern "C" char *msGetLabel(void)
{
    if (sel.view == nullptr || !sel.view->hasLabelField()) {
        return nullptr;
    }
    return buffers[OP_LABEL].hold(sel.view->labelText().c_str());
}

extern "C" void msSetLabel(const char *text)
{
    if (sel.view != nullptr && sel.view->hasLabelField()) {
        sel.view->setLabelText(text != nullptr ? text : "");
    }
}

extern "C" const char *get_mibSel_ObjID_Label(void)
{
    static const char *label = cvMsg(CVMSG_MS_OBJECT_ID_LABEL);
    return label;
}

// ---- Navigation.

extern "C" void msShowNode(const char *name, int selectTree)
{
    if (name == nullptr || sel.view == nullptr) {
        return;
    }
    std::string node = name; // name may point into a buffer that the steps below reuse
    listFollows = false;
    sel.view->setNameText(node.c_str());
    if (hasList()) {
        sel.view->listClear();
    }
    if (selectTree && !sel.expressionMode) {
        unsigned long before = treeSelections;
        sel.view->treeSelect(node.c_str());
        if (treeSelections != before) {
            // The tree's own handling of the selection has listed the node and chosen in it.
            listFollows = true;
            return;
        }
    }
    listChildren(node.c_str());
    listFollows = true;
    if (hasList() && sel.view->listCount() > 0) {
        sel.view->listSelectPos(1, true);
    } else {
        msSetState(MS_STATE_NONE);
    }
}

extern "C" void msSetObjectName(const char *name)
{
    Expression *expression = nullptr;
    if (name != nullptr && nameToExpression(name, &expression) == 0 && expression != nullptr) {
        msSetMode(1);
        return;
    }
    msSetMode(0);
    msShowNode(name != nullptr ? name : defaultObject.c_str(), 1);
}

extern "C" void msSelectMibObjectNames(const char *node, const char *const *names)
{
    if (node == nullptr || sel.view == nullptr) {
        return;
    }
    treeSelections++;
    std::string current = node;
    listFollows = false;
    sel.view->setNameText(current.c_str());
    if (hasList()) {
        sel.view->listClear();
        listChildren(current.c_str());
        for (const char *const *n = names; n != nullptr && *n != nullptr; n++) {
            sel.view->listSelectItem(*n, true);
        }
    }
    listFollows = true;
    if (!hasList() || sel.view->listCount() == 0) {
        msSetState(MS_STATE_NONE);
    }
}

extern "C" void msUpTree(void)
{
    msClearMessages();
    char *typed = msReadTypedName();
    char *dir = msGetObjectDirName(typed);
    if (dir != nullptr) {
        msShowNode(dir, 1);
    } else {
        report()("%s", cvMsg(CVMSG_MS_CANNOT_GO_UP));
    }
}

extern "C" void msDownTree(void)
{
    msClearMessages();
    if (hasList() && sel.view->listSelected().size() > 1) {
        report()("%s", cvMsg(CVMSG_MS_TOO_MANY_SELECTED));
    }
    msShowNode(msGetObjectName(), 1);
}

extern "C" void msDisableSelectionEnableLabel(const char *name, const char *label)
{
    if (sel.view == nullptr || name == nullptr) {
        return;
    }
    if (sel.flags & MS_EXPRESSIONS) {
        sel.view->setSensitive(MS_CTL_TOGGLES, false);
    }
    sel.view->setSensitive(MS_CTL_NAME, false);
    sel.view->setEditable(MS_CTL_NAME, false);
    sel.view->setSensitive(MS_CTL_LIST, false);
    sel.view->setSensitive(MS_CTL_TREE, false);

    std::string item;
    Expression *expression = nullptr;
    if (nameToExpression(name, &expression) == 0 && expression != nullptr) {
        msSetMode(1);
        item = name;
    } else {
        // A name the MIB library cannot read is shown as given; msSetObjectName below switches
        // to MIB-object mode.
        const char *symbolic = msGetObjectNameByNumericName(name);
        std::string whole = symbolic != nullptr ? symbolic : name;
        size_t dot = whole.rfind('.');
        if (dot == std::string::npos) {
            report()(cvMsg(CVMSG_MS_INVALID_OBJECT_NO_DOT), whole.c_str());
            return;
        }
        msSetObjectName(whole.substr(0, dot).c_str());
        sel.view->treeSelect(whole.c_str());
        item = whole.substr(dot + 1);
    }
    if (hasList()) {
        sel.view->listSelectItem(item.c_str(), false);
        sel.view->listShowAtTop(item.c_str());
    }
    msSetLabel(label);
    if (sel.view->hasLabelField()) {
        sel.view->setEditable(MS_CTL_LABEL, true);
    }
    sel.view->setSensitive(MS_CTL_APPLY, false);
    sel.view->setSensitive(MS_CTL_OK, true);
    sel.view->setSensitive(MS_CTL_DESCRIBE, true);
}

extern "C" void msSetMode(int expression)
{
    if (sel.view == nullptr || !(sel.flags & MS_EXPRESSIONS)) {
        return;
    }
    sel.view->setToggles(expression != 0);
    if (!expression) {
        sel.expressionMode = 0;
        sel.view->setIdLabel(get_mibSel_ObjID_Label());
        if (sel.flags & MS_LABEL) {
            msSetLabel("");
            sel.view->setEditable(MS_CTL_LABEL, false);
        }
        msShowNode(defaultObject.c_str(), 1);
        sel.view->showMode(false);
    } else {
        sel.expressionMode = 1;
        sel.view->setIdLabel(cvMsg(CVMSG_MS_EXPRESSION_ID_LABEL));
        sel.view->showMode(true);
        if (hasList()) {
            fillExpressions();
        }
        if (sel.flags & MS_LABEL) {
            msSetLabel("");
            sel.view->setEditable(MS_CTL_LABEL, true);
        }
        sel.view->setSensitive(MS_CTL_DESCRIBE, false);
        if (sel.flags & MS_APPLY) {
            setOkApply(false);
        }
    }
}

extern "C" void msSetState(int state)
{
    if (sel.view == nullptr) {
        return;
    }
    bool accepting = (sel.flags & (MS_ACCEPT_ANY | MS_ACCEPT_INTEGER)) != 0;
    bool okMadeSensitive = false;
    bool labelEditable = false;
    switch (state) {
    case MS_STATE_LEAF:
    case MS_STATE_LEAVES:
        sel.view->setSensitive(MS_CTL_DESCRIBE, true);
        if (sel.dialog) {
            okMadeSensitive = (sel.flags & MS_ACCEPT_ANY) || ((sel.flags & MS_ACCEPT_INTEGER) && msAllInteger());
            setOkApply(okMadeSensitive);
        }
        labelEditable = state == MS_STATE_LEAF && okMadeSensitive;
        break;
    case MS_STATE_TYPED:
        sel.view->setSensitive(MS_CTL_DESCRIBE, true);
        if (sel.dialog && accepting) {
            setOkApply(true);
        }
        labelEditable = true;
        break;
    case MS_STATE_NONE:
        sel.view->setSensitive(MS_CTL_DESCRIBE, false);
        if (sel.dialog && accepting) {
            setOkApply(false);
        }
        break;
    default: // a node, several with a node among them, the root's children
        sel.view->setSensitive(MS_CTL_DESCRIBE, true);
        if (sel.dialog && accepting) {
            setOkApply(false);
        }
        break;
    }
    if ((sel.flags & MS_LABEL) && sel.view->hasLabelField()) {
        sel.view->setEditable(MS_CTL_LABEL, labelEditable);
        char *base = okMadeSensitive ? msGetObjectBaseName(msGetObjectName()) : nullptr;
        sel.view->setLabelText(base != nullptr ? base : "");
    }
    sel.state = state;
    if (sel.stateCallback != nullptr) {
        sel.stateCallback(state);
    }
}

extern "C" int msChangeFlags(unsigned int flags)
{
    sel.flags = flags;
    msSetState(sel.state);
    return 0;
}

extern "C" void msDisableOkApply(void)
{
    if (sel.view != nullptr && (sel.flags & MS_APPLY)) {
        sel.view->setSensitive(MS_CTL_APPLY, false);
        sel.view->setSensitive(MS_CTL_OK, false);
    }
}

// ---- What the view reports.

extern "C" void msListSelectionChanged(void)
{
    if (!hasList()) {
        return;
    }
    std::vector<std::string> selected = sel.view->listSelected();
    msClearMessages();
    if (sel.expressionMode) {
        bool any = !selected.empty();
        sel.view->setSensitive(MS_CTL_DESCRIBE, any);
        if (sel.flags & MS_APPLY) {
            setOkApply(any);
        }
        char *name = any ? msGetObjectName() : nullptr;
        msSetLabel(name != nullptr ? name : "");
        return;
    }
    if (selected.empty()) {
        msSetState(MS_STATE_NONE);
        return;
    }
    char *typed = msReadTypedName();
    std::string node = typed != nullptr ? typed : "";
    if (selected.size() == 1 && isRoot(node)) {
        msSetState(MS_STATE_ROOT);
        return;
    }
    bool nonLeaf = false;
    for (const std::string &label : selected) {
        if (CVmib_has_children(msJoinName(node.c_str(), label.c_str()))) {
            nonLeaf = true;
            break;
        }
    }
    if (selected.size() == 1) {
        msSetState(nonLeaf ? MS_STATE_NODE : MS_STATE_LEAF);
    } else {
        msSetState(nonLeaf ? MS_STATE_NODES : MS_STATE_LEAVES);
    }
}

extern "C" void msNameFieldChanged(void)
{
    if (!listFollows || sel.view == nullptr) {
        return;
    }
    listFollows = false;
    if (hasList()) {
        sel.view->listClear();
    }
    msSetState(MS_STATE_TYPED);
    sel.view->treeSelect(nullptr);
}

// ---- Messages.

extern "C" int msClearMessages(void)
{
    return sel.view != nullptr ? sel.view->clearMessages() : -1;
}

extern "C" int msAddMessage(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = cvcommon::vformat(format, args);
    va_end(args);
    return sel.view != nullptr ? sel.view->addMessage(text.c_str()) : -1;
}
