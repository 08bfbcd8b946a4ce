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
#else
#define CVGUI_API
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

/* ---- Menus ------------------------------------------------------------------------------- */

CVGUI_API Widget AddMenuBar(Widget parent, const char *name);
/* A pull-down pane opened by a new cascade entry showing label in parentMenu; stored through
 * paneOut when given. */
CVGUI_API Widget AddMenuPane(Widget parentMenu, Widget *paneOut, const char *label, const char *name,
                             int unused1, int unused2);
/* A managed push-button entry, or a toggle entry when toggle is true; label is its name too. */
CVGUI_API Widget AddMenuItem(Widget pane, const char *label, const char *name, Boolean toggle,
                             XtCallbackProc callback, XtPointer clientData);

/* ---- Shell preparation, close protocol, widget help -------------------------------------- */

CVGUI_API void setupGUIShell(Widget w);
CVGUI_API void registerCloseCB(Widget shell, XtCallbackProc proc, XtPointer clientData);
CVGUI_API void registerCloseDoNothing(Widget shell);
CVGUI_API void SetWidgetHelpCallback(XtCallbackProc proc);
CVGUI_API XtCallbackProc GetWidgetHelpCallback(void);
CVGUI_API void WlibRegisterHelp(Widget w);
CVGUI_API char *getWidgetName(Widget w);
CVGUI_API char *getWidgetClass(Widget w);

#ifdef __cplusplus
}
#endif

#endif /* CVGUI_H */
