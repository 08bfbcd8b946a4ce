// libFuzzer target for the expression library file: the fuzzer's bytes are the file, read
// through ExpressionList::read as CVEXPRFILE would name it; every expression read is looked up
// by its name again.
#include "cvutil.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/dev/shm/cvgui-expressions-fuzz-" + std::to_string(getpid());
    FILE *f = fopen(path.c_str(), "wb");
    if (f == nullptr) {
        return 0;
    }
    fwrite(data, 1, size, f);
    fclose(f);

    ExpressionList list;
    if (list.read(path.c_str()) != 0) {
        if (*list.lastError() == '\0') {
            __builtin_trap(); // a refusal says why
        }
        return 0;
    }
    for (int i = 0; i < list.count(); i++) {
        Expression *e = list.at(i);
        if (e == nullptr || list.find(e->getName()) != e || *e->getEquation() == '\0') {
            __builtin_trap();
        }
        std::strlen(e->getDescription());
    }
    return 0;
}
