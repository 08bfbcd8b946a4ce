/** @file
 * The native half's core: pseudo widgets (a dialog and a control id, looked up at each use), the
 * window operations over them, the fatal error handlers, command line and resources, the dialogs
 * made from this library's templates, lists with Motif's conventions and the message log,
 * time-outs and socket input, drawing and X colour names, the save dialog and help. */
#ifndef KELCORE_H
#define KELCORE_H

#include <afxwin.h>

#include "kelargs.h"

#include <cstdio>

/**
 * @defgroup kel_errors Fatal error handlers
 * The handlers a native tool calls when it cannot go on: each shows the "Internal Error" box (a
 * fixed text, so that it shows even when the catalogue cannot be read) and ends the process with
 * exit status 1.
 *
 * @par Example
 * @code
 * char *copy = strdup(name);
 * if (copy == NULL)
 *     KelCriticalErrorHandler(0);   // no memory: the box, then exit status 1
 * @endcode
 * @{
 */
[[noreturn]] KEL_API void KelInternalErrorHandler();
[[noreturn]] KEL_API void KelImpossibleErrorHandler();
[[noreturn]] KEL_API void KelCriticalErrorHandler(int unused);

/** @} */

/**
 * @defgroup kel_widgets Pseudo widgets and window operations
 * A pseudo widget names a control by its dialog and its control id and is looked up at each use,
 * so it stays valid when the control's window object is made anew. The window operations take the
 * control's CWnd* (a pseudo widget converts to it), a group of controls (KelPFrame) or a menu
 * entry's recorded state (KelMenuItem).
 *
 * @par Example
 * @code
 * KelPaseudoWidget apply(this, IDC_APPLY);   // in the dialog's OnInitDialog
 * KelPaseudoWidget name(this, IDC_NAME);
 * KelPFrame editing;
 * editing.AddChild(apply);
 * editing.AddChild(name);
 * KelSetSensitive(editing, 0);               // both greyed
 * KelFocusIn(name);
 * @endcode
 * @{
 */

/** A control named by its parent window and its id. The window is looked up from the parent at
 * each use, so the pseudo widget stays valid when the control's window object is recreated. */
class KEL_API KelPaseudoWidget {
public:
    KelPaseudoWidget() : parent(nullptr), id(0) {}
    KelPaseudoWidget(CWnd *p, int i) : parent(p), id(i) {}
    void init(CWnd *p, int i) { parent = p, id = i; }

    bool operator==(const KelPaseudoWidget &w) const { return parent == w.parent && id == w.id; }
    /* w == 0: the pseudo widget designates nothing (the argument is not looked at). */
    bool operator==(int) const { return parent == nullptr && id == 0; }
    bool operator!=(int v) const { return !(*this == v); }
    /* w = 0 makes it null. */
    int operator=(int value);

    CWnd *GetParent() const { return parent; }
    /* The control's window object now; null for a null pseudo widget. */
    operator CWnd *() const;

    CWnd *parent;
    int id;
};

#define KEL_FRAME_SLOTS 20 /**< 19 usable: a 20th entry is fatal */

/** A group of pseudo widgets and nested frames shown, hidden or made sensitive together. The frame
 * keeps addresses: its members must outlive it. */
class KEL_API KelPFrame {
public:
    KelPFrame() : widgetCount(0), frameCount(0) {}

    void AddChild(KelPaseudoWidget *w);
    void AddChild(KelPaseudoWidget &w) { AddChild(&w); }
    void AddChild(KelPFrame *f);
    void AddChild(KelPFrame &f) { AddChild(&f); }

    void SetSensitive(int sensitive);
    void Show();
    void Hide();

    int widgetCount;
    KelPaseudoWidget *widgets[KEL_FRAME_SLOTS];
    int frameCount;
    KelPFrame *frames[KEL_FRAME_SLOTS];
};

typedef void (*KelMenuCallback)(); /**< called as an XtCallbackProc */

/** The state of a menu entry kept beside the native menu; the setters only record. */
class KEL_API KelMenuItem {
public:
    KelMenuItem() : sensitive(1), toggleState(0), activateData(nullptr), nullFlag(0), callback(nullptr) {}

