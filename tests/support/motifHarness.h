// A real Motif application for tests: one display (the test's private Xvfb with mwm), one
// application shell stored in the library's toplevel, and event pumping that waits for a state
// instead of sleeping.
#ifndef CVGUI_MOTIFHARNESS_H
#define CVGUI_MOTIFHARNESS_H

// GoogleTest comes before the X headers, whose macros (None, Bool) clash with its names.
#include <gtest/gtest.h>

#include "cvgui.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/Shell.h>
#include <Xm/Xm.h>
#include <Xm/Form.h>
#include <Xm/Text.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <poll.h>
#include <string>
#include <vector>

namespace motif {

struct App {
    XtAppContext context = nullptr;
    Widget shell = nullptr;
    Display *display = nullptr;
};

// Extra resource lines for the database, given before the first app() call.
inline std::vector<std::string> &fallbackResources()
{
    static std::vector<std::string> lines;
    return lines;
}

inline App &app()
{
    static App a;
    if (a.shell == nullptr) {
        static char name[] = "cvguiTest";
        static char *argv[] = {name, nullptr};
        int argc = 1;
        XtSetLanguageProc(nullptr, nullptr, nullptr);
        a.shell = XtAppInitialize(&a.context, "CvguiTest", nullptr, 0, &argc, argv, nullptr, nullptr, 0);
        if (a.shell == nullptr) {
            fprintf(stderr, "cannot open display %s\n", getenv("DISPLAY") ? getenv("DISPLAY") : "(unset)");
            abort();
        }
        a.display = XtDisplay(a.shell);
        XrmDatabase db = XtDatabase(a.display);
        for (const std::string &line : fallbackResources()) {
            XrmPutLineResource(&db, line.c_str());
        }
        toplevel = a.shell;
    }
    return a;
}

// Handles events until done() holds or the time is up; returns done().
inline bool pumpUntil(const std::function<bool()> &done, int timeoutMs = 5000)
{
    App &a = app();
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        XFlush(a.display);
        if (XtAppPending(a.context) != 0) {
            XtAppProcessEvent(a.context, XtIMAll);
        } else {
            pollfd p{ConnectionNumber(a.display), POLLIN, 0};
            poll(&p, 1, 10);
        }
    }
    return true;
}

// Handles what is queued now, and what the server sends back for it.
inline void pump()
{
    App &a = app();
    XSync(a.display, False);
    while (XtAppPending(a.context) != 0) {
        XtAppProcessEvent(a.context, XtIMAll);
    }
}

inline bool isViewable(Widget w)
{
    if (w == nullptr || !XtIsRealized(w)) {
        return false;
    }
    XWindowAttributes attr;
    return XGetWindowAttributes(XtDisplay(w), XtWindow(w), &attr) != 0 && attr.map_state == IsViewable;
}

// Realizes and maps a shell and waits until the window manager has shown it.
inline bool showShell(Widget shell)
{
    XtRealizeWidget(shell);
    XtMapWidget(shell);
    return pumpUntil([&] { return isViewable(shell); });
}

// A new top-level window of the test application, for tests that show their own widgets.
inline Widget newTopLevel(const char *name)
{
    return XtCreatePopupShell(name, topLevelShellWidgetClass, app().shell, nullptr, 0);
}

// A managed form of a given size under parent, the content of a test's window.
inline Widget sizedForm(Widget parent, Dimension width, Dimension height, const char *name = "form")
{
    Widget form = XmCreateForm(parent, const_cast<char *>(name), nullptr, 0);
    XtVaSetValues(form, XmNwidth, width, XmNheight, height, nullptr);
    XtManageChild(form);
    return form;
}

// The children of a composite widget, in the order it keeps them.
inline std::vector<Widget> children(Widget w)
{
    WidgetList list = nullptr;
    Cardinal count = 0;
    XtVaGetValues(w, XmNchildren, &list, XmNnumChildren, &count, nullptr);
    std::vector<Widget> out;
    for (Cardinal i = 0; list != nullptr && i < count; i++) {
        out.push_back(list[i]);
    }
    return out;
}

// Pops up a top-level shell and waits until the window manager has shown it.
inline bool popUp(Widget shell)
{
    XtPopup(shell, XtGrabNone);
    return pumpUntil([&] { return isViewable(shell); });
}

