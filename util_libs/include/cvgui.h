/** @file
 * cvgui.h - the Motif half of the cvgui library (libcvgui.so).
 *
 * One-call builders share one staged argument list: stage resources in widgetArgs at index
 * widgetArgCnt (the XtSetArg idiom), call a builder, and the builder appends its own resources
 * behind yours (its values win), creates the widget and leaves widgetArgCnt at 0.
 * Names follow GetNam: the name you pass, or the builder's default name when it is null or "".
 * The reference pages (man cvgui_builders, ...) are made from the comments below.
 */
#ifndef CVGUI_H
#define CVGUI_H

#include <Xm/Xm.h>
#include <stdio.h>

#include "cvLabelEditInfo.h"

#include "cvguiVersion.h"

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

/**
 * @defgroup cvgui_builders Builder core and simple widgets
 * The staged argument list, the naming rule, compound strings and the one-call builders.
 *
 * Every builder takes the parent first and a name: the name given, or the builder's default
 * name when it is NULL or "" (GetNam). It appends its own resources behind those staged in
 * widgetArgs (its values win), creates the widget with all of them, leaves widgetArgCnt at 0
 * and returns the widget unmanaged; the builders with an M after "Add" (AddMLabel, AddMPButton)
 * return it managed, those ending in D (AddBBoardD) make the dialog form inside a dialog shell
 * prepared with setupGUIShell. Most builders register the widget for context help
 * (WlibRegisterHelp). A label given to AddLabel, AddMTButton or AddAButton is applied only while
 * the widget still shows its own name: a label from the resource database wins.
 *
 * @par Example
 * @code
 * XtSetArg(widgetArgs[widgetArgCnt], XmNshadowThickness, 2), widgetArgCnt++;
 * Widget frame = AddFrame(form, "viewFrame", 1);          // XmSHADOW_IN
 * Widget radio = AddRadioBox(frame, NULL);                // named "radioBox"
 * AddMTButton(radio, "Map", "map", True, toggled, NULL);  // managed toggle, set
 * AddMTButton(radio, "Events", "events", False, toggled, NULL);
 * XtManageChild(radio);
 * XtManageChild(frame);
 * @endcode
 * @{
 */

#define CVGUI_WIDGET_ARGS 50 /**< capacity of widgetArgs */

CVGUI_API extern Widget toplevel;           /**< the application's top-level shell, set by the tool */
CVGUI_API extern Arg widgetArgs[CVGUI_WIDGET_ARGS]; /**< resources staged for the next builder */
CVGUI_API extern Cardinal widgetArgCnt;     /**< how many are staged; 0 after every builder */
CVGUI_API extern char *_nptr;               /**< the name resolved by the last GetNam */

/** One button of a panel (see convertButtonInfo). */
typedef struct {
    const char *label;
    const char *name;
    XtCallbackProc callback;
    XtPointer clientData;
    Boolean isDefault;
} ButtonPanelItem;

/** One button of a panel, menu or dialog, with a key for its label function. */
typedef struct {
    int key; /**< handed to the label function, e.g. a catalogue number */
    const char *label;
    const char *name;
    XtCallbackProc callback;
    XtPointer clientData;
    Boolean isDefault;
} ButtonInfo;

/** Gives the text to show for a button: (label argument, key, label) -> label. */
typedef const char *(*ButtonLabelProc)(XtPointer labelArg, int key, const char *label);

/**
 * The naming rule of every builder.
 * @param name         the caller's name, used when not NULL and not ""
 * @param defaultName  the builder's default name, used otherwise
 * @param counter      the builder's counter (unused: names are not numbered)
 * @return the resolved name, also left in _nptr; it stays valid until the next call
 */
CVGUI_API char *GetNam(const char *name, const char *defaultName, int *counter);
/**
 * A compound string of text; a newline starts a new line.
 * @frees the caller, with XmStringFree
 */
CVGUI_API XmString GetString(const char *text);
/** Returns table unchanged (kept for tools that call it). */
CVGUI_API XmString *BuildStringTable(XmString *table);
/** Does nothing (kept for tools that call it). */
CVGUI_API void FreeStringTable(XmString *table);

/**
 * An Xt callback that unmanages and destroys the widget given as client data; registered as
 * the OK or Cancel callback of a dialog with the dialog itself, it makes the button remove it.
 */
CVGUI_API void DropWidget(Widget w, XtPointer clientData, XtPointer callData);

/**
 * Button panel records from button descriptions.
 * @param in         count button descriptions
 * @param labelProc  when not NULL, gives each label from (labelArg, key, label)
 * @return a new array of count ButtonPanelItem records, in order
 * @frees the caller, with XtFree
 */
CVGUI_API ButtonPanelItem *convertButtonInfo(ButtonInfo *in, int count, ButtonLabelProc labelProc,
                                             XtPointer labelArg);

/**
 * An arrow button.
 * @param label     applied by the label rule
 * @param callback  when not NULL, the XmNactivateCallback with clientData
 * @creates XmCreateArrowButton; not registered for help
 * @defname "arrowButton"
 */
CVGUI_API Widget AddAButton(Widget parent, const char *label, const char *name,
                            XtCallbackProc callback, XtPointer clientData);
/** AddAButton, managed. @defname "arrowButton" */
CVGUI_API Widget AddMAButton(Widget parent, const char *label, const char *name,
                             XtCallbackProc callback, XtPointer clientData);
/** A bulletin board. @creates XmCreateBulletinBoard @defname "bboard" */
CVGUI_API Widget AddBBoard(Widget parent, const char *name);
/**
 * A bulletin board in a dialog shell.
 * @param title  the dialog title; the resolved name when NULL
 * @creates XmCreateBulletinBoardDialog, then setupGUIShell
 * @defname "bboardD"
 * @resources XmNdialogTitle
 */
CVGUI_API Widget AddBBoardD(Widget parent, const char *name, const char *title);
/** A form. @creates XmCreateForm @defname "form" */
CVGUI_API Widget AddMotifForm(Widget parent, const char *name);
/**
 * A form in a dialog shell.
 * @param title  the dialog title; the resolved name when NULL (no title when both are NULL)
 * @creates XmCreateFormDialog, then setupGUIShell
 * @defname "form_d"
 * @resources XmNdialogTitle
 */
CVGUI_API Widget AddMotifFormD(Widget parent, const char *name, const char *title);
/** A drawing area. @creates XmCreateDrawingArea @defname "draw" */
CVGUI_API Widget AddDraw(Widget parent, const char *name);
/**
 * A frame.
 * @param type  1: shadow in, 2: shadow out, anything else: the frame's own default
 * @creates XmCreateFrame
 * @defname "frame"
 * @resources XmNshadowType (types 1 and 2)
 */
CVGUI_API Widget AddFrame(Widget parent, const char *name, int type);
/**
 * A label.
 * @param label   applied by the label rule
 * @param unused  ignored
 * @creates XmCreateLabel
 * @defname "label"
 */
CVGUI_API Widget AddLabel(Widget parent, const char *name, const char *label, int unused);
/** AddLabel, managed. @defname "label" */
CVGUI_API Widget AddMLabel(Widget parent, const char *name, const char *label);
/**
 * A left-aligned label (unmanaged).
 * @defname "staticText"
 * @resources XmNalignment XmALIGNMENT_BEGINNING (wins over a staged one)
 */
CVGUI_API Widget AddSText(Widget parent, const char *name, const char *label);
/** A main window. @creates XmCreateMainWindow; not registered for help @defname "mainWindow" */
CVGUI_API Widget AddMWin(Widget parent, const char *name);
/**
 * A paned window.
 * @param hideSashes  True: no visible sashes, separators or spacing
 * @creates XmCreatePanedWindow
 * @defname "panedWindow"
 * @resources with hideSashes: XmNsashIndent 0, XmNsashHeight 1, XmNsashWidth 1,
 *            XmNsashShadowThickness 0, XmNseparatorOn False, XmNspacing 0
 */
CVGUI_API Widget AddVPane(Widget parent, const char *name, Boolean hideSashes);
/** A row-column. @creates XmCreateRowColumn @defname "rowCol" */
CVGUI_API Widget AddRowCol(Widget parent, const char *name);
/** A horizontal row-column. @defname "hRowCol" @resources XmNorientation XmHORIZONTAL */
CVGUI_API Widget AddHRowCol(Widget parent, const char *name);

#define CVGUI_BOX_HORIZONTAL 0x8000 /**< AddButtonBox: XmNorientation XmHORIZONTAL */
#define CVGUI_BOX_COLUMNS 0x4000    /**< AddButtonBox: XmPACK_COLUMN; bits 8..11 give XmNnumColumns */
#define CVGUI_BOX_NCOLUMNS(n) (((n)&0xF) << 8) /**< AddButtonBox: n columns (with CVGUI_BOX_COLUMNS) */
#define CVGUI_BOX_SPACING(n) ((n)&0xFF) /**< AddButtonBox: XmNspacing when non-zero */
/**
 * A row-column for buttons.
 * @param flags  bit-wise: CVGUI_BOX_HORIZONTAL, CVGUI_BOX_COLUMNS with CVGUI_BOX_NCOLUMNS(n),
 *               CVGUI_BOX_SPACING(pixels)
 * @defname "buttonBox"
 * @resources XmNorientation, XmNpacking, XmNnumColumns, XmNspacing as the flags say
 */