    void SetSensitive(int s) { sensitive = s; }
    int GetSensitive() const { return sensitive; }
    void SetToggleState(int s) { toggleState = s; }
    int GetToggleState() const { return toggleState; }
    void SetCallback(KelMenuCallback c) { callback = c; }
    KelMenuCallback GetCallback() const { return callback; }
    void SetActivateData(void *data) { activateData = data; }
    void *GetActivateData() const { return activateData; }
    void SetNull(int flag) { nullFlag = flag != 0 ? 1 : 0; }

    /* item == 0: the item is absent. */
    bool operator==(int v) const { return nullFlag != 0 && v == 0; }
    bool operator!=(int v) const { return !(*this == v); }
    operator int() const { return nullFlag == 0 ? 1 : 0; }

    int sensitive;
    int toggleState;
    void *activateData;
    int nullFlag;
    KelMenuCallback callback;
};

struct KelMenuIdToIdxTable {
    int index;
    int menuId;
};

/** @} */

/** @addtogroup kel_widgets
 * @{
 */
KEL_API void KelSetSensitive(CWnd *w, int sensitive);
KEL_API void KelSetSensitive(KelPFrame &frame, int sensitive);
KEL_API void KelSetSensitive(KelMenuItem &item, int sensitive);
KEL_API int KelIsSensitive(CWnd *w);
KEL_API int KelIsSensitive(KelMenuItem &item);
KEL_API int KelIsVisible(CWnd *w);
KEL_API int KelIsFocusIn(KelPaseudoWidget &w);
KEL_API void KelFocusIn(KelPaseudoWidget &w);
/** Only direction 0 (XmTRAVERSE_CURRENT) is served: focus the control, 1; others 0. */
KEL_API int KelProcessTraversal(KelPaseudoWidget &w, int direction);
KEL_API void KelShow(CWnd *w);
KEL_API void KelHide(CWnd *w);
KEL_API void KelShow(KelPFrame &frame);
KEL_API void KelHide(KelPFrame &frame);
KEL_API void KelRaise(CWnd *w);
/** Shows a modeless window application-modal: its parent is disabled until the window ends its
 * modal loop (EndModalLoop, or a dialog's EndDialog); returns the loop's result. */
KEL_API int KelShowModal(CWnd *w);
KEL_API CWnd *KelParent(CWnd *w);
KEL_API void KelDestroy(CWnd *w);
KEL_API void KelUpdateWindow(CWnd *w);
KEL_API unsigned int KelGetHwnd(CWnd *w);
KEL_API CWnd *KelDialogGetChild(CWnd *dialog, int id);
KEL_API void KelMenuCallXtCallback(KelMenuItem *item, Widget w, void *callData);
KEL_API int KelMenuIdToIdx(int menuId, KelMenuIdToIdxTable *table, int rowCount);

/** @} */

/**
 * @defgroup kel_resources Command line, resources and the library's templates
 * A native tool's start-up: its command line cut into words and parsed against an Xt option
 * table, its application resources from the command line, the registry and the defaults, and
 * dialogs made from this library's own templates (resources of cvgui.dll). An option's specifier
 * is the bare resource name ("title", not Xt's ".title" or "*title"): it is matched exactly.
 *
 * @par Example
 * @code
 * static XrmOptionDescRec options[] = {{"-title", "title", XrmoptionSepArg, NULL}};
 * static XtResource resources[] = {
 *     {"title", "Title", "String", sizeof(char *), 0, "String", (XtPointer) "MIB Browser"},
 * };
 * struct { char *title; } settings;
 * int argc; char **argv;
 * _CVsetupWinExecutable(&argc, &argv);
 * KelParseCommandLineOptions(options, 1, &argc, argv);
 * KelGetApplicationResources("xzbmibbrowser", &settings, resources, 1);
 * @endcode
 * @{
 */

/** Reads a tool's application resources into base. The command line's options come first, then
 * the registry values under HKEY_LOCAL_MACHINE "SOFTWARE\Brannock\Corvane\Zebrant\<applicationName>",
 * then the defaults. */
KEL_API void KelGetApplicationResources(const char *applicationName, void *base, XtResource *resources,
                                        unsigned int count);
/** Builds argc/argv from the application object's executable name and command line and hands
 * them to the suite's _CVsetupExecutable, whose result it returns. */
