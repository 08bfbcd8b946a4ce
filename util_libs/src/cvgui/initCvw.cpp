// Joining the map session: the tool ends with the session and comes forward on a map action.
#include "cvguiP.h"

#include "cv.h"
#include "cvw.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const int noSession = 15; // no map is running: the tool works on without one

Widget shellOf(Widget w)
{
    while (w != nullptr && !XtIsShell(w)) {
        w = XtParent(w);
    }
    return w;
}

void endSession(void *exitProc, unsigned long, int normal)
{
    if (exitProc != nullptr) {
        reinterpret_cast<void (*)(int)>(exitProc)(normal ? 0 : 1);
    }
}

// Brings the tool's window forward when it is on the screen; an iconified or hidden tool stays so.
void raiseTool(void *widget, char *, char *, CVwObjectIdList *, int, char **, CVwMapInfo *, unsigned long)
{
    Widget shell = shellOf(static_cast<Widget>(widget));
    if (shell == nullptr || !XtIsRealized(shell)) {
        return;
    }
    XWindowAttributes attributes;
    if (XGetWindowAttributes(XtDisplay(shell), XtWindow(shell), &attributes) != 0 &&
        attributes.map_state == IsViewable) {
        mapRaiseWindow(shell);
    }
}

bool hasText(const char *s)
{
    return s != nullptr && *s != '\0';
}

} // namespace

CVGUI_API void initCvw(void (*exitProc)(int), Widget w, const char *progName, const char *appName,
                       const char *sessionArg, void (*endSessionProc)(void *, unsigned long, int),
                       CVwActionProc actionProc, char *connected)
{
    const char *fromEnvironment = getenv("CVwAppName");
    if (hasText(fromEnvironment)) {
        appName = fromEnvironment;
    }
    if (!hasText(appName)) {
        appName = "mibappl";
    }
    if (progName == nullptr) {
        progName = "";
    }
    // The fatal report needs a shell; any widget of the tool leads to one.
    Widget shell = shellOf(w);

    if (_CVwInitSession(CVW_VERSION, appName, sessionArg) != 0) {
        int error = CVwError();
        if (error != noSession) {
            char application[512];
            snprintf(application, sizeof application, cvMsg(CVMSG_CVW_APPLICATION), appName);
            tellUserThenExit(exitProc, shell, cvMsg(CVMSG_CVW_CANNOT_CONNECT), progName, application,
                             CVwErrorMsg(error));
        }
        if (connected != nullptr) {
            *connected = 0;
        }
        return;
    }
    if (connected != nullptr) {
        *connected = 1;
    }

    CVwCallbackProc onEnd = endSessionProc != nullptr ? endSessionProc : endSession;
    void *endData = endSessionProc != nullptr ? nullptr : reinterpret_cast<void *>(exitProc);
    if (CVwAddCallback(CVW_END_SESSION, 0, onEnd, endData) != 0) {
        tellUserThenExit(exitProc, shell, cvMsg(CVMSG_CVW_NO_END_SESSION_CB), progName, CVwErrorMsg(CVwError()));
    }
    CVwActionProc onAction = actionProc != nullptr ? actionProc : raiseTool;
    void *actionData = actionProc != nullptr ? nullptr : static_cast<void *>(w);
    if (CVwAddActionCallback(nullptr, onAction, actionData) != 0) {
        tellUserThenExit(exitProc, shell, cvMsg(CVMSG_CVW_NO_ACTION_CB), progName, CVwErrorMsg(CVwError()));
    }
}

CVGUI_API const char *cvwObjectIdToNameOrAddr(unsigned long objectId)
{
    CVwObjectId id = static_cast<CVwObjectId>(objectId);
    const char *name = CVwDbObjectIdToHostname(id);
    if (hasText(name)) {
        return name;
    }
    CVwFieldId ip = CVwDbFieldNameToFieldId("IP Address");
    if (!CVwIsIdNull(ip)) {
        const char *address = CVwDbGetFieldStringValue(id, ip);
        if (hasText(address) && _CVinetIsValidIPAddr(address)) {
            return address;
        }
    }
    CVwFieldId ipx = CVwDbFieldNameToFieldId("IPX Address");
    if (!CVwIsIdNull(ipx)) {
        const char *address = CVwDbGetFieldStringValue(id, ipx);
        if (hasText(address) && _CVipx_addr(address, nullptr)) {
            return address;
        }
    }
    return CVwDbObjectIdToSelectionName(id);
}
