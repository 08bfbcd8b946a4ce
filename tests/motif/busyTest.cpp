// The busy cursor: which shells get the hourglass, what the user sees on the screen (read back
// with XFixes), and shells that go away while registered.
#include "motifHarness.h"
#include "isolated.h"

#include <X11/extensions/Xfixes.h>
#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <dlfcn.h>
#include <map>

using motif::app;

namespace {

// Cursor changes per window, as the library makes them.
std::map<Window, int> defines, undefines;

struct Shown {
    Widget shell;
    Widget form;
    Widget button;
};

Shown window(const char *name, bool show = true)
{
    // Side by side, so the pointer over one window is over no other.
    static int placed;
    Shown s;
    s.shell = motif::newTopLevel(name);
    XtVaSetValues(s.shell, XmNx, 20 + 200 * (placed % 6), XmNy, 40 + 180 * (placed / 6 % 5), nullptr);
    placed++;
    s.form = motif::sizedForm(s.shell, 160, 100);
    s.button = XmCreatePushButton(s.form, const_cast<char *>("work"), nullptr, 0);
    XtManageChild(s.button);
    if (show) {
        EXPECT_TRUE(motif::popUp(s.shell));
    }
    return s;
}

// The cursor the user sees with the pointer in the middle of w's form.
XFixesCursorImage *cursorOver(const Shown &s)
{
    Display *d = app().display;
    Window child;
    int x, y;
    XTranslateCoordinates(d, XtWindow(s.form), DefaultRootWindow(d), 80, 80, &x, &y, &child);
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, x, y);
    XSync(d, False);
    return XFixesGetCursorImage(d);
}

bool hourglassOver(const Shown &s)
{
    XFixesCursorImage *image = cursorOver(s);
    bool hourglass = image != nullptr && image->width == 32 && image->height == 32 && image->xhot == 15 &&
                     image->yhot == 15;
    if (image != nullptr) {
        // Black and white only: an opaque pixel is either.
        for (int i = 0; i < image->width * image->height && hourglass; i++) {
            unsigned long p = image->pixels[i] & 0xffffffff;
            hourglass = p == 0 || p == 0xff000000 || p == 0xffffffff;
        }
        XFree(image);
    }
    return hourglass;
}

void clearCounts()
{
    defines.clear();
    undefines.clear();
}

} // namespace

extern "C" int XDefineCursor(Display *d, Window w, Cursor c)
{
    using Real = int (*)(Display *, Window, Cursor);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XDefineCursor"));
    defines[w]++;
    return real(d, w, c);
}

extern "C" int XUndefineCursor(Display *d, Window w)
{
    using Real = int (*)(Display *, Window);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XUndefineCursor"));
    undefines[w]++;
    return real(d, w);
}

CHILD_TEST(BusyScenario, NothingRegisteredNothingChanges)
{
    app();
    setCursorForWaiting(True);
    EXPECT_FALSE(cursorIsBusy());
    EXPECT_TRUE(defines.empty());
}

TEST(BusyCursor, NothingRegisteredNothingChanges)
{
    EXPECT_TRUE(runIsolated("BusyScenario.InChild_NothingRegisteredNothingChanges"));
}

TEST(BusyCursor, HourglassOnEveryRegisteredShellUntilWorkIsDone)
{
    int eventBase, errorBase;
    ASSERT_TRUE(XFixesQueryExtension(app().display, &eventBase, &errorBase));
    Shown a = window("busyA");
    Shown b = window("busyB");
    Shown other = window("notRegistered");
    EXPECT_FALSE(hourglassOver(a));

    // Widgets of one window register its shell once.
    addWindowToBusyList(a.button);
    addWindowToBusyList(a.form);
    addWindowToBusyList(b.shell);
    clearCounts();
    setCursorForWaiting(True);
    EXPECT_TRUE(cursorIsBusy());
    EXPECT_EQ(defines[XtWindow(a.shell)], 1);
    EXPECT_EQ(defines[XtWindow(b.shell)], 1);
    EXPECT_EQ(defines.count(XtWindow(other.shell)), 0u);
    EXPECT_TRUE(hourglassOver(a));
    EXPECT_TRUE(hourglassOver(b));
    EXPECT_FALSE(hourglassOver(other));

    // Busy is a flag, not a count.
    clearCounts();
    setCursorForWaiting(True);
    EXPECT_TRUE(defines.empty());
    setCursorForWaiting(False);
    EXPECT_FALSE(cursorIsBusy());
    EXPECT_EQ(undefines[XtWindow(a.shell)], 1);
    EXPECT_FALSE(hourglassOver(a));
    EXPECT_FALSE(hourglassOver(b));

    removeWindowFromBusyList(a.button);
    removeWindowFromBusyList(b.form);
    XtDestroyWidget(a.shell);
    XtDestroyWidget(b.shell);
    XtDestroyWidget(other.shell);
}

TEST(BusyCursor, ShellRegisteredWhileBusyShowsTheHourglassAtOnce)
{
    Shown first = window("first");
    addWindowToBusyList(first.shell);
    setCursorForWaiting(True);
    Shown late = window("late");
    addWindowToBusyList(late.button);
    EXPECT_TRUE(hourglassOver(late));

    // A shell not yet on the screen is registered all the same and follows the next change.
    Shown hidden = window("hidden", false);
    addWindowToBusyList(hidden.form);
    EXPECT_TRUE(motif::popUp(hidden.shell));
    EXPECT_FALSE(hourglassOver(hidden));
    setCursorForWaiting(False);
    setCursorForWaiting(True);
    EXPECT_TRUE(hourglassOver(hidden));
    setCursorForWaiting(False);
    EXPECT_FALSE(hourglassOver(late));

    for (Widget w : {first.shell, late.shell, hidden.shell}) {
        removeWindowFromBusyList(w);
        XtDestroyWidget(w);
    }
}

TEST(BusyCursor, RemovedAndDestroyedShellsLeaveTheList)
{
    Shown removed = window("removed");
    Shown destroyed = window("destroyed");
    Shown kept = window("kept");
    addWindowToBusyList(removed.shell);
    addWindowToBusyList(destroyed.button);
    addWindowToBusyList(kept.form);
    Window destroyedWindow = XtWindow(destroyed.shell);
    removeWindowFromBusyList(removed.button);
    XtDestroyWidget(destroyed.shell);
    motif::pump();

    clearCounts();
    setCursorForWaiting(True);
    EXPECT_EQ(defines.count(XtWindow(removed.shell)), 0u);
    EXPECT_EQ(defines.count(destroyedWindow), 0u);
    EXPECT_EQ(defines[XtWindow(kept.shell)], 1);
    EXPECT_FALSE(hourglassOver(removed));
    setCursorForWaiting(False);

    // A shell destroyed while busy, then the work ends.
    setCursorForWaiting(True);
    Window keptWindow = XtWindow(kept.shell);
    XtDestroyWidget(kept.shell);
    motif::pump();
    clearCounts();
    setCursorForWaiting(False);
    EXPECT_EQ(undefines.count(keptWindow), 0u);
    XtDestroyWidget(removed.shell);
}