KEL_API const char *_CVsetupWinExecutable(int *argc, char ***argv);

/** Dialogs from this library's own templates: modeless (CreateFromDll) or prepared for DoModal
 * (InitFromDll); nonzero on success. */
KEL_API int CreateFromDll(CDialog *dialog, int templateId, CWnd *parent);
KEL_API int InitFromDll(CDialog *dialog, int templateId, CWnd *parent);


/** @} */

/**
 * @defgroup kel_lists Lists with Motif's conventions
 * A list box of a dialog driven like a Motif list: positions count from 1 and 0 means the last
 * item (only KelListSetSel takes a 0-based index); items are NUL-terminated byte strings; the
 * tables that KelListWidget hands out belong to it. Sorted insertion and moving the selection up
 * and down with the list's Up and Down buttons are here too.
 *
 * @par Example
 * @code
 * KelListWidget nodes;
 * nodes.widget.init(this, IDC_NODES);                       // in the dialog's OnInitDialog
 * KelListAddItemUnselected(&nodes, (const unsigned char *) "router1", 0);   // appended
 * KelListAddItemUnselected(&nodes, (const unsigned char *) "hub", 1);       // now first
 * KelListSelectPos(&nodes, 0, 0, 1);                        // the last one, "router1"
 * char **chosen; int n;
 * nodes.GetSelectedItems(&chosen, &n);                      // the list's own table: not freed
 * @endcode
 * @{
 */

/** A list box control of a dialog (point widget at it with widget.init(dialog, id)) with tables
 * of its items and selection. The tables that GetItems, GetSelectedItems and GetSelectedPos hand
 * out belong to the object and stay valid until the next call that changes the list. The item
 * table is read from the control once and then kept in step with each change made through the
 * KelList functions; SetChangeFlag (or a change of the item count behind the library's back,
 * seen at its next change) has it read again. The control is the truth for the selection: the
 * selection tables are rebuilt whenever its selection differs from them. */
class KEL_API KelListWidget {
public:
    KelListWidget();
    ~KelListWidget();
    KelListWidget(const KelListWidget &) = delete;
    KelListWidget &operator=(const KelListWidget &) = delete;

    operator KelPaseudoWidget() const { return widget; }
    operator KelListWidget *() { return widget.parent != nullptr ? this : nullptr; }
    int operator!() const { return widget.parent == nullptr ? 1 : 0; }

    void SetChangeFlag() { changeFlag = 1; }
    void Matching(); /**< rebuilds the tables when the change flag is set */
    /** Keep the tables in step after the control inserted text at index, deleted the item at
     * index, or was emptied. */
    void ItemInserted(int index, const char *text);
    void ItemDeleted(int index);
    void ItemsCleared();
    int GetRealSelectedItemCount();
    void GetItems(char ***items, int *count);
    void GetSelectedItems(char ***items, int *count);
    void GetSelectedPos(int **positions, int *count); /**< 0-based */

    KelPaseudoWidget widget;

protected:
    friend struct KelListAccess;

    CListBox *GetListBox(); /**< a missing control is fatal */
    void SetItemsTable();
    void SetSelectedItemsTable();
    void FreeItemsTable();
    void FreeSelectedItemsTable();
    int IsSelectionChanged();
    void UpdateItemsTable();
    void UpdateSelectedItemsTable();

    bool InStep(int expectedCount); /**< false (and the change flag set) when out of step */

    char **items;
    int itemCount;
    int itemRoom;           /**< entries allocated in items */
    char **selectedItems;   /**< pointers into items */
    int *selectedPositions; /**< 0-based, ascending */
    int selectedCount;
    int changeFlag;
};

/** Items are NUL-terminated byte strings (KelGetString); tables are arrays of them. */
KEL_API void KelListAddItemUnselected(KelListWidget *list, const unsigned char *item, int pos);
KEL_API void KelListSortAddItem(KelListWidget *list, const unsigned char *item);
KEL_API void KelListAddItems(KelListWidget *list, unsigned char **items, int n, int pos); /**< after pos */
KEL_API void KelListSetItems(KelListWidget *list, unsigned char **items, int n);
KEL_API void KelListDeleteAllItems(KelListWidget *list);
KEL_API void KelListDeletePos(KelListWidget *list, int pos);
KEL_API void KelListDeleteItem(KelListWidget *list, const unsigned char *item);
KEL_API void KelListDeleteItems(KelListWidget *list, unsigned char **items, int n);
KEL_API void KelListReplaceItems(KelListWidget *list, unsigned char **oldItems, int n, unsigned char **newItems);
KEL_API void KelListReplaceItemsKeepingSelectedPos(KelListWidget *list, unsigned char **oldItems, int n,
                                                   unsigned char **newItems);
