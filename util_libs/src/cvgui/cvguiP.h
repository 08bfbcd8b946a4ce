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

// Constant-width fonts, found once from the resources and kept for the process. getCWFontSet
// never returns null: without any usable font set the process ends with a report. getCWFont
// (called with the application shell) gives a font list of that set when it really has constant
// width, else the shell's own text or default font list, or null, with warnings.
XFontSet getCWFontSet(Widget w);
XmFontListEntry createCWFontListEntry(Widget w, char *tag);
XmFontList getCWFont(Widget w);
// A font set of fontSpec in the current locale; with complainOnMissingCharsets, charsets the
// locale needs and the font lacks are listed in a warning and give null.
XFontSet convertStringToFontSet(Display *display, char *fontSpec, Boolean complainOnMissingCharsets);
// Bold and scaled variants of a font, relaxing the name until the server has one; a variant the
// server cannot supply ends the process with a report. The caller owns the result.
XFontStruct *createBoldFont(Widget w, XmFontList fontList, char *tag);
XFontSet createScaledFontSet(Widget w, char *fontName, int pointSize);

// Tells the user that context help failed: an error or warning dialog on the top-level shell
// above w, or standard error when there is none.
void cvguiReportHelpTrouble(Widget w, bool error, const char *text);

// addMessage with its arguments in a va_list, for the save dialog's saveMsg.
void cvguiAddMessageV(Widget list, char timeStamp, const char *format, va_list args);

// The read-only parts of a description window. cvguiReadOnlyRows makes a label/edit form of
// the rows (resources staged before the call apply to the form) whose values show no insertion
// cursor; *lastField, when asked for, gets the last row's value field (null without rows).
// cvguiReadOnlyText makes a scrolled, word-wrapped text of the given size, read-only and
// managed, with the resources staged before the call; it returns the text (its scrolled window
// is XtParent, not yet managed).
Widget cvguiReadOnlyRows(Widget parent, label_edit_info *rows, int count, Widget *lastField);
Widget cvguiReadOnlyText(Widget parent, const char *name, short rows, short columns);

// Form attachments of the description windows and the selector panel, each with the given
// offset: the top below `above` (the form's top when null), the bottom above `below` (the form's
// bottom when null), both sides to the form. They use the staged list and leave it empty.
void cvguiAttachBelow(Widget w, Widget above, int offset);
void cvguiAttachAbove(Widget w, Widget below, int offset);
void cvguiAttachSides(Widget w, int offset);

#endif
