/*
 * cvgui.h - the Motif half of the cvgui library.
 *
 * One-call builders share one staged argument list: stage resources in widgetArgs at index
 * widgetArgCnt (the XtSetArg idiom), call a builder, and the builder appends its own resources
 * behind yours (its values win), creates the widget and leaves widgetArgCnt at 0.
 * Names follow GetNam: the name you pass, or the builder's default name when it is null or "".
 */
#ifndef CVGUI_H
#define CVGUI_H

#include <Xm/Xm.h>

#if defined(__GNUC__)
#define CVGUI_API __attribute__((visibility("default")))
#define CVGUI_NORETURN __attribute__((noreturn))
#define CVGUI_PRINTF(f, a) __attribute__((format(printf, f, a)))
#else
#define CVGUI_API
#define CVGUI_NORETURN
#define CVGUI_PRINTF(f, a)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Shared data ------------------------------------------------------------------------- */

#define CVGUI_WIDGET_ARGS 50 /* capacity of widgetArgs */

CVGUI_API extern Widget toplevel;           /* the application's top-level shell, set by the tool */
CVGUI_API extern Arg widgetArgs[CVGUI_WIDGET_ARGS];
CVGUI_API extern Cardinal widgetArgCnt;
CVGUI_API extern char *_nptr;               /* the name resolved by the last GetNam */

/* ---- Button descriptions ----------------------------------------------------------------- */

typedef struct {
    const char *label;
    const char *name;
    XtCallbackProc callback;
    XtPointer clientData;
    Boolean isDefault;
} ButtonPanelItem;

typedef struct {
    int key; /* handed to the label function, e.g. a catalogue number */
    const char *label;
    const char *name;
    XtCallbackProc callback;
    XtPointer clientData;
    Boolean isDefault;
} ButtonInfo;

/* Gives the text to show for a button: (label argument, key, label) -> label. */
typedef const char *(*ButtonLabelProc)(XtPointer labelArg, int key, const char *label);

/* ---- Naming and strings ------------------------------------------------------------------ */

CVGUI_API char *GetNam(const char *name, const char *defaultName, int *counter);
CVGUI_API XmString GetString(const char *text); /* free with XmStringFree */
CVGUI_API XmString *BuildStringTable(XmString *table);
CVGUI_API void FreeStringTable(XmString *table);

/* Unmanages and destroys the widget given as client data (OK/Cancel of self-removing dialogs). */
CVGUI_API void DropWidget(Widget w, XtPointer clientData, XtPointer callData);

/* An XtMalloc'ed array of count ButtonPanelItem records; labels through labelProc when given. */
CVGUI_API ButtonPanelItem *convertButtonInfo(ButtonInfo *in, int count, ButtonLabelProc labelProc,
                                             XtPointer labelArg);

/* ---- Simple builders --------------------------------------------------------------------- */

CVGUI_API Widget AddAButton(Widget parent, const char *label, const char *name,
                            XtCallbackProc callback, XtPointer clientData);
CVGUI_API Widget AddMAButton(Widget parent, const char *label, const char *name,
                             XtCallbackProc callback, XtPointer clientData);
CVGUI_API Widget AddBBoard(Widget parent, const char *name);
CVGUI_API Widget AddBBoardD(Widget parent, const char *name, const char *title);
CVGUI_API Widget AddMotifForm(Widget parent, const char *name);
CVGUI_API Widget AddMotifFormD(Widget parent, const char *name, const char *title);
CVGUI_API Widget AddDraw(Widget parent, const char *name);
/* type 1: shadow in, 2: shadow out, anything else: the frame's own default */
CVGUI_API Widget AddFrame(Widget parent, const char *name, int type);
CVGUI_API Widget AddLabel(Widget parent, const char *name, const char *label, int unused);
CVGUI_API Widget AddMLabel(Widget parent, const char *name, const char *label);
CVGUI_API Widget AddSText(Widget parent, const char *name, const char *label);
CVGUI_API Widget AddMWin(Widget parent, const char *name);
CVGUI_API Widget AddVPane(Widget parent, const char *name, Boolean hideSashes);
CVGUI_API Widget AddRowCol(Widget parent, const char *name);
CVGUI_API Widget AddHRowCol(Widget parent, const char *name);