CVGUI_API Widget AddButtonBox(Widget parent, const char *name, int flags);
/** A radio box. @creates XmCreateRadioBox @defname "radioBox" */
CVGUI_API Widget AddRadioBox(Widget parent, const char *name);
/** A scroll bar. @creates XmCreateScrollBar @defname "scrollBar" */
CVGUI_API Widget AddSBar(Widget parent, const char *name);
/** A scrolled window. @creates XmCreateScrolledWindow @defname "scrolledWindow" */
CVGUI_API Widget AddSWin(Widget parent, const char *name);
/**
 * A managed toggle button.
 * @param label     applied by the label rule
 * @param set       its initial state
 * @param callback  when not NULL, the XmNvalueChangedCallback with clientData
 * @creates XmCreateToggleButton
 * @defname "tbutton"
 * @resources XmNset
 */
CVGUI_API Widget AddMTButton(Widget parent, const char *label, const char *name, Boolean set,
                             XtCallbackProc callback, XtPointer clientData);
/** The same as AddMTButton (no gadget is made). @defname "tbutton" */
CVGUI_API Widget AddMTButtonG(Widget parent, const char *label, const char *name, Boolean set,
                              XtCallbackProc callback, XtPointer clientData);

/**
 * A push-button menu entry, unmanaged. Each entry carries a command number from a counter that
 * runs 2000..2099 and wraps, with the command identifier number + 1024 (3024..3123).
 * @param label     the entry's text; the resolved name when NULL or ""
 * @param callback  when not NULL, the XmNactivateCallback with clientData
 * @creates an XmPushButton
 * @defname "button"
 */
CVGUI_API Widget AddPButton(Widget parent, const char *label, const char *name,
                            XtCallbackProc callback, XtPointer clientData);
/** AddPButton, managed. @defname "button" */
CVGUI_API Widget AddMPButton(Widget parent, const char *label, const char *name,
                             XtCallbackProc callback, XtPointer clientData);
/**
 * A managed cascade button opening submenu; it shows the resolved name (pass the text to show
 * as the name).
 * @param label   ignored
 * @param unused  ignored
 * @defname "cbutton"
 */
CVGUI_API Widget AddMCButton(Widget parent, const char *label, const char *name, Widget submenu,
                             int unused);
/** A menu separator. @defname "separator" */
CVGUI_API Widget AddSeparator(Widget parent, const char *name);
/** The command identifier of an entry made by AddPButton/AddMPButton, 0 for any other widget. */
CVGUI_API int CVmenuEntryCommandId(Widget entry);
/** The live entry that holds a command identifier (3024..3123), or NULL. */
CVGUI_API Widget CVmenuEntryForCommandId(int commandId);
/** @} */

/**
 * @defgroup cvgui_panels Button panels
 * A row or column of push buttons on a form, laid out in one call, with one of them optionally
 * the default button of the panel and of the dialog around it.
 *
 * Every panel is a managed form holding one managed push button (AddPButton) per record, in
 * order. Resources staged before the call apply to the form (its attachments in the caller's
 * form, for instance). The buttons' handles go, in input order, into an XtMalloc'ed array stored
 * through handles; with handles NULL the array is freed. A record flagged isDefault becomes the
 * XmNdefaultButton of the form and, when the parent is a bulletin board or a direct subclass of
 * one (form, message box, selection box), of the parent too: Return in the dialog presses it.
 * With several flagged, the last one wins. A count of 0 gives an empty form.
 *
 * The basic panels spread equal buttons over the whole panel by form positions; the A panels
 * do the same with a unit of their own and full-depth buttons; the B panels chain buttons of
 * their natural size one after another at a fixed gap. The A and B panels take ButtonInfo
 * records and rewrite their labels in the caller's array through the label function.
 *
 * @par Example
 * @code
 * ButtonPanelItem items[] = {{"OK", "ok", okCB, NULL, True}, {"Cancel", "cancel", cancelCB, NULL, False}};
 * XtSetArg(widgetArgs[widgetArgCnt], XmNbottomAttachment, XmATTACH_FORM), widgetArgCnt++;
 * Widget *buttons;
 * AddButtonPanel(dialogForm, NULL, items, 2, &buttons);  // "OK" is the dialog's default
 * XtFree((char *)buttons);
 * @endcode
 * @{
 */

/**
 * Equal buttons in one row.
 * @param items    count records (ButtonPanelItem)
 * @param handles  when not NULL, receives the XtMalloc'ed array of the buttons
 * @return the form, managed
 * @creates an XmForm (AddMotifForm) and one XmPushButton per record (AddPButton)
 * @defname "buttonPanel"
 * @resources XmNfractionBase 3 x count + 1; button i: XmATTACH_POSITION on all sides, left
 *            3i + 1, right 3i + 3, top 1, bottom 3 x count
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API Widget AddButtonPanel(Widget parent, const char *name, ButtonPanelItem *items, int count,
                                Widget **handles);
/**
 * Equal buttons in one column.
 * @defname "vButtonPanel"
 * @resources XmNfractionBase 3 x count + 1; button i: top 3i + 1, bottom 3i + 3, left 1,
 *            right 3 x count
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API Widget AddVButtonPanel(Widget parent, const char *name, ButtonPanelItem *items, int count,
                                 Widget **handles);
/**
 * Buttons in one row, each unit positions wide and as high as the panel.
 * @param labelProc  when not NULL, each record's label is replaced, in the caller's array, by
 *                   labelProc(labelArg, key, label) before the buttons are made
 * @param unit       above 0: the unit for this and later calls; 0 (or less): the unit kept
 *                   from before (initially 3)
 * @defname "buttonPanel"
 * @resources XmNfractionBase unit x count + 1; button i: top and bottom XmATTACH_FORM, left
 *            position i x unit + 1, right position (i + 1) x unit
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API Widget AddButtonPanelA(Widget parent, const char *name, ButtonInfo *items, int count,
                                 ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int unit);
/**
 * Buttons in one column, each unit positions high and as wide as the panel; its unit is kept
 * apart from AddButtonPanelA's.
 * @defname "vButtonPanel"
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API Widget AddVButtonPanelA(Widget parent, const char *name, ButtonInfo *items, int count,
                                  ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int unit);
/**
 * Buttons of their natural width chained along a row, spacing pixels apart, as high as the
 * panel; no fraction base.
 * @param spacing  the gap between two buttons
 * @defname "buttonPanel"
 * @resources first button XmNleftAttachment XmATTACH_FORM; the others XmATTACH_WIDGET to the
 *            one before with XmNleftOffset spacing; XmNrightAttachment XmATTACH_NONE
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API Widget AddButtonPanelB(Widget parent, const char *name, ButtonInfo *items, int count,
                                 ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int spacing);
/**
 * Buttons of their natural height chained down a column, spacing pixels apart, as wide as the
 * panel.
 * @defname "vButtonPanel"
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API Widget AddVButtonPanelB(Widget parent, const char *name, ButtonInfo *items, int count,
                                  ButtonLabelProc labelProc, XtPointer labelArg, Widget **handles, int spacing);
/** @} */

/**
 * @defgroup cvgui_menus Menus
 * Menu bars, pull-down panes and their entries, and option menus. Push-button entries are real
 * XmPushButtons with command numbers (see AddPButton in cvgui_builders); cascade entries show
 * their name.
 *
 * @par Example
 * @code
 * Widget bar = AddMenuBar(form, NULL);
 * Widget file = AddMenuPane(bar, NULL, "File", "filePane", 0, 0);
 * AddMenuItem(file, "Save Events", NULL, False, saveEvents, NULL);
 * AddSeparator(file, NULL);
 * AddMenuItem(file, "Quit", NULL, False, quit, NULL);
 * XtManageChild(bar);
 * @endcode
 * @{
 */

/** A menu bar, unmanaged. @creates XmCreateMenuBar @defname "mBar" */
CVGUI_API Widget AddMenuBar(Widget parent, const char *name);
/**
 * A pull-down pane opened by a new cascade entry showing label in parentMenu.
 * @param paneOut  when not NULL, receives the pane too
 * @param unused1, unused2  ignored
 * @return the pane
 * @creates XmCreatePulldownMenu and a cascade entry (AddMCButton) named after label
 * @defname "mPane"
 */
CVGUI_API Widget AddMenuPane(Widget parentMenu, Widget *paneOut, const char *label, const char *name,
                             int unused1, int unused2);