KEL_API unsigned char *KelListGetItem(KelListWidget *list, int pos); /**< the caller frees it */
KEL_API void KelListGetItems(KelListWidget *list, unsigned char ***items, int *count);
KEL_API int KelListGetItemCount(KelListWidget *list);
KEL_API int KelListItemPos(KelListWidget *list, const unsigned char *item); /**< 0 when absent */
KEL_API int KelListItemExists(KelListWidget *list, const unsigned char *item);
KEL_API void KelListGetSelectedItems(KelListWidget *list, unsigned char ***items, int *count);
KEL_API int KelListGetSelectedItemCount(KelListWidget *list);
/** A new array of the selected positions, ascending, for the caller to free; 0 and nulls when
 * nothing is selected. */
KEL_API int KelListGetSelectedPos(KelListWidget *list, int **positions, int *count);
KEL_API void KelListSetSelectedPos(KelListWidget *list, int *positions, int n);
/** With notify the dialog hears LBN_SELCHANGE as if the user had clicked; replace clears the
 * selection of an extended-selection list first. */
KEL_API void KelListSelectPos(KelListWidget *list, int pos, int notify, int replace);
KEL_API void KelListSelectItem(KelListWidget *list, const unsigned char *item, int notify);
KEL_API void KelListSelectItems(KelListWidget *list, unsigned char **items, int n, int notify);
KEL_API int KelListSetSel(KelListWidget *list, int index); /**< 0-based, -1 for the last */
KEL_API void KelListDeselectAllItems(KelListWidget *list);
KEL_API void KelListDeselectPos(KelListWidget *list, int pos);
KEL_API void KelListDeselectItem(KelListWidget *list, const unsigned char *item);
KEL_API int KelListGetPos(KelListWidget *list); /**< the first visible position */
KEL_API void KelListSetPos(KelListWidget *list, int pos);
KEL_API void KelListSetItem(KelListWidget *list, const unsigned char *item);
KEL_API void KelListSetBottomPos(KelListWidget *list, int pos);
KEL_API void KelListSetBottomItem(KelListWidget *list, const unsigned char *item);
KEL_API void KelListSetCenterPos(KelListWidget *list, int pos);
KEL_API int KelListGetDisplayedItemCount(KelListWidget *list);
KEL_API void KelListSetRedraw(KelListWidget *list, int flag);
KEL_API void KelListMoveUpPos(KelListWidget *list, int pos);
KEL_API void KelListMoveDownPos(KelListWidget *list, int pos);

/** Sorted insertion: compare(an existing item's text, the new text, clientData) answers like
 * strcmp. Give the new entry as item or as text, not both; returns the position used, or -1. */
typedef int (*KelListCompareProc)(const char *existing, const char *text, void *clientData);
KEL_API int KelListAddItemSorted(KelListWidget *list, const unsigned char *item, const char *text,
                                 KelListCompareProc compare, void *clientData);
KEL_API int addItemSorted(KelListWidget *list, const unsigned char *item, const char *text,
                          int (*compare)(const char *existing, const char *text));

/** Moving the selection of a list up or down by one, with its Up and Down buttons. */
enum KelReorderDir { KelReorderUp = 0, KelReorderDown = 1 };
KEL_API void KelReorderSetSensitive(KelListWidget *list, KelPaseudoWidget &up, KelPaseudoWidget &down);
KEL_API void KelReorderSelectedItems(KelListWidget *list, KelPaseudoWidget &up, KelPaseudoWidget &down,
                                     KelReorderDir direction);

/** @} */

/**
 * @defgroup kel_msglog Message log
 * A list to which printf-style messages are appended, one item per line, with an optional time
 * stamp; the list keeps about 500 items.
 *
 * @par Example
 * @code
 * KelListWidget log;
 * log.widget.init(this, IDC_MESSAGES);
 * addMessage(&log, 1, "Loaded %d modules", count);   // "hh:mm:ss Loaded 29 modules"
 * @endcode
 * @{
 */