/* Button box flags, read bit-wise */
#define CVGUI_BOX_HORIZONTAL 0x8000 /* XmNorientation XmHORIZONTAL */
#define CVGUI_BOX_COLUMNS 0x4000    /* XmPACK_COLUMN; bits 8..11 give XmNnumColumns */
#define CVGUI_BOX_NCOLUMNS(n) (((n)&0xF) << 8)
#define CVGUI_BOX_SPACING(n) ((n)&0xFF) /* XmNspacing when non-zero */
CVGUI_API Widget AddButtonBox(Widget parent, const char *name, int flags);
CVGUI_API Widget AddRadioBox(Widget parent, const char *name);
CVGUI_API Widget AddSBar(Widget parent, const char *name);
CVGUI_API Widget AddSWin(Widget parent, const char *name);
CVGUI_API Widget AddMTButton(Widget parent, const char *label, const char *name, Boolean set,
                             XtCallbackProc callback, XtPointer clientData);
CVGUI_API Widget AddMTButtonG(Widget parent, const char *label, const char *name, Boolean set,
                              XtCallbackProc callback, XtPointer clientData);

/* Menu entries. A push-button entry is a real XmPushButton (AddPButton leaves it unmanaged, AddMPButton
 * manages it); each carries a command number from a counter that runs 2000..2099 and wraps, with
 * the command identifier number + 1024 (3024..3123). */
CVGUI_API Widget AddPButton(Widget parent, const char *label, const char *name,
                            XtCallbackProc callback, XtPointer clientData);
CVGUI_API Widget AddMPButton(Widget parent, const char *label, const char *name,
                             XtCallbackProc callback, XtPointer clientData);
/* A managed cascade button showing the resolved name and opening submenu. */
CVGUI_API Widget AddMCButton(Widget parent, const char *label, const char *name, Widget submenu,
                             int unused);
CVGUI_API Widget AddSeparator(Widget parent, const char *name);
/* The command identifier of an entry made by AddPButton/AddMPButton, 0 for any other widget. */
CVGUI_API int CVmenuEntryCommandId(Widget entry);
/* The live entry that holds a command identifier (3024..3123), or NULL. */
CVGUI_API Widget CVmenuEntryForCommandId(int commandId);

/* ---- Button panels ----------------------------------------------------------------------- */

/* A managed form holding one managed push button (AddPButton) per record, in order, laid out
 * along a row (AddButtonPanel...) or a column (AddVButtonPanel...). Resources staged before the
 * call apply to the form. Each button's handle goes, in input order, into an XtMalloc'ed array
 * stored through handles (the caller frees it with XtFree); with handles NULL it is freed.
 * A record flagged isDefault becomes XmNdefaultButton of the form and, when the parent is a
 * bulletin board or a direct subclass of one (form, message box, selection box), of the parent
 * too; the last flagged record wins. A count of 0 gives an empty form.
 *
 * AddButtonPanel ("buttonPanel") and AddVButtonPanel ("vButtonPanel"): XmNfractionBase
 * 3 x count + 1; button i takes positions 3i+1 to 3i+3 along the panel and 1 to 3 x count
 * across it, so the buttons are equal with a gap before each. */
CVGUI_API Widget AddButtonPanel(Widget parent, const char *name, ButtonPanelItem *items, int count,
                                Widget **handles);
CVGUI_API Widget AddVButtonPanel(Widget parent, const char *name, ButtonPanelItem *items, int count,
                                 Widget **handles);
/* Like the panels above with a unit u: XmNfractionBase u x count + 1, button i from i x u + 1 to
 * (i + 1) x u along the panel and attached to the form across it. Each of the two builders keeps
 * its own unit (initially 3): a unit above 0 replaces it for this and later calls, 0 (or less)
 * uses the kept one. With labelProc, each record's label is replaced in the caller's array by
 * labelProc(labelArg, key, label) before the buttons are made. Default names as above. */
CVGUI_API Widget AddButtonPanelA(Widget parent, const char *name, ButtonInfo *items, int count,
                                 ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int unit);
CVGUI_API Widget AddVButtonPanelA(Widget parent, const char *name, ButtonInfo *items, int count,
                                  ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int unit);
/* Buttons of their natural size chained one after another, spacing pixels apart, the first at
 * the form's leading edge, each attached to the form across the panel; no fraction base. Labels
 * are rewritten through labelProc as for the A panels. */