/**
 * A managed entry of a pane: a push button, or a toggle button when toggle is True.
 * @param label  the entry's text, and its name too
 * @param callback  the activate (or value-changed) callback, with clientData
 */
CVGUI_API Widget AddMenuItem(Widget pane, const char *label, const char *name, Boolean toggle,
                             XtCallbackProc callback, XtPointer clientData);
/**
 * An option menu: a label and a button that pops up a pane of choices.
 * @param label    the menu's label; "" when NULL
 * @param items    count records; the name is the entry's widget name, the label its text
 * @param unused   ignored
 * @param handles  when not NULL, receives the XtMalloc'ed array of the entries, in input order
 *                 (NULL for 0 records)
 * @return the option menu, unmanaged
 * @creates XmCreatePulldownMenu named name, one push-button entry per record (AddPButton),
 *          XmCreateOptionMenu named name + "_o"
 * @defname "optPane" (the option menu "optPane_o")
 * @resources the caller's staged resources, all of them; XmNlabelString, XmNmenuHistory (the
 *            first record flagged isDefault), XmNsubMenuId
 * @frees the caller frees *handles with XtFree; destroying the option menu destroys its pane
 */
CVGUI_API Widget AddOptionMenu(Widget parent, const char *label, const char *name, ButtonPanelItem *items, int count,
                               int unused, Widget **handles);
/**
 * An option menu whose long list of choices is split into a chain of panes: with more than
 * itemsPerPane + 4 records, each pane of itemsPerPane entries ends in a cascade entry that
 * opens the next one (a single left-over record joins the last pane). Choosing an entry takes
 * the whole chain off the screen.
 * @param label      the menu's label; none is set when NULL
 * @param moreLabel  the text of the entries that open the next pane; NULL: "More..."
 * @catalogue MORE
 * @defname "optPane" (the option menu "optPane_o", the further panes "mPane")
 * @frees the caller frees *handles with XtFree; destroying the option menu destroys its panes
 */
CVGUI_API Widget AddOptionMenuCascade(Widget parent, const char *label, const char *name, ButtonPanelItem *items,
                                      int count, int itemsPerPane, const char *moreLabel, Widget **handles);
/** @} */

/**
 * @defgroup cvgui_shells Shell preparation, close protocol and widget help
 * What every shell made by a builder goes through (the Editres protocol handler and the
 * busy-cursor list), the window manager's close request, and context help on widgets.
 *
 * @par Example
 * @code
 * toplevel = XtAppInitialize(&app, "CVgraph", NULL, 0, &argc, argv, NULL, NULL, 0);
 * setupGUIShell(toplevel);
 * registerCloseCB(toplevel, askBeforeQuit, NULL);  // the window manager's Close asks first
 * registerCloseDoNothing(toplevel);                // and closes nothing by itself
 * @endcode
 * @{
 */

/** Prepares a shell (or the shell of w): the Editres handler, the busy-cursor list. */
CVGUI_API void setupGUIShell(Widget w);
/** Calls proc with clientData when the window manager asks the shell to close (WM_DELETE_WINDOW). */
CVGUI_API void registerCloseCB(Widget shell, XtCallbackProc proc, XtPointer clientData);
/** Makes the shell ignore the window manager's close request (XmNdeleteResponse XmDO_NOTHING). */
CVGUI_API void registerCloseDoNothing(Widget shell);
/** The help callback that WlibRegisterHelp gives widgets. */
CVGUI_API void SetWidgetHelpCallback(XtCallbackProc proc);
/** The help callback set with SetWidgetHelpCallback, or NULL. */
CVGUI_API XtCallbackProc GetWidgetHelpCallback(void);
/** Registers w for context help: its XmNhelpCallback calls the widget help callback. */
CVGUI_API void WlibRegisterHelp(Widget w);
/** The widget's name. */
CVGUI_API char *getWidgetName(Widget w);
/** The name of the widget's class. */
CVGUI_API char *getWidgetClass(Widget w);
/** @} */

/**
 * @defgroup cvgui_text Text fields and labelled edits
 * Text builders, the editable-colour rule, labelled fields, one-line edits, label/edit forms,
 * and rows of buttons from button records.
 *
 * The editable-colour rule: the first text field built fixes the normal background and the edit
 * background (Motif's select colour of it); editable fields show the edit background and take
 * the keyboard focus, read-only fields show the normal one and are skipped by traversal.
 *
 * @par Example
 * @code
 * label_edit_info rows[] = {
 *     {1, "Node:", "router1", 20, True},
 *     {2, "Address:", "10.1.2.3", 15, False},
 * };
 * Widget *fields = NULL;
 * label_edit_form form = {2, rows, &fields, NULL, NULL};
 * CreateLabelEditForm(parent, &form);       // managed; fields[0], fields[1] are the values
 * char *node = XmTextGetString(fields[0]);
 * XtFree(node);
 * XtFree((char *)fields);
 * @endcode
 * @{
 */

/** A text, unmanaged, with the colour rule applied. @creates XmCreateText @defname "text" */
CVGUI_API Widget AddText(Widget parent, const char *name);
/** A text for editing, unmanaged, with the colour rule applied. @creates XmCreateText @defname "textEdit" */
CVGUI_API Widget AddTEdit(Widget parent, const char *name);
/**
 * A multi-line scrolled text; returns the text, not its scrolled window.
 * @creates XmCreateScrolledText
 * @defname "scrolledEdit"
 * @resources XmNscrollBarDisplayPolicy XmAS_NEEDED, XmNscrollingPolicy XmAUTOMATIC,
 *            XmNeditMode XmMULTI_LINE_EDIT
 */
CVGUI_API Widget AddSEdit(Widget parent, const char *name);

/** Applies the colour rule to a text (the first call fixes the two backgrounds). */
CVGUI_API void InitBG(Widget text);
/** Makes a read-only text editable, with the edit background and keyboard traversal. */
CVGUI_API void SetTextRW(Widget text);
/** Makes an editable text read-only, with the normal background and no keyboard traversal. */
CVGUI_API void SetTextRO(Widget text);
/** SetTextRW or SetTextRO. */
CVGUI_API void setEditable(Widget text, Boolean editable);

/**
 * A managed form holding a label above an editable text; returns the text.
 * @creates form (the name given), label "title", text "text" (AddTEdit)
 * @defname "labeledText"
 */
CVGUI_API Widget AddLText(Widget parent, const char *name, const char *label);
/**
 * As AddLText with a scrolled multi-line text (AddSEdit); returns the text.
 * @defname "labeledScrolledText"
 */
CVGUI_API Widget AddLSText(Widget parent, const char *name, const char *label);

/**
 * A managed one-line editable field.
 * @param value      the text, when not NULL
 * @param columns    XmNcolumns when greater than 0
 * @param maxLength  XmNmaxLength when greater than 0
 * @defname "mEditText"
 * @resources XmNeditMode XmSINGLE_LINE_EDIT
 */
CVGUI_API Widget addMEdit(Widget parent, const char *value, int columns, int maxLength);
/**
 * A label and a field (addMEdit) as two panes of a paned window; returns the field, which keeps
 * its height when the window is resized.
 * @creates label "labelELabel", field "mEditText"
 */
CVGUI_API Widget addLabeledEdit(Widget parent, const char *label, const char *value, int columns,
                                int maxLength);
/**
 * A managed form with a label and a field in one row; returns the field.
 * @param columns  the field's columns and maximum length; below 1 the field reaches the right edge
 * @creates form "1LineEform", label "1LineELabel", field "mEditText"
 */
CVGUI_API Widget add1LineLabelEdit(Widget parent, const char *label, const char *value, int columns);
/**
 * A managed form with two label/field pairs in one row.
 * @param text1, text2  receive the two fields
 * @creates form "1LineEsForm", labels "1LineEsLabel1" and "1LineEsLabel2", two "mEditText" fields
 */
CVGUI_API void add1LineLabelEdits(Widget parent, const char *label1, const char *value1, int columns1,
                                  Widget *text1, const char *label2, const char *value2, int columns2,
                                  Widget *text2);

/** Sets a label's text unless it already shows that text. */
CVGUI_API void setLabel(Widget w, const char *text);
/**
 * Managed push buttons (AddMPButton) from button records, in order.
 * @param labelProc  when not NULL, gives each label from (labelArg, key, label)
 * @param handles    when not NULL, receives the array of the buttons
 * @frees the caller frees *handles with XtFree
 */
CVGUI_API void addPushButtons(Widget parent, ButtonInfo *items, int count, ButtonLabelProc labelProc,
                              XtPointer labelArg, Widget **handles);
/** As addPushButtons, with toggle buttons (AddMTButton) set by each record's isDefault. */
CVGUI_API void addToggleButtons(Widget parent, ButtonInfo *items, int count, ButtonLabelProc labelProc,
                                XtPointer labelArg, Widget **handles);


/** Gives the label to show for a row: (label argument, row id, row label) -> label. */
typedef const char *(*LabelEditLabelProc)(XtPointer labelArg, int id, const char *label);

