// libFuzzer target for X colour databases (the rgb.txt format): the fuzzer's bytes are the file,
// read through the real file interface, then every name read is converted back.
#include "kelXColorDB.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/dev/shm/cvgui-xcolor-fuzz-" + std::to_string(getpid());
    FILE *f = fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return 0;
    }
    fwrite(data, 1, size, f);
    fclose(f);

    KelXColorDB db;
    int bad = 0;
    db.load(path.c_str(), &bad);
    unsigned long ref;
    int r, g, b;
    for (int i = 0; i < db.count(); i++) {
        if (db.convert(db.record(i).name, &ref, &r, &g, &b) != 0) {
            __builtin_trap(); // a name read must convert
        }
    }
    // The bytes as a colour name or "#RRGGBB" as well.
    std::string asName(reinterpret_cast<const char *>(data), size < 16 ? size : 16);
    db.convert(asName.c_str(), &ref, nullptr, nullptr, nullptr);
    return 0;
}