CVGUI_API Widget AddButtonPanelB(Widget parent, const char *name, ButtonInfo *items, int count,
                                 ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int spacing);
CVGUI_API Widget AddVButtonPanelB(Widget parent, const char *name, ButtonInfo *items, int count,
                                  ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int spacing);

/* ---- Menus ------------------------------------------------------------------------------- */

CVGUI_API Widget AddMenuBar(Widget parent, const char *name);
/* A pull-down pane opened by a new cascade entry showing label in parentMenu; stored through
 * paneOut when given. */
CVGUI_API Widget AddMenuPane(Widget parentMenu, Widget *paneOut, const char *label, const char *name,
                             int unused1, int unused2);
/* A managed push-button entry, or a toggle entry when toggle is true; label is its name too. */
CVGUI_API Widget AddMenuItem(Widget pane, const char *label, const char *name, Boolean toggle,
                             XtCallbackProc callback, XtPointer clientData);

/* An option menu (unmanaged) "<name>_o" showing label (AddOptionMenu: "" when NULL; the cascade
 * form sets none when NULL) whose pull-down pane "<name>" (default "optPane") holds one push
 * button entry per record, in order; an entry's widget name is the record's name. The first
 * record flagged isDefault is the initial choice. Resources staged before the call apply to
 * the option menu, not to the pane or the entries. The entries' handles go, in input order, into
 * an XtMalloc'ed array stored through handles (NULL for 0 records; the caller frees it with
 * XtFree), or are freed. Destroying the option menu destroys its pane.
 * AddOptionMenuCascade splits a long menu: with more than itemsPerPane + 4 records, each pane of
 * itemsPerPane entries ends in a cascade entry showing moreLabel (NULL: the catalogue's
 * "More...") that opens the next pane; a single left-over record joins the last pane. */
CVGUI_API Widget AddOptionMenu(Widget parent, const char *label, const char *name, ButtonPanelItem *items, int count,
                               int unused, Widget **handles);
CVGUI_API Widget AddOptionMenuCascade(Widget parent, const char *label, const char *name, ButtonPanelItem *items,
                                      int count, int itemsPerPane, const char *moreLabel, Widget **handles);

/* ---- Shell preparation, close protocol, widget help -------------------------------------- */

CVGUI_API void setupGUIShell(Widget w);
CVGUI_API void registerCloseCB(Widget shell, XtCallbackProc proc, XtPointer clientData);
CVGUI_API void registerCloseDoNothing(Widget shell);
CVGUI_API void SetWidgetHelpCallback(XtCallbackProc proc);
CVGUI_API XtCallbackProc GetWidgetHelpCallback(void);
CVGUI_API void WlibRegisterHelp(Widget w);
CVGUI_API char *getWidgetName(Widget w);
CVGUI_API char *getWidgetClass(Widget w);

/* ---- Text fields and labelled edits ------------------------------------------------------ */

/* Text builders; each returns the text unmanaged, editable ones with the edit background. */
CVGUI_API Widget AddText(Widget parent, const char *name);
CVGUI_API Widget AddTEdit(Widget parent, const char *name);
/* A multi-line scrolled text; returns the text, not its scrolled window. */
CVGUI_API Widget AddSEdit(Widget parent, const char *name);

/* The editable-colour rule: the first text field built fixes the normal background and the edit
 * background (Motif's select colour of it); editable fields show the edit background and take
 * the keyboard focus, read-only fields show the normal one and are skipped by traversal. */
CVGUI_API void InitBG(Widget text);
CVGUI_API void SetTextRW(Widget text);
CVGUI_API void SetTextRO(Widget text);
CVGUI_API void setEditable(Widget text, Boolean editable);

/* A managed form holding a label "title" above a text "text"; returns the text. */
CVGUI_API Widget AddLText(Widget parent, const char *name, const char *label);
CVGUI_API Widget AddLSText(Widget parent, const char *name, const char *label);

/* One-line editable fields ("mEditText"), managed; columns and maxLength 0 leave Motif's own. */
CVGUI_API Widget addMEdit(Widget parent, const char *value, int columns, int maxLength);
/* A label "labelELabel" and a field as two panes of a paned window; returns the field. */
CVGUI_API Widget addLabeledEdit(Widget parent, const char *label, const char *value, int columns,
                                int maxLength);