/** A label/edit form: its rows and where its value fields go. */
typedef struct {
    int count;
    label_edit_info *rows;
    Widget **values;  /**< receives an XtMalloc'ed array of the value fields, or NULL */
    LabelEditLabelProc labelProc;
    XtPointer labelArg; /**< the label function is used only when this is non-NULL too */
} label_edit_form;

/**
 * A managed form of rows: right-aligned labels of one common width, value fields beside them.
 * Row labels are rewritten in place when the label function is applied.
 * @creates a form (AddMotifForm), per row a label (AddMLabel) and a field (AddTEdit)
 * @defname "form", "label", "textEdit"
 * @frees the caller frees *form->values with XtFree
 */
CVGUI_API Widget CreateLabelEditForm(Widget parent, label_edit_form *form);
/**
 * CreateLabelEditForm with spacing.
 * @param labelGap    between label and field; 0 means 5 pixels
 * @param rowSpacing  added between rows
 */
CVGUI_API Widget CreateLabelEditForm2(Widget parent, label_edit_form *form, Dimension labelGap,
                                      Dimension rowSpacing);
/** @} */

/**
 * @defgroup cvgui_lists Lists and compound-string tables
 * Builders and helpers around XmList: the library's list look, queries, centring an item,
 * sorted insertion, replacing items without losing the selection, a title kept over the list's
 * columns, and tables of compound strings with their text.
 *
 * Positions are Motif's: 1 is the first item, 0 the last (for insertion: append). Tables read
 * from a list (getListItems, getSelected) belong to the list; every other table or text handed
 * out belongs to the caller.
 *
 * @par Example
 * @code
 * setupList(10, XmBROWSE_SELECT);
 * Widget list = AddSList(form, "nodes", NULL, 0);
 * addItemSorted(list, NULL, "router2", strcmp);
 * addItemSorted(list, NULL, "hub1", strcmp);        // before "router2"
 * makeCenterOfScreen(list, 2, True);                 // shown in the middle row, selected
 * XtManageChild(list);
 * @endcode
 * @{
 */

/**
 * A list.
 * @param items  copied by Motif when not NULL and count is above 0
 * @creates XmCreateList
 * @defname "cmd"
 * @resources XmNitemCount, XmNitems
 */
CVGUI_API Widget AddList(Widget parent, const char *name, XmString *items, int count);
/**
 * A list in a scrolled window; returns the list, not the scrolled window.
 * @creates XmCreateScrolledList
 * @defname "cmd"
 * @resources XmNitemCount, XmNitems, XmNscrollBarDisplayPolicy XmAS_NEEDED,
 *            XmNscrollingPolicy XmAUTOMATIC
 */
CVGUI_API Widget AddSList(Widget parent, const char *name, XmString *items, int count);
/**
 * Stages the library's list look for the next builder; creates nothing.
 * @resources XmNsensitive True, XmNlistSizePolicy XmRESIZE_IF_POSSIBLE, XmNselectionPolicy,
 *            XmNvisibleItemCount (when visibleCount is above 0), XmNscrollBarDisplayPolicy
 *            XmAS_NEEDED, XmNscrollingPolicy XmAUTOMATIC
 */
CVGUI_API void setupList(int visibleCount, unsigned char selectionPolicy);
/** Scrolls to the top, deselects and deletes every item; a NULL list is left alone. */
CVGUI_API void clearList(Widget list);
/** The item count; through items, when not NULL, the list's own table (not to be freed). */
CVGUI_API int getListItems(Widget list, XmString **items);
/** The selected count; through items, when not NULL, the list's own table (not to be freed). */
CVGUI_API int getSelected(Widget list, XmString **items);
/** The position of the first item equal to item (XmStringCompare), 0 when there is none. */
CVGUI_API int getListItemPosition(Widget list, XmString item);
/**
 * Scrolls so that position shows in the middle row; near the top the list shows its top, near
 * the end, for 0 and past the end it shows its end.
 */
CVGUI_API void CVxmListSetCenterPos(Widget list, int position);
/** CVxmListSetCenterPos, then selects position (with the selection callbacks when notify). */
CVGUI_API void makeCenterOfScreen(Widget list, int position, Boolean notify);
/**
 * XmListReplaceItems, keeping the selection by position: the positions selected before are
 * selected after, whatever their new text.
 */
CVGUI_API void replaceItems(Widget list, XmString *oldItems, int count, XmString *newItems);

/** Compares an existing item's text (first) with a new one, like strcmp. */
typedef int (*CVxmListCompareProc)(const char *existing, const char *text, XtPointer clientData);
/**
 * Inserts an item, unselected, where compare keeps the list sorted (binary search). An item
 * equal to an existing one goes in front of it, so duplicates are kept.
 * @param item  the item, or NULL when text is given
 * @param text  its text, or NULL when item is given; the other form is made and freed here
 * @return the position used (the old count + 1 when appended); -1, with the list unchanged,
 *         when both or neither of item and text are given
 */
CVGUI_API int CVxmListAddItemSorted(Widget list, XmString item, char *text, CVxmListCompareProc compare,
                                    XtPointer clientData);
/** CVxmListAddItemSorted with a two-argument comparison such as strcmp. */
CVGUI_API int addItemSorted(Widget list, XmString item, char *text, int (*compare)(const char *, const char *));

/**
 * A labelled scrolled text showing value, managed and editable with the edit look.
 * @param columns, maxLength, rows  applied when above 0
 * @return the text
 * @creates AddLSText (the form "labeledScrolledText")
 * @resources XmNvalue, XmNeditMode XmMULTI_LINE_EDIT, XmNrows, XmNcolumns, XmNmaxLength
 */
CVGUI_API Widget addLSEdit(Widget parent, char *value, const char *label, int columns, int maxLength, int rows);

/**
 * A list with a title kept over its columns: the title moves sideways with the list's
 * horizontal scroll bar and returns to the left edge when the scroll bar goes away.
 * @param titleWidth  above 0: the form is as wide as that many letters "X" of fontList (at most
 *                    1023)
 * @param titleOut, listOut  when not NULL, receive the title label and the list
 * @param fontList  the font of both; the toolkit's own when NULL
 * @return the form, managed
 * @creates AddMotifForm "syncTitleForm" holding AddMLabel "syncTitleLabel" above AddFrame
 *          "syncTitleFrame" around the managed AddSList "syncTitleList" (setupList look)
 */
CVGUI_API Widget AddMSyncTitleAndListWithFont(Widget parent, char *title, int titleWidth, int visibleCount,
                                              unsigned char selectionPolicy, Widget *titleOut, Widget *listOut,
                                              XmFontList fontList, XmStringCharSet charset);
/**
 * AddMSyncTitleAndListWithFont in the constant-width font (see cvgui_fonts) found for
 * fontWidget, the application shell.
 */
CVGUI_API Widget AddMSyncTitleAndList(Widget fontWidget, Widget parent, char *title, int titleWidth, int visibleCount,
                                      unsigned char selectionPolicy, Widget *titleOut, Widget *listOut);

/** An XtMalloc'ed table of count NULL entries; NULL for a count below 1. @frees CVxmStringTableFree */
CVGUI_API XmString *CVxmStringTableCreate(int count);
/**
 * A new table of copies of count entries; NULL, with nothing left allocated, when an entry is
 * NULL or count is below 1.
 * @frees CVxmStringTableFree
 */
CVGUI_API XmString *CVxmStringTableCopy(int count, XmString *table);
/** Frees every non-NULL entry and the table; a NULL table is left alone. */
CVGUI_API void CVxmStringTableFree(int count, XmString *table);
/**
 * The text of a compound string, one newline between two segments; NULL for a string without
 * segments.
 * @frees the caller frees the text with XtFree
 */
CVGUI_API char *CVxmgetCharStringFromXmString(XmString string);
/** @} */

/**
 * @defgroup cvgui_describe_event Describe Event
 * Everything known about one received trap or notification in a dialog of label/value rows with
 * the event's description below them: the rows of popupDescribeEventForKel (cvDescEvent.h), the
 * same on both halves.
 *
 * @par Example
 * @code
 * popupDescribeEvent(toplevel, &trap, ".1.3.6.1.4.1.8072.4.0.3", True, received, objectId,
 *                    ackBy, uuid);
 * @endcode
 * @{
 */

struct trap_record;
/**
 * A new top-level dialog titled "Describe Event" and the event's name, with the event's rows as
 * a read-only label/edit form, the description in a scrolled read-only text, Close and Help.
 * The arguments are those of popupDescribeEventForKel; an identifier the MIB library cannot read
 * gives a warning (Warn) and no dialog. Nothing of the caller's data is kept.
 * @param parent  the shell's parent; NULL for toplevel
 * @creates AddPopupDialog "describeEvent", form "describeEventForm", CreateLabelEditForm,
 *          label "descriptionLabel", AddSEdit "description", AddButtonBox "describeEventButtons"
 *          with AddMPButton "close" (destroys the dialog, as the window manager's close does) and
 *          "help" (help_CB on "zbr:EvnDescEvent.dbx")
 * @catalogue EVD_DESCRIPTION_LABEL, CLOSE, HELP and those of popupDescribeEventForKel
 * @frees the dialog frees itself when closed; while it lives it is on the busy-cursor list
 */
