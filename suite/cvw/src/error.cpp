// The last failure of the map session library (session, map database, help) and the texts of
// its error numbers.
#include "cvw.h"

#include <cstdio>
#include <string>

namespace {

int lastError = 0;
std::string lastDetail;

const char *generalText(int number)
{
    switch (number) {
    case 0: return "No error";
    case CVW_E_VERSION: return "The map session protocol version is not supported";
    case CVW_E_ARGUMENT: return "Invalid argument";
    case CVW_E_EVENT: return "Unknown map session event";
    case CVW_E_NO_OBJECT: return "No such object or field in the map";
    case CVW_E_NO_SESSION: return "No map session is running (CVWMAPFILE names none)";
    case CVW_E_MAP_OPEN: return "The map file cannot be read";
    case CVW_E_MAP_FORMAT: return "The map file is malformed";
    case CVW_E_NO_VALUE: return "The map object has no such value";
    case CVW_E_NO_MEMORY: return "Out of memory";
    case CVW_ENOHELPVIEWER: return "No help viewer: set " CVW_HELP_VIEWER_ENV " to the command that shows help";
    case CVW_EBADHELPTYPE: return "Unknown help type";
    case CVW_ENOHELPTARGET: return "No help topic given";
    case CVW_EHELPVIEWER: return "The help viewer could not be started";
    default: return nullptr;
    }
}

} // namespace

extern "C" void _CVwSetError(int number, const char *detail)
{
    lastError = number;
    lastDetail = detail != nullptr ? detail : "";
}

extern "C" int CVwError(void)
{
    return lastError;
}

extern "C" char *CVwErrorMsg(int number)
{
    static char unknown[64];
    if (number == lastError && !lastDetail.empty()) {
        return &lastDetail[0];
    }
    const char *general = generalText(number);
    if (general != nullptr) {
        return const_cast<char *>(general);
    }
    std::snprintf(unknown, sizeof unknown, "Unknown map session error %d", number);
    return unknown;
}