/* A form "1LineEform": label, then a field of columns columns (columns < 1: to the right edge). */
CVGUI_API Widget add1LineLabelEdit(Widget parent, const char *label, const char *value, int columns);
/* A form "1LineEsForm" with two label/field pairs in one row; the fields go to text1/text2. */
CVGUI_API void add1LineLabelEdits(Widget parent, const char *label1, const char *value1, int columns1,
                                  Widget *text1, const char *label2, const char *value2, int columns2,
                                  Widget *text2);

/* Sets a label's text unless it already shows that text. */
CVGUI_API void setLabel(Widget w, const char *text);
/* Managed push buttons (toggle buttons, set by isDefault) from button records; the XtMalloc'ed
 * array of widgets goes to handles when given, else it is freed. */
CVGUI_API void addPushButtons(Widget parent, ButtonInfo *items, int count, ButtonLabelProc labelProc,
                              XtPointer labelArg, Widget **handles);
CVGUI_API void addToggleButtons(Widget parent, ButtonInfo *items, int count, ButtonLabelProc labelProc,
                                XtPointer labelArg, Widget **handles);

/* One row of a label/edit form. */
typedef struct {
    int id;              /* handed to the label function */
    const char *label;   /* NULL shows an empty label */
    const char *value;   /* NULL shows an empty field */
    unsigned short columns; /* 0: Motif's default width */
    Boolean editable;
} label_edit_info;

/* Gives the label to show for a row: (label argument, row id, row label) -> label. */
typedef const char *(*LabelEditLabelProc)(XtPointer labelArg, int id, const char *label);

typedef struct {
    int count;
    label_edit_info *rows;
    Widget **values;  /* receives an XtMalloc'ed array of the value fields, or NULL */
    LabelEditLabelProc labelProc;
    XtPointer labelArg; /* the label function is used only when this is non-NULL too */
} label_edit_form;

/* A managed form of rows: right-aligned labels of one common width, value fields beside them.
 * labelGap 0 means 5 pixels; rowSpacing is added between rows. Row labels are rewritten in place
 * when the label function is applied. */
CVGUI_API Widget CreateLabelEditForm(Widget parent, label_edit_form *form);
CVGUI_API Widget CreateLabelEditForm2(Widget parent, label_edit_form *form, Dimension labelGap,
                                      Dimension rowSpacing);

/* ---- Lists ------------------------------------------------------------------------------- */

/* Positions are Motif's: 1 is the first item, 0 the last (for insertion: append). */

/* An XmList "cmd", unmanaged, with the items (copied by Motif) when items is non-NULL and
 * count above 0. AddSList makes it inside a scrolled window (scroll bars as needed) and returns
 * the list, not the scrolled window. */
CVGUI_API Widget AddList(Widget parent, const char *name, XmString *items, int count);
CVGUI_API Widget AddSList(Widget parent, const char *name, XmString *items, int count);
/* Stages the library's list look for the next builder: sensitive, XmRESIZE_IF_POSSIBLE, the
 * selection policy, visibleCount rows (when above 0), scroll bars as needed. Creates nothing. */
CVGUI_API void setupList(int visibleCount, unsigned char selectionPolicy);
/* Scrolls to the top, deselects and deletes every item; a NULL list is left alone. */
CVGUI_API void clearList(Widget list);
/* The item count; through items (when non-NULL) the list's own item table, not to be freed. */
CVGUI_API int getListItems(Widget list, XmString **items);
/* The selected count; through items (when non-NULL) the list's own table of selected items. */
CVGUI_API int getSelected(Widget list, XmString **items);
/* The position of the first item equal to item (XmStringCompare), 0 when there is none. */
CVGUI_API int getListItemPosition(Widget list, XmString item);
/* Scrolls so that position shows in the middle row: near the top the list shows its top, near
 * the end (and for 0) its end. */
CVGUI_API void CVxmListSetCenterPos(Widget list, int position);
/* CVxmListSetCenterPos, then selects position (calling the selection callbacks when notify). */
CVGUI_API void makeCenterOfScreen(Widget list, int position, Boolean notify);
/* XmListReplaceItems, keeping the selection by position: the items at the positions selected
 * before are selected after, whatever their new text. */
CVGUI_API void replaceItems(Widget list, XmString *oldItems, int count, XmString *newItems);