// The outermost window below the root that holds a realized widget's window: the frame the
// window manager put around a shell.
inline Window frameWindow(Widget w)
{
    Display *d = XtDisplay(w);
    Window window = XtWindow(w), root, parent, *children;
    unsigned int n;
    while (XQueryTree(d, window, &root, &parent, &children, &n) != 0) {
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == root) {
            break;
        }
        window = parent;
    }
    return window;
}

// True when the window manager stacks a's frame above b's.
inline bool stackedAbove(Widget a, Widget b)
{
    Display *d = XtDisplay(a);
    Window root, parent, *children = nullptr;
    unsigned int n = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n);
    int ia = -1, ib = -1;
    for (unsigned int i = 0; i < n; i++) {
        ia = children[i] == frameWindow(a) ? static_cast<int>(i) : ia;
        ib = children[i] == frameWindow(b) ? static_cast<int>(i) : ib;
    }
    XFree(children);
    return ia > ib && ib >= 0;
}

// Screenshot of the whole screen, for looking at what a test built (not for assertions).
inline void screenshot(const std::string &path)
{
    pump();
    std::string cmd = "xwd -root -silent | convert xwd:- '" + path + "'";
    if (system(cmd.c_str()) != 0) {
        fprintf(stderr, "screenshot %s failed\n", path.c_str());
    }
}

// The text of a compound string, with a newline for each line break; frees the string.
inline std::string xmStringText(XmString s)
{
    if (s == nullptr) {
        return "";
    }
    static XmParseMapping newline = [] {
        Arg args[3];
        XtSetArg(args[0], XmNincludeStatus, XmINSERT);
        XtSetArg(args[1], XmNsubstitute, XmStringSeparatorCreate());
        XtSetArg(args[2], XmNpattern, "\n");
        return XmParseMappingCreate(args, 3);
    }();
    char *text = static_cast<char *>(XmStringUnparse(s, nullptr, XmCHARSET_TEXT, XmCHARSET_TEXT, &newline, 1, XmOUTPUT_ALL));
    XmStringFree(s);
    std::string out = text != nullptr ? text : "";
    XtFree(text);
    return out;
}

// What a text field holds.
inline std::string textOf(Widget text)
{
    char *value = XmTextGetString(text);
    std::string out = value != nullptr ? value : "";
    XtFree(value);
    return out;
}

inline std::string labelText(Widget w)
{
    XmString s = nullptr;
    XtVaGetValues(w, XmNlabelString, &s, nullptr);
    return xmStringText(s);
}

// A key event on a widget's window, for actions that read the event.
inline XEvent keyEvent(Widget w)
{
    XEvent e{};
    e.xkey.type = KeyPress;
    e.xkey.display = XtDisplay(w);
    e.xkey.window = XtIsRealized(w) ? XtWindow(w) : None;
    e.xkey.time = CurrentTime;
    e.xkey.same_screen = True;
    return e;
}

// Sends a user's click on the middle of a widget to the server, without handling events: for a
// click that another loop (a modal report's) must handle.
inline void sendClick(Widget w, unsigned int button = 1)
{
    Display *d = XtDisplayOfObject(w);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(d, XtWindowOfObject(w), DefaultRootWindow(d), 0, 0, &x, &y, &child);
    Dimension width = 0, height = 0;
    XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, nullptr);
    if (!XtIsWidget(w)) {
        // A gadget (the buttons of message boxes) draws in its parent's window.
        Position gx = 0, gy = 0;
        XtVaGetValues(w, XmNx, &gx, XmNy, &gy, nullptr);
        x += gx;
        y += gy;
    }
    XTestFakeMotionEvent(d, -1, x + width / 2, y + height / 2, CurrentTime);
    XTestFakeButtonEvent(d, button, True, CurrentTime);
    XTestFakeButtonEvent(d, button, False, CurrentTime);
    XFlush(d);
}

// Clicks the middle of a widget with the pointer, through the server as a user's click.
inline void click(Widget w, unsigned int button = 1)
{
    sendClick(w, button);
    pump();
}

// Presses a button through its own activate action. The action runs outside event dispatch,
// where Xt destroys widgets at once: for a button whose callback destroys its own dialog, click.
inline void press(Widget button)
{
    XEvent e = keyEvent(button);
    XtCallActionProc(button, const_cast<char *>("ArmAndActivate"), &e, nullptr, 0);
    pump();
}

// One resource of a widget, read as the type the resource holds.
template <typename T> T value(Widget w, const char *resource)
{
    T v{};
    XtVaGetValues(w, resource, &v, nullptr);
    return v;
}

} // namespace motif

#endif
