// libFuzzer target for map files (the map session stand-in): the fuzzer's bytes are the file's
// text. A map that reads must be whole: its selection names defined objects.
#include "mapFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    cvw::Map map;
    std::string error;
    if (!cvw::parseMap(std::string(reinterpret_cast<const char *>(data), size), map, error)) {
        if (error.rfind("line ", 0) != 0) {
            __builtin_trap(); // a refusal always names its line
        }
        return 0;
    }
    for (CVwObjectId id : map.selection) {
        if (map.objects.count(id) == 0) {
            __builtin_trap();
        }
    }
    return 0;
}
