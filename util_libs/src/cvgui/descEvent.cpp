// "Describe Event" on the Motif half: the shared rows as a label/edit form, the event's
// description in a scrolled text below, and Close and Help.
#include "cvguiP.h"

#include "cvDescEvent.h"
#include "descEventRows.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/Text.h>
#include <algorithm>
#include <cstring>

namespace {

const char kHelpVolume[] = "zbr:EvnDescEvent.dbx";

// The parent of the dialog being made: the display function has no argument for it.
Widget dialogParent = nullptr;

void warn(const char *text)
{
    Warn("%s", text);
}

// The description is as wide as the longest label and value together, within reason: the rows
// stretch with it, so identifiers show whole.
short dialogColumns(const label_edit_info *rows, int count)
{
    size_t label = 0, value = 0;
    for (int i = 0; i < count; i++) {
        label = std::max(label, rows[i].label != nullptr ? strlen(rows[i].label) : 0);
        value = std::max(value, rows[i].value != nullptr ? strlen(rows[i].value) : 0);
    }
    return static_cast<short>(std::min<size_t>(std::max<size_t>(label + value + 4, 64), 110));
}

void closeCB(Widget, XtPointer clientData, XtPointer)
{
    Widget shell = static_cast<Widget>(clientData);
    removeWindowFromBusyList(shell);
    XtDestroyWidget(shell);
}

// Full width, below the widget above (or at the top).
void attach(Widget w, Widget above)
{
    cvguiAttachBelow(w, above, 8);
    cvguiAttachSides(w, 8);
}

void display(const char *title, label_edit_info *rows, int count, const char *description)
{
    Widget shell = AddPopupDialog(dialogParent, title, "describeEvent");
    Widget form = AddMotifForm(shell, "describeEventForm");

    Widget rowForm = cvguiReadOnlyRows(form, rows, count, nullptr);
    attach(rowForm, nullptr);

    CVGUI_STAGE(XmNalignment, XmALIGNMENT_BEGINNING);
    Widget label = AddMLabel(form, "descriptionLabel", cvMsg(CVMSG_EVD_DESCRIPTION_LABEL));
    attach(label, rowForm);

    // The buttons first: the description stretches between its label and them.
    Widget buttons = AddButtonBox(form, "describeEventButtons", CVGUI_BOX_HORIZONTAL | CVGUI_BOX_SPACING(12));
    widgetArgCnt = 0;
    CVGUI_STAGE(XmNbottomAttachment, XmATTACH_FORM);
    CVGUI_STAGE(XmNbottomOffset, 8);
    CVGUI_STAGE(XmNleftAttachment, XmATTACH_POSITION);
    CVGUI_STAGE(XmNleftPosition, 35);
    XtSetValues(buttons, widgetArgs, widgetArgCnt);
    widgetArgCnt = 0;
    AddMPButton(buttons, cvMsg(CVMSG_CLOSE), "close", closeCB, shell);
    AddMPButton(buttons, cvMsg(CVMSG_HELP), "help", help_CB, const_cast<char *>(kHelpVolume));
    XtManageChild(buttons);

    CVGUI_STAGE(XmNvalue, description);
    Widget scrolled = XtParent(cvguiReadOnlyText(form, "description", 8, dialogColumns(rows, count)));
    attach(scrolled, label);
    cvguiAttachAbove(scrolled, buttons, 8);
    XtManageChild(scrolled);

    XtManageChild(form);
    registerCloseCB(shell, closeCB, shell);
    XtPopup(shell, XtGrabNone);
    addWindowToBusyList(shell);
}

} // namespace

extern "C" void popupDescribeEventForKel(trap_record *trap, const char *eventType, char showReceived,
                                         const char *receivedType, unsigned int objectId, const char *ackBy,
                                         const char *uuid, CVDescribeEventDisplayProc displayProc)
{
    cvDescribeEventRows(trap, eventType, showReceived, receivedType, objectId, ackBy, uuid, displayProc, warn);
}

extern "C" void popupDescribeEvent(Widget parent, trap_record *trap, const char *eventType, Boolean showReceived,
                                   const char *receivedType, unsigned int objectId, const char *ackBy,
                                   const char *uuid)
{
    Widget previous = dialogParent;
    dialogParent = parent != nullptr ? parent : toplevel;
    popupDescribeEventForKel(trap, eventType, showReceived, receivedType, objectId, ackBy, uuid, display);
    dialogParent = previous;
}
