// The native view of the MIB selector: the portable selector's questions and orders mapped onto
// the controls of the application's dialog (pseudo widgets, the list API, the MIB tree).
#include "kelMibSel.h"
#include "kelMibSelP.h"
#include "kelMsgDlg.h"
#include "kelwlib.h"
#include "mibSelCore.h"

#include <cstdlib>

KelMsSelInfo kelMsSelInfo;

namespace {

const unsigned char *U(const char *s)
{
    return reinterpret_cast<const unsigned char *>(s);
}

class NativeView : public MsSelView {
public:
    explicit NativeView(KelMsSelInfo &info) : s(info) {}

    bool hasNameField() override { return control(s.nameField) != nullptr; }
    std::string nameText() override
    {
        CWnd *field = control(s.nameField);
        if (field == nullptr) {
            return std::string();
        }
        CString text;
        field->GetWindowText(text);
        return static_cast<const char *>(text);
    }
    void setNameText(const char *text) override
    {
        if (CWnd *field = control(s.nameField)) {
            field->SetWindowText(text);
            KelTextSetInsertionPosition(field, field->GetWindowTextLength());
        }
    }

    bool hasList() override { return control(s.list.widget) != nullptr; }
    void listClear() override { KelListDeleteAllItems(&s.list); }
    void listAppend(const char *label) override { KelListAddItemUnselected(&s.list, U(label), 0); }
    void listAddSorted(const char *label) override { KelListSortAddItem(&s.list, U(label)); }
    int listCount() override { return KelListGetItemCount(&s.list); }
    std::vector<std::string> listSelected() override
    {
        unsigned char **items = nullptr;
        int count = 0;
        KelListGetSelectedItems(&s.list, &items, &count);
        std::vector<std::string> labels;
        for (int i = 0; i < count; i++) {
            labels.emplace_back(reinterpret_cast<const char *>(items[i]));
        }
        return labels;
    }
    void listSelectPos(int pos, bool notify) override { KelListSelectPos(&s.list, pos, notify ? 1 : 0, 0); }
    void listSelectItem(const char *label, bool notify) override { KelListSelectItem(&s.list, U(label), notify ? 1 : 0); }
    void listShowAtTop(const char *label) override { KelListSetItem(&s.list, U(label)); }

    void treeSelect(const char *name) override
    {
        if (control(s.tree) != nullptr) {
            KelMibTreeSelectItem(name);
        }
    }

    void setSensitive(MsControl c, bool sensitive) override
    {
        if (c == MS_CTL_TOGGLES) {
            KelSetSensitive(s.toggleFrame, sensitive ? 1 : 0);
        } else if (KelPaseudoWidget *w = widget(c)) {
            KelSetSensitive(control(*w), sensitive ? 1 : 0);
        }
    }
    void setEditable(MsControl c, bool editable) override
    {
        KelPaseudoWidget *w = widget(c);
        if (CWnd *field = w != nullptr ? control(*w) : nullptr) {
            KelTextSetEditable(field, editable ? 1 : 0);
        }
    }
    void showMode(bool expression) override
    {
        // Show the new control before hiding the old one, so the focus has somewhere to go.
        if (expression) {
            KelShow(control(s.list.widget));
            KelHide(control(s.nameField));
            KelHide(control(s.tree));
        } else {
            KelShow(control(s.nameField));
            KelShow(control(s.tree));
            KelHide(control(s.list.widget));
        }
    }
    void setIdLabel(const char *text) override
    {
        if (CWnd *label = control(s.idLabel)) {
            label->SetWindowText(text);
        }
    }
    void setToggles(bool expression) override
    {
        if (CWnd *t = control(s.exprToggle)) {
            KelToggleButtonSetState(t, expression ? 1 : 0, 0);
        }
        if (CWnd *t = control(s.mibToggle)) {
            KelToggleButtonSetState(t, expression ? 0 : 1, 0);
        }
    }

    bool hasLabelField() override { return control(s.labelField) != nullptr; }
    std::string labelText() override
    {
        CWnd *field = control(s.labelField);
        if (field == nullptr) {
            return std::string();
        }
        char *text = KelTextGetString(field);
        std::string copy = text != nullptr ? text : "";
        free(text);
        return copy;
    }
    void setLabelText(const char *text) override
    {
        if (CWnd *field = control(s.labelField)) {
            KelTextSetString(field, text);
        }
    }

