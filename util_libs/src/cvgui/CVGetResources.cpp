// Application resources from the X resource database, under a remembered application name.
#include "cvguiP.h"

#include "kelArgsCore.h"

#include <X11/Shell.h>

namespace {
// The first non-null name asked for; the pointer is kept, not a copy.
const char *rememberedName;

bool usable(const char *name)
{
    return name != nullptr && *name != '\0';
}
} // namespace

extern "C" void _CVGetApplicationResources(const char *appName, Widget w, XtPointer base, XtResourceList resources,
                                           Cardinal numResources, ...)
{
    if (rememberedName == nullptr) {
        rememberedName = appName;
    }
    const char *name = usable(appName) ? appName : usable(rememberedName) ? rememberedName : "CVw";

    // The database is the display's: app-defaults, RESOURCE_MANAGER, -xrm.
    Widget any = toplevel != nullptr && XtIsWidget(toplevel) ? toplevel : w;
    if (any == nullptr || !XtIsWidget(any)) {
        // No display to ask: the list's own defaults, as far as they need none.
        kelFillDefaults(base, resources, numResources);
        return;
    }
    Display *display = XtDisplay(any);
    String appNameOfDisplay = nullptr, appClass = nullptr;
    XtGetApplicationNameAndClass(display, &appNameOfDisplay, &appClass);

    // An unrealized shell of that name stands for the application in the lookup, so resources
    // are found as "name.resource" (or under the application's class) with Xt's converters.
    Widget stand = XtAppCreateShell(name, appClass, applicationShellWidgetClass, display, nullptr, 0);
    XtGetApplicationResources(stand, base, resources, numResources, nullptr, 0);
    XtDestroyWidget(stand);
}

extern "C" void validateResourceFileRevision(...)
{
}
