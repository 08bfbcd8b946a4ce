// Program set-up: name and locale.
#include "cvutil.h"

#include "cv.h"

#include <clocale>

extern "C" const char *_CVsetupExecutable(int argc, char **argv)
{
    if (argc > 0 && argv != nullptr && argv[0] != nullptr) {
        _CVsetProgname(argv[0]);
    }
    return _CVgetProgname(1);
}

extern "C" int _CVinitLocales(const char *, int fromEnvironment)
{
    if (!fromEnvironment) {
        return 0;
    }
    return setlocale(LC_ALL, "") != nullptr ? 0 : -1;
}
