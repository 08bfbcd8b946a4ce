// The shared argument list and the naming rule of every builder.
#include "cvguiP.h"

#include <cstdio>

extern "C" {
Widget toplevel = nullptr;
Arg widgetArgs[CVGUI_WIDGET_ARGS];
Cardinal widgetArgCnt = 0;
char *_nptr = nullptr;
}

// Names are valid until the next builder call; longer names are cut, never written past the end.
static char nameBuffer[80];
// Kept for tools that want unique widget names; nothing in the library switches it on.
static int _wlib_unique_names = 0;

extern "C" char *GetNam(const char *name, const char *defaultName, int *counter)
{
    if (name == nameBuffer) {
        // A builder passing on the name it resolved (AddSText to AddLabel): already in place.
    } else if (name != nullptr && *name != '\0') {
        snprintf(nameBuffer, sizeof nameBuffer, "%s", name);
    } else if (_wlib_unique_names) {
        snprintf(nameBuffer, sizeof nameBuffer, "%s_%04d", defaultName, (*counter)++);
    } else {
        snprintf(nameBuffer, sizeof nameBuffer, "%s", defaultName);
    }
    _nptr = nameBuffer;
    return _nptr;
}

void cvguiStage(const char *builder, const char *file, int line, const char *name, XtArgVal value)
{
    if (widgetArgCnt >= CVGUI_WIDGET_ARGS) {
        char what[256];
        snprintf(what, sizeof what, cvMsg(CVMSG_ARGS_FULL), builder, name, CVGUI_WIDGET_ARGS);
        widgetArgCnt = 0;
        x_internal_error_str(nullptr, toplevel, what, file, line);
    }
    XtSetArg(widgetArgs[widgetArgCnt], const_cast<char *>(name), value);
    widgetArgCnt++;
}

Widget cvguiFinish(Widget w, bool help)
{
    widgetArgCnt = 0;
    if (help) {
        WlibRegisterHelp(w);
    }
    return w;
}
