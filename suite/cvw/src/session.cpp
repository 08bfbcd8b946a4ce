// Joining the map session, its callbacks, and the delivery of its events.
#include "cvw.h"
#include "mapFile.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct EndCallback {
    CVwCallbackProc proc;
    void *data;
};

struct ActionCallback {
    std::string action; // empty: every action
    bool all;
    CVwActionProc proc;
    void *data;
};

std::vector<EndCallback> endCallbacks;
std::vector<ActionCallback> actionCallbacks;
unsigned long serial = 0;

bool connected()
{
    if (!cvw::session().connected()) {
        _CVwSetError(CVW_E_NO_SESSION, nullptr);
        return false;
    }
    return true;
}

int fail(int number)
{
    _CVwSetError(number, nullptr);
    return -1;
}

} // namespace

extern "C" int _CVwInitSession(int version, const char *appName, const char *sessionArg)
{
    if (version != CVW_VERSION) {
        _CVwSetError(CVW_E_VERSION, ("the map session protocol version " + std::to_string(version) +
                                     " is not supported (this library speaks " +
                                     std::to_string(CVW_VERSION) + ")")
                                        .c_str());
        return -1;
    }
    cvw::session().leave();
    endCallbacks.clear();
    actionCallbacks.clear();
    std::string file = sessionArg != nullptr ? sessionArg : "";
    if (file.empty()) {
        const char *env = std::getenv("CVWMAPFILE");
        file = env != nullptr ? env : "";
    }
    if (file.empty()) {
        return fail(CVW_E_NO_SESSION);
    }
    std::string error;
    int code = 0;
    if (!cvw::session().join(file, error, code)) {
        _CVwSetError(code, error.c_str());
        return -1;
    }
    cvw::session().setAppName(appName != nullptr ? appName : "");
    return 0;
}

extern "C" const char *CVwSessionId(void)
{
    const cvw::Map *map = cvw::session().current();
    return map != nullptr ? map->session.c_str() : nullptr;
}

extern "C" int CVwAddCallback(int event, int flags, CVwCallbackProc proc, void *clientData)
{
    if (!connected()) {
        return -1;
    }
    if (event != CVW_END_SESSION) {
        return fail(CVW_E_EVENT);
    }
    if (proc == nullptr || flags != 0) {
        return fail(CVW_E_ARGUMENT);
    }
    endCallbacks.push_back({proc, clientData});
    return 0;
}

extern "C" int CVwAddActionCallback(const char *action, CVwActionProc proc, void *clientData)
{
    if (!connected()) {
        return -1;
    }
    if (proc == nullptr) {
        return fail(CVW_E_ARGUMENT);
    }
    actionCallbacks.push_back({action != nullptr ? action : "", action == nullptr, proc, clientData});
    return 0;
}

extern "C" int CVwDispatchEvent(const CVwEvent *event)
{
    if (event == nullptr) {
        return fail(CVW_E_ARGUMENT);
    }
    if (!connected()) {
        return -1;
    }
    // Callbacks may register or dispatch in turn: deliver to the ones registered now.
    if (event->type == CVW_END_SESSION) {
        std::vector<EndCallback> callbacks = endCallbacks;
        for (const EndCallback &c : callbacks) {
            c.proc(c.data, CVW_END_SESSION, event->normal);
        }
        cvw::session().leave();
        endCallbacks.clear();
        actionCallbacks.clear();
        return static_cast<int>(callbacks.size());
    }
    if (event->type != CVW_ACTION) {
        return fail(CVW_E_EVENT);
    }
    if (event->action == nullptr || *event->action == '\0' || event->argc < 0 ||
        (event->argc > 0 && event->argv == nullptr)) {
        return fail(CVW_E_ARGUMENT);
    }
    const cvw::Map *map = cvw::session().current(true);
    std::vector<CVwObjectId> ids = map->selection;
    std::string mapName = map->session, mapFile = map->file, appName = cvw::session().appName();
    std::vector<ActionCallback> callbacks = actionCallbacks;
    ++serial;
    int called = 0;
    for (const ActionCallback &c : callbacks) {
        if (!c.all && c.action != event->action) {
            continue;
        }
        // Each callback gets its own copies: it may change them.
        std::string action = event->action, app = appName;
        std::vector<CVwObjectId> objects = ids;
        CVwObjectIdList selection = {static_cast<int>(objects.size()), objects.data()};
        std::vector<std::string> args(event->argv, event->argv + event->argc);
        std::vector<char *> argv;
        for (std::string &a : args) {
            argv.push_back(&a[0]);
        }
        argv.push_back(nullptr);
        CVwMapInfo info = {mapName.c_str(), mapFile.c_str()};
        c.proc(c.data, &action[0], &app[0], &selection, event->argc, argv.data(), &info, serial);
        ++called;
    }
    return called;
}