KEL_API int addMessage(KelListWidget *list, char timeStamp, const char *format, ...);

/** @} */

/**
 * @defgroup kel_events Time-outs and socket input
 * Xt's time-outs and input sources for a native tool: hidden windows deliver them from the
 * application's own message loop. Identifiers are slot + 1 (1 .. 1024).
 *
 * @par Example
 * @code
 * void poll(XtPointer data, XtIntervalId *id) { ... KelAddTimeOut(30000, poll, data); }
 * void readable(XtPointer data, int *socket, XtInputId *id) { recv(*socket, ...); }
 * KelAddTimeOut(30000, poll, NULL);
 * XtInputId input = KelAddSockReadInput(sock, readable, NULL);
 * ...
 * KelRemoveSockInput(input);
 * @endcode
 * @{
 */
#ifndef _XtIntrinsic_h
typedef unsigned long XtIntervalId;
typedef unsigned long XtInputId;
typedef void (*XtTimerCallbackProc)(XtPointer clientData, XtIntervalId *id);
typedef void (*XtInputCallbackProc)(XtPointer clientData, int *source, XtInputId *id);
#endif

#define KEL_EVENT_SLOTS 1024

struct KelTimerEntry {
    int inUse;
    XtTimerCallbackProc callback;
    XtPointer clientData;
};

struct KelEntry {
    int inUse;
    int socket;
    XtInputCallbackProc callback;
    XtPointer clientData;
};

extern KEL_API KelTimerEntry timerTable[KEL_EVENT_SLOTS];
extern KEL_API KelEntry entryTable[KEL_EVENT_SLOTS];
extern KEL_API HWND hwndTimer; /**< the timer window, made on first use */
extern KEL_API void *hwnd;     /**< the socket window, made on first use */

KEL_API void KelInitTimerWin();
/** Calls callback once, interval milliseconds on, from the message loop. */
KEL_API XtIntervalId KelAddTimeOut(unsigned long interval, XtTimerCallbackProc callback, XtPointer clientData);
KEL_API void KelRemoveTimeOut(XtIntervalId id);
/** Calls callback each time the socket has data or its peer has closed it, until removed (also
 * from inside the callback). */
KEL_API XtInputId KelAddSockReadInput(int socket, XtInputCallbackProc callback, XtPointer clientData);
KEL_API void KelRemoveSockInput(XtInputId id);

/** @} */

/**
 * @defgroup kel_drawing Drawing, text metrics and X colour names
 * Drawing with Xlib's graphics-context vocabulary (line styles, dashes, xor) on a native device
 * context, text metrics, and X colour names from an rgb.txt-style database.
 *
 * @par Example
 * @code
 * XGCValues values;
 * values.foreground = RGB(0, 0, 255);
 * KelGCVal *gc = KelCreateGC(GCForeground, &values);
 * char dashes[] = {4, 2};
 * KelSetDashes(gc, dashes, 2);
 * gc->lineStyle = LineOnOffDash;
 * CDC *dc = KelGetDC(graph);
 * KelDrawLine(dc, gc, 0, 0, 100, 50);
 * KelReleaseDC(graph, dc);
 * free(gc);
 * unsigned long colour;
 * if (KelXColorConvert("SteelBlue", &colour, NULL, NULL, NULL) == 0) ...
 * @endcode
 * @{
 */
#ifndef _X11_XLIB_H_
typedef struct {
    short x, y;
} XPoint;

typedef struct {
    int function;
    unsigned long plane_mask;
    unsigned long foreground;
    unsigned long background;
    int line_width;
    int line_style;
    int cap_style;
    int join_style;
    int fill_style;
    int fill_rule;
    int arc_mode;
    unsigned long tile;
    unsigned long stipple;
    int ts_x_origin;
    int ts_y_origin;
    unsigned long font;
    int subwindow_mode;
    int graphics_exposures;
    int clip_x_origin;
    int clip_y_origin;
    unsigned long clip_mask;
    int dash_offset;
    char dashes;
} XGCValues;