/* Compares an existing item's text with a new one like strcmp. */
typedef int (*CVxmListCompareProc)(const char *existing, const char *text, XtPointer clientData);
/* Inserts an item unselected where compare keeps the list sorted (binary search). Give exactly
 * one of item and text; the other form is made and freed here. An item equal to an existing one
 * goes in front of it. Returns the position used (count + 1 when appended), -1 when both or
 * neither of item and text were given (the list is unchanged). */
CVGUI_API int CVxmListAddItemSorted(Widget list, XmString item, char *text, CVxmListCompareProc compare,
                                    XtPointer clientData);
/* The same with a two-argument comparison such as strcmp. */
CVGUI_API int addItemSorted(Widget list, XmString item, char *text, int (*compare)(const char *, const char *));

/* A labelled scrolled text (AddLSText, the form "labeledScrolledText") showing value, editable
 * with the edit look and managed; rows, columns and maxLength apply when above 0. Returns the
 * text. */
CVGUI_API Widget addLSEdit(Widget parent, char *value, const char *label, int columns, int maxLength, int rows);

/* A managed form "syncTitleForm" holding a label "syncTitleLabel" showing title above a frame
 * "syncTitleFrame" around a managed scrolled list "syncTitleList" (setupList look, visibleCount
 * rows, selectionPolicy); both in fontList. The title moves sideways with the list's horizontal
 * scroll bar, so column headings stay over their columns, and returns to the left when the
 * scroll bar goes away. With titleWidth above 0 the form is as wide as that many letters "X"
 * (at most 1023). The list and the label go to listOut and titleOut when given. */
CVGUI_API Widget AddMSyncTitleAndListWithFont(Widget parent, char *title, int titleWidth, int visibleCount,
                                              unsigned char selectionPolicy, Widget *titleOut, Widget *listOut,
                                              XmFontList fontList, XmStringCharSet charset);

/* AddMSyncTitleAndListWithFont in the constant-width font list (see the fonts below) of
 * fontWidget, the application shell. */
CVGUI_API Widget AddMSyncTitleAndList(Widget fontWidget, Widget parent, char *title, int titleWidth, int visibleCount,
                                      unsigned char selectionPolicy, Widget *titleOut, Widget *listOut);

/* ---- Compound-string tables -------------------------------------------------------------- */

/* An XtMalloc'ed table of count NULL entries; NULL for a count below 1. */
CVGUI_API XmString *CVxmStringTableCreate(int count);
/* A new table of copies; NULL (nothing left allocated) when an entry is NULL or count below 1. */
CVGUI_API XmString *CVxmStringTableCopy(int count, XmString *table);
/* Frees every non-NULL entry and the table; a NULL table is left alone. */
CVGUI_API void CVxmStringTableFree(int count, XmString *table);
/* The text of a compound string, one newline between segments; XtMalloc'ed (free with XtFree),
 * NULL for a string without segments. */
CVGUI_API char *CVxmgetCharStringFromXmString(XmString string);

/* ---- Message boxes and dialog shells ----------------------------------------------------- */

/* Message dialogs, unmanaged, with the catalogue's OK, Cancel and Help texts unless staged.
 * An error box shows only its OK button; every kind but the question reads "Close" on it.
 * With keep False, OK destroys the dialog. */
CVGUI_API Widget AddMessageBox(Widget parent, const char *name);
CVGUI_API Widget AddError(Widget parent, const char *name, const char *message, Boolean keep);
CVGUI_API Widget AddWarning(Widget parent, const char *name, const char *message, Boolean keep);
CVGUI_API Widget AddInform(Widget parent, const char *name, const char *message, Boolean keep);
CVGUI_API Widget AddQuestion(Widget parent, const char *name, const char *message, Boolean keep);
/* Relabels a message box's OK button "Close"; other widgets are left alone. */
CVGUI_API void changeOkToClose(Widget w);
CVGUI_API Widget AddDiagSh(Widget parent, const char *name);
/* A resizable top-level popup shell with the given window title. */
CVGUI_API Widget AddPopupDialog(Widget parent, const char *title, const char *name);
/* Where the window manager's frame around w's shell is on the screen; unchanged on failure. */
CVGUI_API void GetShellPosition(Widget w, Position *x, Position *y);

/* ---- Message, prompt and fatal-error dialogs --------------------------------------------- */