    int clearMessages() override
    {
        if (s.messageList == nullptr) {
            return -1;
        }
        KelListDeleteAllItems(s.messageList);
        return 0;
    }
    int addMessage(const char *text) override { return ::addMessage(s.messageList, 0, "%s", text); }

private:
    static CWnd *control(KelPaseudoWidget &w) { return w == 0 ? nullptr : static_cast<CWnd *>(w); }
    KelPaseudoWidget *widget(MsControl c)
    {
        switch (c) {
        case MS_CTL_NAME:
            return &s.nameField;
        case MS_CTL_LIST:
            return &s.list.widget;
        case MS_CTL_TREE:
            return &s.tree;
        case MS_CTL_DESCRIBE:
            return &s.describe;
        case MS_CTL_LABEL:
            return &s.labelField;
        case MS_CTL_OK:
            return &s.ok;
        case MS_CTL_APPLY:
            return &s.apply;
        default:
            return nullptr;
        }
    }

    KelMsSelInfo &s;
};

NativeView nativeView(kelMsSelInfo);

void attach(KelPaseudoWidget &w, CWnd *dialog, const KelMsCtrlIds ids, KelMsCtrlIndex index)
{
    w.init(dialog, ids[index]);
}

} // namespace

MsSelView *kelMsView()
{
    return &nativeView;
}

int KelMsAttachSelector(CWnd *dialog, unsigned int flags, const KelMsCtrlIds ids, MsMessageFunction messageFunction,
                        MsStateCallback stateCallback, XtCallbackProc doneCallback)
{
    if ((flags & MS_MULTIPLE_SELECT) && (flags & MS_LABEL)) {
        KelError("INTERNAL ERROR %s:%d: cannot have mib label and multiple select options", "../mibSel", __LINE__);
        return 0;
    }
    KelMsSelInfo &s = kelMsSelInfo;
    // Everything from an earlier attachment goes (the list widgets keep their tables).
    s.mibToggle = 0;
    s.exprToggle = 0;
    s.toggleFrame = KelPFrame();
    s.labelField = 0;
    s.ok = 0;
    s.apply = 0;
    s.cancel = 0;
    s.help = 0;
    s.messageList = nullptr;
    s.messages.widget = KelPaseudoWidget();
    s.list.SetChangeFlag();
    s.messages.SetChangeFlag();
    s.doneCallback = doneCallback;
    s.dialog = doneCallback != nullptr ? dialog : nullptr;
    msCoreAttach(&nativeView, flags, doneCallback != nullptr, messageFunction, stateCallback);

    if (flags & MS_EXPRESSIONS) {
        attach(s.mibToggle, dialog, ids, KEL_MS_ID_MIB_TOGGLE);
        attach(s.exprToggle, dialog, ids, KEL_MS_ID_EXPR_TOGGLE);
        s.toggleFrame.AddChild(s.mibToggle);
        s.toggleFrame.AddChild(s.exprToggle);
    }
    attach(s.idLabel, dialog, ids, KEL_MS_ID_LABEL);
    attach(s.nameField, dialog, ids, KEL_MS_ID_NAME);
    attach(s.describe, dialog, ids, KEL_MS_ID_DESCRIBE);
    attach(s.list.widget, dialog, ids, KEL_MS_ID_LIST);
    attach(s.tree, dialog, ids, KEL_MS_ID_TREE);
    for (int i = 0; i < KEL_MS_ID_COUNT; i++) {
        s.ids[i] = ids[i];
    }
    if (doneCallback != nullptr) {
        s.messages.widget.init(dialog, ids[KEL_MS_ID_MESSAGES]);
        s.messageList = &s.messages;
    }
    int treeReady = KelMibTreeInit(dialog, ids[KEL_MS_ID_TREE], ids[KEL_MS_ID_MULTI]);
    if (flags & MS_LABEL) {
        attach(s.labelField, dialog, ids, KEL_MS_ID_LABEL_FIELD);
        nativeView.setEditable(MS_CTL_LABEL, false);
    }
    int loaded = msLoadMib() == 0;
    if (doneCallback != nullptr) {
        attach(s.ok, dialog, ids, KEL_MS_ID_OK);
        if (flags & MS_APPLY) {
            attach(s.apply, dialog, ids, KEL_MS_ID_APPLY);
        }
        attach(s.cancel, dialog, ids, KEL_MS_ID_CANCEL);
        attach(s.help, dialog, ids, KEL_MS_ID_HELP);
    } else {
        msShowNode(msCoreDefaultObject(), 1);
    }
    KelHide(s.list.widget);
    return treeReady && loaded ? 1 : 0;
}

int msSetMessageWidget(KelListWidget *list)
{
    if (msCoreHasDialog()) {
        return -1;
    }
    kelMsSelInfo.messageList = list;
    return 0;
}