CVGUI_API void popupDescribeEvent(Widget parent, struct trap_record *trap, const char *eventType,
                                  Boolean showReceived, const char *receivedType, unsigned int objectId,
                                  const char *ackBy, const char *uuid);
/** @} */

/**
 * @defgroup cvgui_message_boxes Message boxes and dialog shells
 * Motif message dialogs with the library's button texts, dialog and popup shells, and where the
 * window manager put a shell.
 *
 * The message boxes are unmanaged, prepared with setupGUIShell and registered for help. They
 * carry the catalogue's OK, Cancel and Help texts unless the caller staged its own
 * XmNokLabelString, XmNcancelLabelString or XmNhelpLabelString. An error box shows only its OK
 * button; every kind but the question reads "Close" on it. With keep False, OK destroys the
 * dialog (DropWidget).
 *
 * @par Catalogue texts:
 * OK (94, "OK"), CANCEL (93, "Cancel"), HELP (54, "Help"), CLOSE (1, "Close")
 *
 * @par Example
 * @code
 * Widget box = AddWarning(toplevel, NULL, "The map is read-only.", False);  // named "warn"
 * XtManageChild(box);   // Close destroys it
 * @endcode
 * @{
 */

/** A message dialog. @creates XmCreateMessageDialog @defname "messagebox" */
CVGUI_API Widget AddMessageBox(Widget parent, const char *name);
/**
 * An error dialog: only its OK button, reading "Close".
 * @param message  the text; a newline starts a new line
 * @param keep     False: OK destroys the dialog
 * @creates XmCreateErrorDialog
 * @defname "error"
 * @resources XmNmessageString, XmNokLabelString, XmNcancelLabelString, XmNhelpLabelString
 * @catalogue CLOSE, OK, CANCEL, HELP
 */
CVGUI_API Widget AddError(Widget parent, const char *name, const char *message, Boolean keep);
/** A warning dialog, OK reading "Close". @creates XmCreateWarningDialog @defname "warn" @catalogue CLOSE, OK, CANCEL, HELP */
CVGUI_API Widget AddWarning(Widget parent, const char *name, const char *message, Boolean keep);
/** An information dialog, OK reading "Close". @creates XmCreateInformationDialog @defname "inform" @catalogue CLOSE, OK, CANCEL, HELP */
CVGUI_API Widget AddInform(Widget parent, const char *name, const char *message, Boolean keep);
/** A question dialog. @creates XmCreateQuestionDialog @defname "question" @catalogue OK, CANCEL, HELP */
CVGUI_API Widget AddQuestion(Widget parent, const char *name, const char *message, Boolean keep);
/** Relabels a message box's OK button "Close"; other widgets are left alone. @catalogue CLOSE */
CVGUI_API void changeOkToClose(Widget w);
/** A dialog shell with the staged resources, prepared with setupGUIShell. @creates XmCreateDialogShell @defname "dialog" */
CVGUI_API Widget AddDiagSh(Widget parent, const char *name);
/**
 * A resizable top-level popup shell with the given window title, prepared with setupGUIShell.
 * @creates XtCreatePopupShell of topLevelShellWidgetClass
 * @defname "topDiag"
 * @resources XtNallowShellResize True, XtNtitle
 */
CVGUI_API Widget AddPopupDialog(Widget parent, const char *title, const char *name);
/** Where the window manager's frame around w's shell is on the screen; x and y unchanged on failure. */
CVGUI_API void GetShellPosition(Widget w, Position *x, Position *y);
/** @} */

/**
 * @defgroup cvgui_dialogs Message, prompt and fatal-error dialogs
 * Ready-made dialogs on toplevel: errors, warnings and information, questions answered through
 * callbacks, the save-or-discard question, and the fatal report that ends the process.
 *
 * @par Example
 * @code
 * Error("Cannot open %s: %s", path, strerror(errno));    // titled "Error", one "Close" button
 * getUserOK("Delete Node", toplevel, "Delete router1?", deleteNode, node, NULL);
 * tellUserThenExit(cleanUp, toplevel, "The map database is gone.");  // does not return
 * @endcode
 * @{
 */

CVGUI_API extern int toldUser;     /**< 1 once a fatal report has started */
CVGUI_API extern int tellUserModal; /**< non-zero (the default): the fatal dialog is application-modal */

/**
 * A new managed error dialog on toplevel with one "Close" button that destroys it.
 * @param format  printf-style; the text is cut at 10239 characters
 * @return the dialog; NULL, with the text on standard error, when there is no toplevel widget
 * @creates AddError on toplevel
 * @defname "Error"
 * @catalogue ERROR (47, "Error", the title), CLOSE
 */
CVGUI_API Widget Error(const char *format, ...) CVGUI_PRINTF(1, 2);
/** As Error, a warning. @defname "Warning" @catalogue WARNING (49, "Warning", the title), CLOSE */
CVGUI_API Widget Warn(const char *format, ...) CVGUI_PRINTF(1, 2);
/** As Error, information. @defname "Information" @catalogue INFORMATION (48, "Information", the title), CLOSE */
CVGUI_API Widget Inform(const char *format, ...) CVGUI_PRINTF(1, 2);
/**
 * A managed question with OK (okLabel), a second answer and Cancel, Cancel the default; Cancel
 * destroys it.
 * @param helpVolume  the help topic Help shows; NULL or "": no Help button
 * @creates AddQuestion with a second button "userChoiceButton2"
 * @defname "question"
 */
CVGUI_API void getUserChoice(const char *title, Widget parent, const char *message, const char *okLabel,
                             XtCallbackProc okProc, XtPointer okData, const char *choice2Label,
                             XtCallbackProc choice2Proc, XtPointer choice2Data, const char *helpVolume);
/**
 * The save-or-discard question for the named configuration: "Save", "Discard", "Cancel".
 * @param saveProc, discardProc  called by Save and Discard
 * @catalogue SAVE_OR_DISCARD (the question), SAVE_BEFORE_CLOSING (the title), SAVE, DISCARD
 */
CVGUI_API void askToSaveOrClose(Widget parent, const char *configName, XtCallbackProc saveProc,
                                XtCallbackProc discardProc);
/**
 * A managed question with OK (calling okProc with okData) and Cancel.
 * @param helpVolume  the help topic Help shows; NULL or "": no Help button
 * @defname "question"
 */
CVGUI_API void getUserOK(const char *title, Widget parent, const char *message, XtCallbackProc okProc,
                         XtPointer okData, const char *helpVolume);
/**
 * Shows the text in an "Error Exit" dialog whose only button, "Close Application", calls exitProc
 * (when given) with 1 and exits with status 1; runs the application's loop until then. Without a
 * usable shell the text goes to standard error and the process exits with status 1 at once.
 * @param format  printf-style
 * @catalogue ERROR_EXIT (the title), CLOSE_APPLICATION (the button)
 */
CVGUI_API void tellUserThenExit(void (*exitProc)(int), Widget shell, const char *format, ...) CVGUI_NORETURN
    CVGUI_PRINTF(3, 4);
/**
 * "INTERNAL ERROR at: file:line." through tellUserThenExit, with extra text when given.
 * @catalogue INTERNAL_ERROR
 */
CVGUI_API void x_internal_error_str(void (*exitProc)(int), Widget shell, const char *extra, const char *file,
                                    int line) CVGUI_NORETURN;

/** Stages the cascade position, title and modeless look of a new dialog shell in widgetArgs. */
CVGUI_API void setupDiagSh(const char *title);
/** Makes a dialog shell application-modal for the window manager, or modeless. */
CVGUI_API void setMwmModal(Widget shell, Boolean modal);
/** Minimum size of a shell; with useCurrentSize its present (realized) size. */
CVGUI_API void SetMinSizeOfDiagSh(Widget shell, Boolean useCurrentSize, int minWidth, int minHeight);
/** Resize handles and maximize button, no minimize. */
CVGUI_API void AllowResizeOfDiagSh(Widget shell);

/** Help button callback: shows the help volume topic given as client data. */
CVGUI_API void help_CB(Widget w, XtPointer clientData, XtPointer callData);
/** Closes the help windows the tool opened. */
CVGUI_API void killAllHelpScreens(void);
#ifdef __cplusplus
CVGUI_API int cleanUpHelpChild(...); /**< takes any arguments, does nothing, returns 0 */
#else
CVGUI_API int cleanUpHelpChild();
#endif
/** @} */