CVGUI_API extern int toldUser;     /* 1 once a fatal report has started */
CVGUI_API extern int tellUserModal; /* non-zero (the default): the fatal dialog is application-modal */

/* A new managed dialog on toplevel titled "Error", "Information" or "Warning" with one "Close"
 * button that destroys it. Without a toplevel widget the text goes to standard error and NULL is
 * returned. Texts longer than 10239 characters are cut. */
CVGUI_API Widget Error(const char *format, ...) CVGUI_PRINTF(1, 2);
CVGUI_API Widget Warn(const char *format, ...) CVGUI_PRINTF(1, 2);
CVGUI_API Widget Inform(const char *format, ...) CVGUI_PRINTF(1, 2);
/* A question with OK (okLabel), a second answer and Cancel, Cancel the default; Cancel destroys
 * it. With a help volume, Help shows that topic; with none the Help button is removed. */
CVGUI_API void getUserChoice(const char *title, Widget parent, const char *message, const char *okLabel,
                             XtCallbackProc okProc, XtPointer okData, const char *choice2Label,
                             XtCallbackProc choice2Proc, XtPointer choice2Data, const char *helpVolume);
/* "Save", "Discard", "Cancel" for the named configuration. */
CVGUI_API void askToSaveOrClose(Widget parent, const char *configName, XtCallbackProc saveProc,
                                XtCallbackProc discardProc);
CVGUI_API void getUserOK(const char *title, Widget parent, const char *message, XtCallbackProc okProc,
                         XtPointer okData, const char *helpVolume);
/* Shows the text in an "Error Exit" dialog whose only button, "Close Application", calls exitProc
 * (when given) with 1 and exits with status 1; runs the application's loop until then. Without a
 * usable shell the text goes to standard error and the process exits with status 1 at once. */
CVGUI_API void tellUserThenExit(void (*exitProc)(int), Widget shell, const char *format, ...) CVGUI_NORETURN
    CVGUI_PRINTF(3, 4);
/* "INTERNAL ERROR at: file:line." through tellUserThenExit, with extra text when given. */
CVGUI_API void x_internal_error_str(void (*exitProc)(int), Widget shell, const char *extra, const char *file,
                                    int line) CVGUI_NORETURN;

/* Stages the cascade position, title and modeless look of a new dialog shell in widgetArgs. */
CVGUI_API void setupDiagSh(const char *title);
CVGUI_API void setMwmModal(Widget shell, Boolean modal);
/* Minimum size of a shell; with useCurrentSize its present (realized) size. */
CVGUI_API void SetMinSizeOfDiagSh(Widget shell, Boolean useCurrentSize, int minWidth, int minHeight);
/* Resize handles and maximize button, no minimize. */
CVGUI_API void AllowResizeOfDiagSh(Widget shell);

/* Help button callback: shows the help volume topic given as client data. */
CVGUI_API void help_CB(Widget w, XtPointer clientData, XtPointer callData);
CVGUI_API void killAllHelpScreens(void);
#ifdef __cplusplus
CVGUI_API int cleanUpHelpChild(...); /* takes any arguments, does nothing, returns 0 */
#else
CVGUI_API int cleanUpHelpChild();
#endif

/* ---- Application start-up and resources -------------------------------------------------- */

/* Call once before opening the display: locale, executable and context help set-up; returns the
 * program name. */
CVGUI_API const char *_CVsetupGUIExecutable(int argc, char **argv);
/* Fills base from the X resource database of the toplevel's display (app-defaults,
 * RESOURCE_MANAGER, -xrm) under "appName.resource", with each resource's default and Xt's
 * converters. The first non-NULL appName is remembered and used when appName is NULL or "";
 * "CVw" when that is unusable too. */
CVGUI_API void _CVGetApplicationResources(const char *appName, Widget w, XtPointer base,
                                          XtResourceList resources, Cardinal numResources, ...);
#ifdef __cplusplus
CVGUI_API void validateResourceFileRevision(...); /* takes any arguments, does nothing */
#else
CVGUI_API void validateResourceFileRevision();
#endif
CVGUI_API void initIcon(Widget shell, unsigned int width, unsigned int height, char *bits, char *iconName);
/* Appends four resources that hide a paned window's sashes to widgetArgs. */
CVGUI_API void setupPane(void);
CVGUI_API void TurnOffSashTraversal(Widget paned);
CVGUI_API void setSensitive(Widget w, Boolean sensitive);
CVGUI_API void mapRaiseWindow(Widget w);

