// The last failure of the map session library and the texts of its error numbers.
#include "cvw.h"

#include <string>

namespace {

int lastError = 0;
std::string lastDetail;

const char *generalText(int number)
{
    switch (number) {
    case 0: return "no error";
    case CVW_E_VERSION: return "the map session protocol version is not supported";
    case CVW_E_ARGUMENT: return "invalid argument";
    case CVW_E_EVENT: return "unknown map session event";
    case CVW_E_NO_OBJECT: return "no such object or field in the map";
    case CVW_E_NO_SESSION: return "no map session is running (CVWMAPFILE names none)";
    case CVW_E_MAP_OPEN: return "the map file cannot be read";
    case CVW_E_MAP_FORMAT: return "the map file is malformed";
    case CVW_E_NO_VALUE: return "the map object has no such value";
    case CVW_E_NO_MEMORY: return "out of memory";
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

extern "C" const char *CVwErrorMsg(int number)
{
    static std::string text;
    if (number == lastError && !lastDetail.empty()) {
        return lastDetail.c_str();
    }
    const char *general = generalText(number);
    if (general != nullptr) {
        return general;
    }
    text = "unknown map session error " + std::to_string(number);
    return text.c_str();
}