/**
 * @defgroup cvgui_startup Application start-up and resources
 * What a Motif tool calls before and after it opens its display: locale and program set-up,
 * application resources, the icon, paned-window sashes, sensitivity and raising.
 *
 * @par Example
 * @code
 * typedef struct { String title; int pollSeconds; } Settings;
 * static XtResource resources[] = {
 *     {"title", "Title", XtRString, sizeof(String), XtOffsetOf(Settings, title), XtRString, "Graph"},
 *     {"pollSeconds", "PollSeconds", XtRInt, sizeof(int), XtOffsetOf(Settings, pollSeconds), XtRString, "30"},
 * };
 * Settings settings;
 * _CVsetupGUIExecutable(argc, argv);
 * toplevel = XtAppInitialize(&app, "CVgraph", NULL, 0, &argc, argv, NULL, NULL, 0);
 * _CVGetApplicationResources("xzbgraph", toplevel, &settings, resources, XtNumber(resources));
 * @endcode
 * @{
 */

/**
 * Call once before opening the display: locale, executable and context help set-up.
 * @return the program name
 */
CVGUI_API const char *_CVsetupGUIExecutable(int argc, char **argv);
/** Fills base from the X resource database of the toplevel's display (app-defaults,
 * RESOURCE_MANAGER, -xrm) under "appName.resource", with each resource's default and Xt's
 * converters. The first non-NULL appName is remembered and used when appName is NULL or "";
 * "CVw" when that is unusable too. */
CVGUI_API void _CVGetApplicationResources(const char *appName, Widget w, XtPointer base,
                                          XtResourceList resources, Cardinal numResources, ...);
#ifdef __cplusplus
CVGUI_API void validateResourceFileRevision(...); /**< takes any arguments, does nothing */
#else
CVGUI_API void validateResourceFileRevision();
#endif
/** Gives the shell an icon from bitmap data and an icon name. */
CVGUI_API void initIcon(Widget shell, unsigned int width, unsigned int height, char *bits, char *iconName);
/**
 * Appends four resources that hide a paned window's sashes to widgetArgs.
 * @resources XmNsashHeight 0, XmNsashWidth 0, XmNsashShadowThickness 0, XmNsashIndent 0
 */
CVGUI_API void setupPane(void);
/** Takes the sashes of a paned window out of keyboard traversal. */
CVGUI_API void TurnOffSashTraversal(Widget paned);
/** XtSetSensitive when w is not NULL and its sensitivity differs. */
CVGUI_API void setSensitive(Widget w, Boolean sensitive);
/** Maps and raises a realized widget's window. */
CVGUI_API void mapRaiseWindow(Widget w);
/** @} */

/**
 * @defgroup cvgui_fonts Constant-width fonts
 * Tables and lists of the tools line up in one constant-width font set, found once per process
 * and kept: the first of the tool's own "<shell name>.cwFont" resource and the text widgets'
 * "XmText*fontList" that names a constant-width font (XLFD SPACING m or c, or an alias without
 * dashes such as "fixed"), else the application resource "cwFont" (class "CWFont", default
 * "-misc-fixed-medium-r-semicondensed--13-120-75-75-c-60-*-*"). A name without exactly 14 dashes
 * is reported and passed over; a "cwFont" that gives no font set ends the tool with a report.
 * With the application resource "complainOnMissingCharsets" True, charsets of the locale that
 * the font lacks are listed in a warning. The calls below name the fonts behind font sets and
 * font lists, for diagnostics.
 *
 * @par Catalogue texts:
 * FONT_BAD_DASHES, FONT_NO_FONT_SET, FONT_MISSING_CHARSETS, FONT_USING_DEFAULT, FONT_EMPTY_SET,
 * FONT_NO_TAG, FONT_LIST_CONTEXT_FAILED, FONT_ENTRY_NO_FONT and the other FONT texts
 *
 * @par Example
 * @code
 * // app-defaults or xrdb:   *cwFont: 9x15
 * Widget title, list;
 * AddMSyncTitleAndList(toplevel, form, "Node            Address", 40, 10, XmBROWSE_SELECT,
 *                      &title, &list);
 * @endcode
 * @{
 */

CVGUI_API extern char *allFonts; /**< "-*-*-*-*-*-*-*-*-*-*-*-*-*-*": matches every XLFD name */
/**
 * The value of a fully qualified resource name and class in the database of w's display.
 * @return the database's own string (not to be freed), "" for an empty value, NULL when unset
 */
CVGUI_API char *getFontNameFromResource(Widget w, char *name, char *className);
/**
 * Writes the XLFD name of a loaded font, rebuilt from its properties ("*" for one it lacks,
 * ADD_STYLE_NAME always empty).
 * @return 0; -1 when buf is too small (nothing is written past bufSize)
 */
CVGUI_API int generateFontName(Display *display, XFontStruct *font, char *buf, int bufSize);
/**
 * Writes the names of a font set's fonts, separated by commas; "..." ends the text where fewer
 * than 100 bytes would be left. Nothing is written into fewer than 4 bytes.
 * @return the characters written
 * @catalogue FONT_EMPTY_SET for a set without fonts
 */
CVGUI_API int sprintFontNameFromFontSet(XFontSet fontSet, char *buf, int bufSize);
/**
 * Writes the font names of a font list.
 * @param tag  NULL: every entry as "name=tag "; "": the first entry's name; another tag: the
 *             name of the first entry carrying it
 * @return the characters written; 0 when no entry has the tag (the FONT_NO_TAG text is left in
 *         buf)
 * @catalogue FONT_NO_TAG, FONT_LIST_CONTEXT_FAILED, FONT_ENTRY_NO_FONT
 */
CVGUI_API int sprintFontNameFromFontList(Display *display, XmFontList fontList, char *tag, char *buf, int bufSize);
/** @} */

/**
 * @defgroup cvgui_colours Colour allocation and busy cursor
 * Colours on a crowded colormap (share the nearest one rather than fail), and the hourglass on
 * every shell of the tool while it works.
 *
 * @par Example
 * @code
 * XColor red = {0, 65535, 0, 0};
 * if (allocClosestColor(XtDisplay(toplevel), DefaultColormapOfScreen(XtScreen(toplevel)), &red, 8000))
 *     XSetForeground(XtDisplay(toplevel), gc, red.pixel);
 * setCursorForWaiting(True);   // every shell made by the builders shows the hourglass
 * pollNodes();
 * setCursorForWaiting(False);
 * @endcode
 * @{
 */

/** Cells that can be allocated read/write in the default colormap (0..256). */
CVGUI_API int numFreeColorCells(Display *display);
/** numFreeColorCells of the toplevel's display. */
CVGUI_API int getMaxFreeColorCells(void);
/** The smallest closest-colour distance that was rejected for exceeding its limit. */
CVGUI_API unsigned int getSmallestDist(void);
/**
 * Shares the nearest existing colour within maxDistance (Euclidean, 16-bit RGB), else allocates
 * the colour itself.
 * @param color  the colour wanted; receives the cell
 * @return non-zero on success
 */
CVGUI_API Status allocClosestColor(Display *display, Colormap colormap, XColor *color,
                                   unsigned int maxDistance);
/** Forgets the colormap's colours read by allocClosestColor. */
CVGUI_API void cleanupClosestColor(void);

/** True while the busy cursor is shown. */
CVGUI_API Boolean cursorIsBusy(void);
/** The hourglass (or the normal cursor) on w's window. */
CVGUI_API void SetBusyCursor(Widget w, Boolean busy);
/** Registers the shell of w (once) for the busy cursor; destroyed shells leave the list. */
CVGUI_API void addWindowToBusyList(Widget w);
/** Takes the shell of w off the busy list. */
CVGUI_API void removeWindowFromBusyList(Widget w);
/** Shows the hourglass (or the normal cursor) on every registered shell. */
CVGUI_API void setCursorForWaiting(Boolean busy);
/** @} */

/**
 * @defgroup cvgui_help Help integration
 * The Help menu, the Close entry, on-item help and context help through the map session's help
 * display (CVW_HELP_VIEWER names the viewer; see docs/motif.md).
 *
 * @par Example
 * @code
 * Widget help = AddMenuPane(bar, NULL, "Help", "helpPane", 0, 0);
 * addHelpMenuItems(help, "grapher", "MIB Grapher", 16, "Plots MIB values.", showAbout);
 * XtVaSetValues(bar, XmNmenuHelpWidget, XtNameToWidget(bar, "Help"), NULL);
 * @endcode
 * @{
 */

/** The client data of cvwContextSensitiveHelpCB: a help kind of the map session and its target. */
typedef struct {
    int helpType; /**< 2 help file, 8 volume topic, 16 quick help, 32 help string, 64 manual page, 128 text file */
    char *link;   /**< the target handed to the help display */
} HelpLink;