/* ---- Constant-width fonts ---------------------------------------------------------------- */

/* Tables and lists of the tools use one constant-width font, found once per process: the first
 * of the widget's own "<name>.cwFont" resource and the text widgets' "XmText*fontList" that names
 * a constant-width font (XLFD SPACING m or c, or an alias without dashes), else the application
 * resource "cwFont" (class "CWFont", default
 * "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*"); with the application resource
 * "complainOnMissingCharsets" True, charsets of the locale that the font lacks are reported.
 * A name with other than 14 dashes is reported (catalogue text 2) and passed over; a "cwFont"
 * that gives no font set at all ends the tool with a report (text 9). */

/* "-*-*-*-*-*-*-*-*-*-*-*-*-*-*": matches every XLFD name. */
CVGUI_API extern char *allFonts;
/* The value of a fully qualified resource name and class in w's display database, or NULL;
 * the database's own string, not to be freed. */
CVGUI_API char *getFontNameFromResource(Widget w, char *name, char *className);
/* Writes the XLFD name of a loaded font, rebuilt from its properties ("*" for a missing one,
 * ADD_STYLE_NAME always empty), into buf; 0, or -1 when buf is too small (nothing is written
 * past bufSize). */
CVGUI_API int generateFontName(Display *display, XFontStruct *font, char *buf, int bufSize);
/* Writes the names of a font set's fonts, separated by commas, into buf; "..." ends the text
 * where fewer than 100 bytes would be left. Nothing is written into fewer than 4 bytes. Returns
 * the characters written. */
CVGUI_API int sprintFontNameFromFontSet(XFontSet fontSet, char *buf, int bufSize);
/* Writes the font names of a font list into buf: with a NULL tag every entry as "name=tag ",
 * with "" the first entry's name, with another tag the name of the first entry carrying it
 * (none: "Could not find tag ..." is left in buf and 0 returned). Returns the characters
 * written. */
CVGUI_API int sprintFontNameFromFontList(Display *display, XmFontList fontList, char *tag, char *buf, int bufSize);

/* ---- Colour allocation and busy cursor --------------------------------------------------- */

/* Cells that can be allocated read/write in the default colormap (0..256). */
CVGUI_API int numFreeColorCells(Display *display);
CVGUI_API int getMaxFreeColorCells(void);
/* The smallest closest-colour distance that was rejected for exceeding its limit. */
CVGUI_API unsigned int getSmallestDist(void);
/* Shares the nearest existing colour within maxDistance (Euclidean, 16-bit RGB), else allocates
 * the colour itself; color receives the cell. */
CVGUI_API Status allocClosestColor(Display *display, Colormap colormap, XColor *color,
                                   unsigned int maxDistance);
CVGUI_API void cleanupClosestColor(void);

CVGUI_API Boolean cursorIsBusy(void);
CVGUI_API void SetBusyCursor(Widget w, Boolean busy);
/* Registers the shell of w (once) for the busy cursor; destroyed shells leave the list. */
CVGUI_API void addWindowToBusyList(Widget w);
CVGUI_API void removeWindowFromBusyList(Widget w);
/* Shows the hourglass (or the normal cursor) on every registered shell. */
CVGUI_API void setCursorForWaiting(Boolean busy);

/* ---- Help integration -------------------------------------------------------------------- */

/* The client data of cvwContextSensitiveHelpCB: a help kind of the map session and its target. */
typedef struct {
    int helpType;
    char *link;
} HelpLink;

/* A managed "Close" entry. */
CVGUI_API Widget AddMCloseMenuPB(Widget menu, XtCallbackProc proc, XtPointer clientData);
/* The standard Help menu entries for the help volume "zbr:" + helpBase. */
CVGUI_API void addHelpMenuItems(Widget menu, char *helpBase, char *appTitle, int helpType, char *helpTarget,
                                XtCallbackProc aboutProc);
/* Lets the user pick a widget with the question-arrow cursor and calls the nearest help callback. */
CVGUI_API void WlibOnItemHelp(Widget w);
CVGUI_API void cvwContextSensitiveHelpCB(Widget w, XtPointer clientData, XtPointer callData);

#ifdef __cplusplus
}
#endif

#endif /* CVGUI_H */
