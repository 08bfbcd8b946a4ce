/* A tool built outside the cvgui tree against an installed copy: it shows the library's error
 * dialog, reads back what the user sees (the title from the server, the message, the button),
 * presses the button and reports what it found, one "key=value" line each. */
#define _GNU_SOURCE
#include <cvgui.h>

#include <Xm/MessageB.h>
#include <X11/Xutil.h>
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

/* Handles events until *flag is set or the shell is up (flag NULL), for at most ten seconds. */
static int pumpUntil(Widget shell, const int *flag)
{
    time_t end = time(NULL) + 10;
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

/* The button's callback destroys the dialog; Xt defers that to the end of event dispatch only
 * when an action runs inside it, so the press is made from the handler of an event sent to us. */
static void pressOnEvent(Widget w, XtPointer button, XEvent *event, Boolean *goOn)
{
    if (event->type == ClientMessage) {
        XEvent key = *event;
        key.xkey.type = KeyPress;
        key.xkey.window = XtWindow((Widget)button);
        key.xkey.time = CurrentTime;
        XtCallActionProc((Widget)button, "ArmAndActivate", &key, NULL, 0);
    }
}

static void pressDuringDispatch(Widget button)
{
    XEvent e = {0};
    e.xclient.type = ClientMessage;
    e.xclient.display = XtDisplay(toplevel);
    e.xclient.window = XtWindow(toplevel);
    e.xclient.message_type = XInternAtom(XtDisplay(toplevel), "CVCONSUMER_PRESS", False);
    e.xclient.format = 32;
    XtAddEventHandler(toplevel, NoEventMask, True, pressOnEvent, button);
    XSendEvent(XtDisplay(toplevel), XtWindow(toplevel), False, NoEventMask, &e);
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
    if (!pumpUntil(shell, NULL)) {
        fprintf(stderr, "consumer: the dialog did not come up\n");
        return 1;
    }

    char *title = NULL;
    XFetchName(XtDisplay(shell), XtWindow(shell), &title);
    Widget ok = XmMessageBoxGetChild(dialog, XmDIALOG_OK_BUTTON);
    char *message = labelText(dialog, XmNmessageString);
    char *button = labelText(ok, XmNlabelString);
    Dl_info library;
    dladdr((void *)Error, &library);

    printf("title=%s\nmessage=%s\nbutton=%s\nlibrary=%s\nversion=%s\n", title != NULL ? title : "", message, button,
           library.dli_fname, CVGUI_VERSION_STRING);
    pressDuringDispatch(ok);
    if (!pumpUntil(shell, &closed)) {
        fprintf(stderr, "consumer: the button did not close the dialog\n");
        return 1;
    }
    printf("closed=yes\n");
    return 0;
}
