/* Internal declarations shared by the Motif half's source files. */
#ifndef CVGUIP_H
#define CVGUIP_H

#include "cvgui.h"
#include "cvMsgIds.h"

#include <cstdarg>

/* Appends one resource to the staged argument list (the XtSetArg idiom). A full list is an
 * internal error reported with the builder's name and source line, never an overrun. */
#define CVGUI_STAGE(name, value) cvguiStage(__func__, __FILE__, __LINE__, (name), (XtArgVal)(value))
void cvguiStage(const char *builder, const char *file, int line, const char *name, XtArgVal value);

/* Sets the label text after creation unless a resource file already gave the widget a label. */
void cvguiApplyLabelRule(Widget w, const char *label);

/* Registers a new widget for context help (the builders' shared last step). */
Widget cvguiFinish(Widget w, bool help);

/* The typed help handlers of the Help menu: each shows its client data as one kind of help. */
void cvguiHelpFileCB(Widget w, XtPointer target, XtPointer callData);
void cvguiQuickHelpCB(Widget w, XtPointer target, XtPointer callData);
void cvguiHelpStringCB(Widget w, XtPointer target, XtPointer callData);
void cvguiManPageCB(Widget w, XtPointer target, XtPointer callData);
void cvguiTextFileCB(Widget w, XtPointer target, XtPointer callData);

// Tells the user that context help failed: an error or warning dialog on the top-level shell
// above w, or standard error when there is none.
void cvguiReportHelpTrouble(Widget w, bool error, const char *text);

// addMessage with its arguments in a va_list, for the save dialog's saveMsg.
void cvguiAddMessageV(Widget list, char timeStamp, const char *format, va_list args);

#endif