/** A managed "Close" entry. @defname "closeMenuButton" @catalogue CLOSE */
CVGUI_API Widget AddMCloseMenuPB(Widget menu, XtCallbackProc proc, XtPointer clientData);
/**
 * The standard Help menu entries for the help volume "zbr:" + helpBase: Overview, On Window, On
 * Application (helpType and helpTarget), Tasks, What's New, Mouse and Keyboard, Using Help, and
 * About (calling aboutProc).
 * @catalogue HELP_OVERVIEW, HELP_ON_WINDOW, HELP_ON_APPLICATION, HELP_TASKS, HELP_WHATS_NEW,
 *            HELP_MOUSE_KEYBOARD, HELP_USING_HELP, HELP_ABOUT
 */
CVGUI_API void addHelpMenuItems(Widget menu, char *helpBase, char *appTitle, int helpType, char *helpTarget,
                                XtCallbackProc aboutProc);
/**
 * Lets the user pick a widget with the question-arrow cursor and calls the nearest help callback.
 * @catalogue NO_CONTEXT_HELP
 */
CVGUI_API void WlibOnItemHelp(Widget w);
/**
 * The widget help callback that _CVsetupGUIExecutable installs: shows the HelpLink given as
 * client data.
 * @catalogue CONTEXT_HELP_FAILED, HELP_KIND_FAILED
 */
CVGUI_API void cvwContextSensitiveHelpCB(Widget w, XtPointer clientData, XtPointer callData);
/** @} */

/**
 * @defgroup cvgui_ready_dialogs Ready-made dialogs and reorder panel
 * Complete dialogs assembled from the builders: two text dialogs (a one-line edit with a list,
 * and a scrolled multi-line edit), a list dialog with side and bottom buttons, a confirmation
 * question, and the reorder panel, a pair of arrows that moves the selected block of a list.
 *
 * The text and list dialogs are modeless, resizable dialog shells placed by setupDiagSh; they
 * are built hidden: manage the pane to show them. Button labels go through the descriptor's
 * label function when it is given (as convertButtonInfo does).
 *
 * @par Example
 * @code
 * ButtonInfo buttons[] = {{0, "Find", NULL, find, NULL, True}, {0, "Close", NULL, close, NULL, False}};
 * textEditDialogInfo info = {0};
 * info.title = "Find Node"; info.editLabel = "Node name"; info.listLabel = "Matches";
 * info.buttonCount = 2; info.buttons = buttons; info.closeIndex = 1;
 * CreateTextEditDialog(toplevel, &info);   // Enter in the field runs find()
 * XtManageChild(info.pane);
 * @endcode
 * @{
 */

/** The descriptor of the two text dialogs. */
typedef struct {
    Widget pane;               /**< out: the paned window */
    const char *shellName;     /**< the dialog shell's name */
    const char *title;         /**< its window title */
    const char *editLabel;     /**< the label above the field */
    const char *editValue;     /**< the field's first text */
    Widget text;               /**< out: the edit field */
    const char *listLabel;     /**< the label above the list (CreateTextEditDialog only) */
    Widget list;               /**< out: the list (CreateTextEditDialog only) */
    int buttonCount;           /**< number of buttons */
    ButtonInfo *buttons;       /**< the buttons; the first isDefault flag is cleared (see CreateTextEditDialog) */
    Widget *buttonHandles;     /**< out: XtMalloc'ed, one per button; the caller frees it */
    int closeIndex;            /**< the button whose callback answers the window manager's close, or -1 */
    ButtonLabelProc labelProc; /**< applied to the button labels when not NULL */
    XtPointer labelArg;        /**< its first argument */
} textEditDialogInfo;

/**
 * A one-line edit dialog: a field of 80 columns under editLabel, a 5-row list under listLabel and
 * a row of buttons (AddButtonPanel). The first button flagged isDefault becomes the field's
 * action (Enter runs its callback) and loses its flag in the caller's array, so the row has no
 * default button; a second flagged button is the row's default and the field's action too.
 * @return the pane (also in info->pane), not shown
 * @creates a dialog shell (AddDiagSh) with a paned window, addLabeledEdit, a label, a frame with
 *          a scrolled list, a button panel
 * @frees the caller frees info->buttonHandles with XtFree
 */
CVGUI_API Widget CreateTextEditDialog(Widget parent, textEditDialogInfo *info);
/**
 * The text dialog with a multi-line scrolled field (addLSEdit) and no list.
 * @param columns, maxLength, rows  the field's size and limit, each when above 0
 * @return the pane, not shown
 * @frees the caller frees info->buttonHandles with XtFree
 */
CVGUI_API Widget CreateScrolledTextDialog(Widget parent, textEditDialogInfo *info, int columns, int maxLength,
                                          int rows);

/** The descriptor of CreateListDialog. */
typedef struct {
    Widget pane;               /**< out: the outer paned window (parent itself without a shell) */
    const char *shellName;     /**< the dialog shell's name */
    const char *title;         /**< its window title */
    const char *listTitle;     /**< text of the label "lt", which gives the list its width */
    int visibleCount;          /**< rows of the list */
    Widget list;               /**< out: the list "listDList" */
    int sideCount;             /**< buttons beside the list */
    ButtonInfo *sideButtons;
    Widget *sideHandles;       /**< out: XtMalloc'ed when sideCount > 0; the caller frees it */
    int bottomCount;           /**< buttons below */
    ButtonInfo *bottomButtons;
    Widget *bottomHandles;     /**< out: XtMalloc'ed when bottomCount > 0; the caller frees it */
    int closeIndex;            /**< the bottom button answering the window manager's close, or -1 */
    ButtonLabelProc labelProc; /**< applied to all button labels when not NULL */
    XtPointer labelArg;
} listDialogInfo;

/**
 * A list in the constant-width font (extended selection) with a column of side buttons at its
 * right and a row of bottom buttons below. With bottom buttons the list takes the keyboard
 * focus. The title label "lt" is made but left unmanaged: it sets the list's width.
 * @param fontWidget  gives the constant-width font (getCWFont)
 * @param makeShell   True: a new dialog shell; False: built into parent, a paned window
 * @return the pane, not shown
 * @defname "listDPane1", "listDForm", "listDPane2", "listDList"
 * @frees the caller frees info->sideHandles and info->bottomHandles with XtFree
 */
CVGUI_API Widget CreateListDialog(Widget fontWidget, Boolean makeShell, Widget parent, listDialogInfo *info);

/** The descriptor of CreateConfirmDialog. */
typedef struct {
    Widget dialog;                /**< out: the question */
    const char *name;             /**< its name */
    const char *title;            /**< its window title */
    const char *message;          /**< the question */
    XtCallbackProc okCallback;
    XtPointer okData;
    XtCallbackProc cancelCallback; /**< also answers the window manager's close */
    XtPointer cancelData;
    XtCallbackProc helpCallback;  /**< NULL: no Help button */
    XtPointer helpData;
} confirmDialogInfo;

/**
 * Shows a question with OK, Cancel (the default) and Help when a help callback is given. The
 * window manager offers only move and close; close answers Cancel. The buttons do not hide the
 * question: the callbacks do what is needed.
 * @return the question, managed
 * @creates AddQuestion
 * @catalogue OK, CANCEL, HELP
 */
CVGUI_API Widget CreateConfirmDialog(Widget parent, confirmDialogInfo *info);

#define CVXM_REORDER_MAGIC 0xDEADBEEFu /**< the magic of a reorderInfo */
/** What a reorder panel keeps as its XmNuserData. */
typedef struct {
    unsigned int magic;       /**< CVXM_REORDER_MAGIC */
    Widget list;              /**< the list whose selection moves */
    Widget up;                /**< the up arrow */
    Widget down;              /**< the down arrow */
    XtCallbackProc callback;  /**< (list, clientData, int[2] {from, to}) after every move, or NULL */
    XtPointer clientData;
} reorderInfo;

/**
 * A reorder panel for list. The arrows move the selected block, which must be contiguous, one
 * place up or down: the item next to the block moves to its other side, the selection stays on
 * the block and is scrolled to the middle, and callback gets the position the item was taken
 * from and the one it was put at (0: the end). The arrows are off until CVxmSetReorderSensitive
 * is called; a disabled arrow is drawn in its parent's background.
 * @return the paned window (name) inside a managed frame "reorderFrame", to which staged
 *         resources apply
 * @defname "reorderLabel", "reorderRowcol", "reorderUp", "reorderDown"
 */
CVGUI_API Widget CVxmCreateReorderWidget(Widget parent, const char *name, const char *label, Widget list,
                                         XtCallbackProc callback, XtPointer clientData);
/** The panel's record, or NULL for a widget that is not a reorder panel. */
CVGUI_API reorderInfo *CVxmGetReorderInfo(Widget panel);
/**
 * Sets the arrows for a selection: up unless the block starts at the top, down unless it ends at
 * the bottom; both off (and the panel insensitive) when nothing, every item or a selection with
 * a gap is selected. Call it from the list's selection callbacks.
 * @param count  the selected items; below 0: the list's own selection
 */
CVGUI_API void CVxmSetReorderSensitive(Widget panel, int count, XmString *items);
/** @} */