#define GCFunction (1L << 0)
#define GCForeground (1L << 2)
#define GCBackground (1L << 3)
#define GXcopy 0x3
#define GXxor 0x6
#define LineSolid 0
#define LineOnOffDash 1
#define LineDoubleDash 2
#define CapNotLast 0
#define CapButt 1
#define CapRound 2
#define CapProjecting 3
#define JoinMiter 0
#define JoinRound 1
#define JoinBevel 2
#define CoordModeOrigin 0
#define CoordModePrevious 1
#endif

#define KEL_GC_DASHES 20

/** A graphics context; KelNewGC/KelCreateGC allocate it with malloc, the caller frees it. */
struct KelGCVal {
    int function;         /**< GXxor draws strings inverted */
    COLORREF foreground;  /**< lines and text */
    COLORREF background;  /**< kept, not drawn */
    int lineWidth;
    int lineStyle;        /**< LineSolid, LineOnOffDash (LineDoubleDash draws solid) */
    int capStyle;
    int joinStyle;
    DWORD dashes[KEL_GC_DASHES]; /**< dash, gap, dash, ... */
    LOGBRUSH dashBrushes[KEL_GC_DASHES];
    int dashCount;
    int reserved;
};

KEL_API KelGCVal *KelNewGC();
KEL_API KelGCVal *KelCreateGC(unsigned long mask, XGCValues *values); /**< GCForeground, GCBackground */
KEL_API void KelSetDashes(KelGCVal *gc, char *dashList, int n);         /**< at most 20 are kept */
KEL_API void KelDrawLine(CDC *dc, KelGCVal *gc, int x1, int y1, int x2, int y2);
/** One segment per pair of points, each with its own pen: dashes start again at every point. */
KEL_API void KelDrawLines(CDC *dc, KelGCVal *gc, XPoint *points, int n, int mode);
/** y is the bottom of the text cell. */
KEL_API void KelDrawString(CDC *dc, KelGCVal *gc, int x, int y, const char *text);
KEL_API void KelDrawStringNormal(CDC *dc, KelGCVal *gc, int x, int y, const char *text);
KEL_API void KelDrawStringInvert(CDC *dc, KelGCVal *gc, int x, int y, const char *text);
KEL_API CDC *KelGetDC(CWnd *w);
KEL_API void KelReleaseDC(CWnd *w, CDC *dc);
KEL_API int KelDcGetMaxFontHeight(CDC *dc);
KEL_API int KelDcGetTextWidth(CDC *dc, const char *text);
KEL_API void KelDcGetTextExtent(CDC *dc, const char *text, int *width, int *height);
KEL_API void KelGetTextExtent(CWnd *w, const char *text, int *width, int *height); /**< in w's font */

/** Loads an X colour database ("R G B name" lines, as rgb.txt) after those loaded before: 0, or
 * -1 when the file cannot be read. A line without three numbers ends the process. */
KEL_API int KelXColorDBInit(char *path);
/** "#RRGGBB" or a database name (letter case ignored): 0 and the colour, or -1. red, green and
 * blue may be null. */
KEL_API int KelXColorConvert(const char *colour, unsigned long *colorref, int *red, int *green, int *blue);

/** @} */

/**
 * @defgroup kel_save_help Save dialog and application help
 * The common save dialog for text files, and help entries of a tool's menu.
 *
 * @par Example
 * @code
 * void writeDescription(FILE *file, const char *path) { fputs(description, file); }
 * KelSaveDialog("Save Description", writeDescription, this, "describe.txt", NULL);
 * @endcode
 * @{
 */

/** The common save dialog for text files; on OK the chosen file is opened for writing and handed
 * to writer, then closed. Nothing is written when the user cancels. */
typedef void (*KelSaveWriter)(FILE *file, const char *path);
KEL_API const char *getTextFileFilter();
KEL_API void KelSaveDialog(const char *title, KelSaveWriter writer, CWnd *parent, const char *fileName,
                           const char *directory);
/** Makes item a help entry of a kind (2 help file, 8 browser, 16 quick help, 32 help string,
 * 64 manual page, any other text file) on target; a kind of 0 or an empty target leaves it. */
KEL_API void KelSetApHelp(KelMenuItem &item, long kind, const char *target);
KEL_API void KelQuitHelp();

/** @} */

#endif
