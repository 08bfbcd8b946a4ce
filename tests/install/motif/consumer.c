/* A tool built outside the cvgui tree against an installed copy: it shows the library's error
 * dialog, reads back what the user sees (the title from the server, the message, the button),
 * clicks the button and reports what it found, one "key=value" line each. XTest is the
 * consumer's own dependency, for the click. */
#define _GNU_SOURCE
#include <cvgui.h>

#include <Xm/MessageB.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <dlfcn.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static XtAppContext app;
static int closed;

static void onDestroy(Widget w, XtPointer client, XtPointer call)
{
    closed = 1;
}

static int viewable(Widget w)
{
    XWindowAttributes a;
    return XtIsRealized(w) && XGetWindowAttributes(XtDisplay(w), XtWindow(w), &a) && a.map_state == IsViewable;
}

/* Handles events until *flag is set or the shell is up (flag NULL), for at most seconds. */
static int pumpUntil(Widget shell, const int *flag, int seconds)
{
    time_t end = time(NULL) + seconds;
    while (flag != NULL ? !*flag : !viewable(shell)) {
        if (time(NULL) > end) {
            return 0;
        }
        XFlush(XtDisplay(toplevel));
        if (XtAppPending(app) != 0) {
            XtAppProcessEvent(app, XtIMAll);
        } else {
            struct pollfd p = {ConnectionNumber(XtDisplay(toplevel)), POLLIN, 0};
            poll(&p, 1, 10);
        }
    }
    return 1;
}

/* Clicks the middle of a button (a gadget: no window of its own) through the server. */
static void click(Widget button)
{
    Dimension width = 0, height = 0;
    Position x = 0, y = 0;
    Display *display = XtDisplayOfObject(button);
    XtVaGetValues(button, XmNwidth, &width, XmNheight, &height, NULL);
    XtTranslateCoords(button, (Position)(width / 2), (Position)(height / 2), &x, &y);
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XFlush(display);
}

static char *labelText(Widget w, const char *resource)
{
    XmString s = NULL;
    char *text = NULL;
    XtVaGetValues(w, resource, &s, NULL);
    if (s == NULL || !XmStringGetLtoR(s, XmFONTLIST_DEFAULT_TAG, &text)) {
        text = XtNewString("");
    }
    XmStringFree(s);
    return text;
}

int main(int argc, char **argv)
{
    _CVsetupGUIExecutable(argc, argv);
    toplevel = XtVaAppInitialize(&app, "CVconsumer", NULL, 0, &argc, argv, NULL, XmNwidth, 200, XmNheight, 100, NULL);
    XtRealizeWidget(toplevel);

    Widget dialog = Error("Installed cvgui %s", CVGUI_VERSION_STRING);
    if (dialog == NULL) {
        fprintf(stderr, "consumer: no dialog\n");
        return 1;
    }
    Widget shell = XtParent(dialog);
    XtAddCallback(shell, XmNdestroyCallback, onDestroy, NULL);
    if (!pumpUntil(shell, NULL, 10)) {
        fprintf(stderr, "consumer: the dialog did not come up\n");
        return 1;
    }

    /* The title as the window manager reads it, in the locale's encoding. */
    char *title = NULL;
    XTextProperty name;
    char **list = NULL;
    int count = 0;
    if (XGetWMName(XtDisplay(shell), XtWindow(shell), &name) &&
        XmbTextPropertyToTextList(XtDisplay(shell), &name, &list, &count) >= Success && count > 0) {
        title = list[0];
    }
    Widget ok = XmMessageBoxGetChild(dialog, XmDIALOG_OK_BUTTON);
    char *message = labelText(dialog, XmNmessageString);
    char *button = labelText(ok, XmNlabelString);
    Dl_info library;
    dladdr((void *)Error, &library);

    printf("title=%s\nmessage=%s\nbutton=%s\nlibrary=%s\nversion=%s\n", title != NULL ? title : "", message, button,
           library.dli_fname, CVGUI_VERSION_STRING);
    /* mwm may take the first click to give the dialog the focus: click until it closes. */
    for (int i = 0; i < 10 && !closed; i++) {
        click(ok);
        pumpUntil(shell, &closed, 1);
    }
    if (!closed) {
        fprintf(stderr, "consumer: the button did not close the dialog\n");
        return 1;
    }
    printf("closed=yes\n");
    return 0;
}
