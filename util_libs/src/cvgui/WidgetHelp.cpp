// Widget help registration and full widget paths.
#include "cvguiP.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <cstdio>
#include <cstring>

static XtCallbackProc widgetHelpCallback;
static char namePath[512];
static char classPath[512];
static int depth;

extern "C" void SetWidgetHelpCallback(XtCallbackProc proc)
{
    widgetHelpCallback = proc;
}

extern "C" XtCallbackProc GetWidgetHelpCallback(void)
{
    return widgetHelpCallback;
}

static void append(char *path, const char *text)
{
    size_t used = strlen(path);
    snprintf(path + used, sizeof namePath - used, "%s", text);
}

// One walk fills both paths: the shell first, each widget joined to its parent with ".".
static void walk(Widget w)
{
    if (depth == 0) {
        namePath[0] = '\0';
        classPath[0] = '\0';
    }
    if (w == nullptr) {
        return;
    }
    depth++;
    walk(XtParent(w));
    append(namePath, XrmQuarkToString(w->core.xrm_name));
    append(classPath, XtClass(w)->core_class.class_name);
    depth--;
    if (depth > 0) {
        append(namePath, ".");
        append(classPath, ".");
    }
}

extern "C" char *getWidgetName(Widget w)
{
    walk(w);
    return namePath;
}

extern "C" char *getWidgetClass(Widget w)
{
    walk(w);
    return classPath;
}

extern "C" void WlibRegisterHelp(Widget w)
{
    if (widgetHelpCallback == nullptr) {
        return;
    }
    // The quick-help resource names of the widget; nothing is looked up with them yet.
    char nameResource[sizeof namePath + 16];
    char classResource[sizeof classPath + 16];
    walk(w);
    snprintf(nameResource, sizeof nameResource, "%s.quickHelp", namePath);
    snprintf(classResource, sizeof classResource, "%s.quickHelp", classPath);
}
