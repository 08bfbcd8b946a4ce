// The MIB selector's state and rules, portable: flags, selection states and the sensitivity they
// give, the name operations and their buffers, navigation over the MIB library, the typed-name
// checks and expression mode. A toolkit view (the native panel, later a Motif one) implements
// MsSelView over its controls and tells the core what the user did; the core never sees a widget.
#ifndef MIBSELCORE_H
#define MIBSELCORE_H

#include "mibsel.h"

#include <string>
#include <vector>

// The panel's controls that the rules switch on and off.
enum MsControl {
    MS_CTL_TOGGLES,  // the MIB-object / expression toggles, as one
    MS_CTL_NAME,     // the object-name field
    MS_CTL_LIST,     // the item list
    MS_CTL_TREE,     // the MIB tree (a view without one ignores it)
    MS_CTL_DESCRIBE,
    MS_CTL_LABEL,    // the label field
    MS_CTL_OK,
    MS_CTL_APPLY
};

// What the selector asks of the panel's controls. A missing control is reported by the has...
// members; calls about it are then ignored by the view.
class MsSelView {
public:
    virtual ~MsSelView() = default;

    virtual bool hasNameField() = 0;
    virtual std::string nameText() = 0;
    // Sets the field's text with the insertion point at its end.
    virtual void setNameText(const char *text) = 0;

    virtual bool hasList() = 0;
    virtual void listClear() = 0;
    virtual void listAppend(const char *label) = 0;
    virtual void listAddSorted(const char *label) = 0;
    virtual int listCount() = 0;
    // The selected labels, in list order.
    virtual std::vector<std::string> listSelected() = 0;
    // With notify the toolkit reports the selection as a user's click, which reaches
    // msListSelectionChanged before the call returns.
    virtual void listSelectPos(int pos, bool notify) = 0; // 1-based
    virtual void listSelectItem(const char *label, bool notify) = 0;
    virtual void listShowAtTop(const char *label) = 0;

    // Shows and selects a dotted name in the MIB tree; null or "" clears the tree's selection.
    virtual void treeSelect(const char *name) = 0;

    virtual void setSensitive(MsControl control, bool sensitive) = 0;
    virtual void setEditable(MsControl control, bool editable) = 0; // MS_CTL_NAME, MS_CTL_LABEL
    // Expression mode shows the list and hides the name field and the tree; MIB-object mode the
    // other way round.
    virtual void showMode(bool expression) = 0;
    virtual void setIdLabel(const char *text) = 0;
    // Sets the two toggles without telling anyone.
    virtual void setToggles(bool expression) = 0;

    virtual bool hasLabelField() = 0;
    virtual std::string labelText() = 0;
    virtual void setLabelText(const char *text) = 0;

    // 0, or -1 when there is no message list.
    virtual int clearMessages() = 0;
    // One formatted line for the message list; the view's result (0, or -1 after telling the
    // user some other way).
    virtual int addMessage(const char *text) = 0;
};

// Starts the selector afresh over a view (null: detached): the record is zeroed, the flags
// kept, expression mode off, state 0. dialog says whether the panel has OK, Apply and Cancel
// (a done callback). A null messageFunction means msAddMessage; a null stateCallback nothing.
void msCoreAttach(MsSelView *view, unsigned int flags, bool dialog, MsMessageFunction messageFunction,
                  MsStateCallback stateCallback);

// The two resources the rules use: the default object (checked as a typed name is: blanks at
// the ends dropped, one inside refused; empty or refused gives ".iso.org.dod.internet") and
// whether children are listed sorted.
void msCoreSetResources(const char *defaultMibObject, bool listSorted);
const char *msCoreDefaultObject();
std::string msCheckDefaultObject(const char *value);

// Loads the MIB (again, when its file changed): 0, or the MIB library's code after reporting
// catalogue text 154 with the file's name through the message function.
int msLoadMib();

// The record's values the views read.
unsigned int msCoreFlags();
bool msCoreExpressionMode();
int msCoreState();
bool msCoreHasDialog();

// The printf-style message function in use.
MsMessageFunction msCoreMessageFunction();

#endif
