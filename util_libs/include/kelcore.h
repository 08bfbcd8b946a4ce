/* The native half's core: pseudo widgets (a dialog and a control id, looked up at each use), the
 * window operations over them, the fatal error handlers, command line and resources, and the
 * dialogs made from this library's templates. */
#ifndef KELCORE_H
#define KELCORE_H

#include <afxwin.h>

#include "kelargs.h"

/* ---- Fatal error handlers: an "Internal Error" box, then exit status 1. */
[[noreturn]] KEL_API void KelInternalErrorHandler();
[[noreturn]] KEL_API void KelImpossibleErrorHandler();
[[noreturn]] KEL_API void KelCriticalErrorHandler(int unused);

/* ---- Pseudo widgets. */

/* A control named by its parent window and its id. The window is looked up from the parent at
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

#define KEL_FRAME_SLOTS 20 /* 19 usable: a 20th entry is fatal */

/* A group of pseudo widgets and nested frames shown, hidden or made sensitive together. The frame
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

typedef void (*KelMenuCallback)(); /* called as an XtCallbackProc */

/* The state of a menu entry kept beside the native menu; the setters only record. */
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

/* ---- Window operations; a CWnd* argument is the control or window itself. */
KEL_API void KelSetSensitive(CWnd *w, int sensitive);
KEL_API void KelSetSensitive(KelPFrame &frame, int sensitive);
KEL_API void KelSetSensitive(KelMenuItem &item, int sensitive);
KEL_API int KelIsSensitive(CWnd *w);
KEL_API int KelIsSensitive(KelMenuItem &item);
KEL_API int KelIsVisible(CWnd *w);
KEL_API int KelIsFocusIn(KelPaseudoWidget &w);
KEL_API void KelFocusIn(KelPaseudoWidget &w);
/* Only direction 0 (XmTRAVERSE_CURRENT) is served: focus the control, 1; others 0. */
KEL_API int KelProcessTraversal(KelPaseudoWidget &w, int direction);
KEL_API void KelShow(CWnd *w);
KEL_API void KelHide(CWnd *w);
KEL_API void KelShow(KelPFrame &frame);
KEL_API void KelHide(KelPFrame &frame);
KEL_API void KelRaise(CWnd *w);
/* Shows a modeless window application-modal: its parent is disabled until the window ends its
 * modal loop (EndModalLoop, or a dialog's EndDialog); returns the loop's result. */
KEL_API int KelShowModal(CWnd *w);
KEL_API CWnd *KelParent(CWnd *w);
KEL_API void KelDestroy(CWnd *w);
KEL_API void KelUpdateWindow(CWnd *w);
KEL_API unsigned int KelGetHwnd(CWnd *w);
KEL_API CWnd *KelDialogGetChild(CWnd *dialog, int id);
KEL_API void KelMenuCallXtCallback(KelMenuItem *item, Widget w, void *callData);
KEL_API int KelMenuIdToIdx(int menuId, KelMenuIdToIdxTable *table, int rowCount);

/* ---- Command line and resources (see kelargs.h for the portable part). */

/* Reads resources into base: the command line's options first, then the registry values under
 * HKEY_LOCAL_MACHINE "SOFTWARE\Brannock\Corvane\Zebrant\<applicationName>", then the defaults. */
KEL_API void KelGetApplicationResources(const char *applicationName, void *base, XtResource *resources,
                                        unsigned int count);
/* Builds argc/argv from the application object's executable name and command line and hands
 * them to the suite's _CVsetupExecutable, whose result it returns. */
KEL_API const char *_CVsetupWinExecutable(int *argc, char ***argv);

/* Dialogs from this library's own templates: modeless (CreateFromDll) or prepared for DoModal
 * (InitFromDll); nonzero on success. */
KEL_API int CreateFromDll(CDialog *dialog, int templateId, CWnd *parent);
KEL_API int InitFromDll(CDialog *dialog, int templateId, CWnd *parent);

#endif