/**
 * @defgroup cvgui_tools Map session and tool launching
 * Joining the map session (initCvw, cvwObjectIdToNameOrAddr) and starting the suite's other
 * tools as processes of their own.
 *
 * Tools are started with fork and execvp; the process ignores SIGCHLD from the first launch on,
 * so finished tools are reaped by the system (a tool that needs child statuses afterwards sets
 * its own SIGCHLD handling again). The busy cursor shows while a process starts. A failed fork
 * shows a warning; a program that cannot be executed is reported on standard error by the child
 * and in a warning by the tool.
 *
 * @par Catalogue texts:
 * FORK_FAILED, EXEC_FAILED, CVW_APPLICATION, CVW_CANNOT_CONNECT, CVW_NO_END_SESSION_CB,
 * CVW_NO_ACTION_CB
 *
 * @par Example
 * @code
 * initCvw(exitTool, toplevel, "xzbgraph", "grapher", NULL, NULL, NULL, &connected);
 * execXzbtrap(w, ".1.3.6.1.6.3.1.1.5.3", NULL, NULL);   // $CVXZBTRAPPATH or xzbtrap
 * @endcode
 * @{
 */

/**
 * Starts argv[0] (searched on PATH when it has no slash) with the arguments argv as a process of
 * its own and goes on at once. w is not used.
 * @param argv  NULL-terminated; an empty vector starts nothing
 * @catalogue FORK_FAILED, EXEC_FAILED
 */
CVGUI_API void execCmdFromGUI(Widget w, char **argv);
/**
 * Starts the MIB grapher: "-c cValue" when cValue is given, "-mib" and the selection list, and
 * "-browse" when objectNames or target is "*". The selection list holds each blank-separated
 * name as "name::instance::::::", with "*" behind when target is "*", joined by ","; a blank and
 * the target follow when it is not "*". The program is $CVXZBGRAPHPATH, else
 * $CV_PATH/bin/xzbgraph, else xzbgraph on PATH, chosen on the first call and kept.
 * @return 0; 1, starting nothing, when the list needs more than 8192 bytes
 */
CVGUI_API int execXzbgraph(Widget w, char *objectNames, char *instance, char *target, char *cValue);
/**
 * Starts the event configuration tool with "-eventId eventId", and "-copyEventId" and "-source"
 * with their values when given. The program is $CVXZBTRAPPATH, else $CV_PATH/bin/xzbtrap, else
 * xzbtrap on PATH, chosen on the first call and kept.
 */
CVGUI_API void execXzbtrap(Widget w, char *eventId, char *copyEventId, char *source);
/**
 * Starts the SNMP configuration tool $CV_PATH/bin/xzbsnmpconf (else xzbsnmpconf on PATH), found
 * again on every call; a path of 516 bytes or more is refused with the exec warning.
 */
CVGUI_API void execXzbsnmpconf(Widget w);
/** @} */

/**
 * @defgroup cvgui_version_report Version report
 * The report every tool shows in its About box or prints for a version option.
 *
 * @par Catalogue texts:
 * VERSION_RUNNING_ON, VERSION_OS_UNAME, VERSION_PROCESSORS, VERSION_SESSION, VERSION_NO_SESSION,
 * VERSION_SERVER
 *
 * @par Example
 * @code
 * char report[CVGUI_VERSION_REPORT_MAX];
 * sprintVersion(report, NULL, "@(#) MIB Grapher", "xzbgraph", NULL);
 * Inform("%s", report);
 * @endcode
 * @{
 */

#define CVGUI_VERSION_REPORT_MAX 4096 /**< bytes sprintVersion writes at most, the terminating byte included */
/**
 * Writes the tool's version report: "title (program, extra)" (a leading "@(#)" and blanks removed
 * from each, ", extra" only when given), the product's release and version, the machine
 * ("Running on" host, its configured name when that differs, the system from uname, the
 * processor count when not 1), its memory, and, unless program is "cvw", the map session and the
 * server.
 * @param buf     CVGUI_VERSION_REPORT_MAX bytes; a longer report is cut at a character boundary
 * @param unused  not used
 * @return the characters written, the terminating byte not counted
 */
CVGUI_API int sprintVersion(char *buf, const void *unused, const char *title, const char *program,
                            const char *extra);
/** @} */

/**
 * @defgroup cvgui_msglog Message log
 * A list that a dialog appends messages to, with the rules of the native message log.
 * @{
 */

/**
 * Appends a printf-style message to an XmList, one item per line, and scrolls to the end. With
 * timeStamp non-zero the first line starts with the time (the date too from 12 hours after the
 * first stamped message). Continuation lines are indented under the message text (by the stamp's
 * width, or 2 blanks); lines longer than 512 bytes are cut to 509 and "..."; a list of more than
 * 500 items loses its oldest first. A formatted text over 50688 bytes becomes "ERROR:
 * addMessage() length too large". Without a list the text is shown with Error.
 * @return 0, always
 * @catalogue STAMP_TIME, STAMP_DATE_TIME
 */
CVGUI_API int addMessage(Widget list, char timeStamp, const char *format, ...) CVGUI_PRINTF(3, 4);
/** @} */

#ifdef __cplusplus
}

/**
 * @defgroup cvgui_save Save-to-file dialog
 * The process's one save dialog: a "File Name" field, a "Messages" list and the buttons Save,
 * Close and (with help) Help. The tool's procedure writes the open file.
 *
 * Save (and Enter in the field) writes the named file: a name that exists is refused once and
 * written by a second Save for the same name. The procedure writes with the busy cursor up. A
 * regular file is written beside itself and renamed over the old one, so a failed write keeps
 * the old contents; a file the user may not write is refused. Problems go to the message list.
 * Close and the window manager's close hide the dialog.
 *
 * @par Catalogue texts:
 * FILE_NAME, MESSAGES, SAVE, CLOSE, HELP, SAVE_FILE_EXISTS, SAVE_OVERWRITING, SAVE_CANNOT_OPEN,
 * SAVE_NO_PROCEDURE, SAVE_CANNOT_WRITE
 *
 * @par Example
 * @code
 * createSaveDialog(toplevel, "saveResults", "Save Results", "results.txt", NULL, writeResults);
 * AddMenuItem(file, "Save...", NULL, False, save_CB, results);  // results reach writeResults
 * @endcode
 * @{
 */

/** The tool's writer: the open file, the name the user chose and save_CB's client data. */
typedef void (*CVsaveProc)(FILE *file, const char *fileName, void *userData);

/**
 * Makes the save dialog, hidden. Called again, it changes the settings as setSaveDefaults does.
 * @param helpText  the help volume topic of Help and the dialog's quick help; NULL or "": no Help
 * @param saveProc  may be NULL: Save then makes the file empty and says so
 * @creates CreateTextEditDialog
 */
CVGUI_API void createSaveDialog(Widget parent, const char *shellName, const char *title, const char *defaultFileName,
                                const char *helpText, CVsaveProc saveProc);
/** A callback that shows the save dialog with an empty message list; its client data goes to the procedure. */
CVGUI_API void save_CB(Widget w, XtPointer userData, XtPointer callData);
/** Changes what is given (not NULL): the field's file name, the window title, the help text, the procedure. */
CVGUI_API void setSaveDefaults(const char *fileName, const char *title, const char *helpText, CVsaveProc saveProc);
/** Adds a printf-style message to the save dialog's message list (addMessage, no time stamp). */
CVGUI_API void saveMsg(const char *format, ...) CVGUI_PRINTF(1, 2);
/** The save dialog's message list. */
CVGUI_API Widget getSaveMsgW(void);
/** @} */

/** @addtogroup cvgui_tools
 * @{
 */

struct CVwObjectIdList;
struct CVwMapInfo;

/**
 * Joins the map session (cvw.h) as appName ($CVwAppName when set; "mibappl" when neither names
 * one) with sessionArg, then registers for the end of the session (endSessionProc, or one that
 * calls exitProc with 0 for a normal end and 1 otherwise) and for every map action (actionProc,
 * or one that raises w's shell when it is on the screen). Any failure but "no session running"
 * ends the tool through tellUserThenExit on w's shell with the session's error text.
 * @param connected  when not NULL, 1 once joined, 0 when no session runs
 */
CVGUI_API void initCvw(void (*exitProc)(int), Widget w, const char *progName, const char *appName,
                       const char *sessionArg, void (*endSessionProc)(void *, unsigned long, int),
                       void (*actionProc)(void *, char *, char *, CVwObjectIdList *, int, char **, CVwMapInfo *,
                                          unsigned long),
                       char *connected);
/**
 * The map object's host name, else its valid "IP Address" field, else its valid "IPX Address"
 * field, else its selection name.
 * @return text of the map session library, or NULL
 */
CVGUI_API const char *cvwObjectIdToNameOrAddr(unsigned long objectId);
/** @} */
#endif

#endif /* CVGUI_H */
