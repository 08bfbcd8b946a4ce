// libFuzzer target for a native tool's start-up: the fuzzer's bytes are the command line, cut
// into words, run through an option table with every kind of option, and read into resources of
// every type. A line of more words than the vector holds ends a real tool; here the fatal
// handler throws instead, so that the run goes on.
#include "kelArgsCore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Fatal {};

char program[] = "tool";
char o1[] = "-iconic", s1[] = "iconic", v1[] = "True";
char o2[] = "-title", s2[] = "title";
char o3[] = "-count", s3[] = "count";
char o4[] = "-width", s4[] = "width";
char o5[] = "-offset", s5[] = "offset";
char o6[] = "-scale", s6[] = "scale";
char o7[] = "-skip", s7[] = "skip";
char o8[] = "-xrm", s8[] = "xrm";
char o9[] = "-iconic", s9[] = "title", v9[] = "Iconic";
XrmOptionDescRec options[] = {
    {o1, s1, XrmoptionNoArg, v1},    {o2, s2, XrmoptionSepArg, nullptr}, {o3, s3, XrmoptionSepArg, nullptr},
    {o4, s4, XrmoptionSepArg, nullptr}, {o5, s5, XrmoptionSepArg, nullptr}, {o6, s6, XrmoptionSepArg, nullptr},
    {o7, s7, XrmoptionSkipArg, nullptr}, {o8, s8, XrmoptionResArg, nullptr}, {o9, s9, XrmoptionNoArg, v9},
};

struct Settings {
    char iconic;
    char *title;
    int count;
    unsigned short width;
    short offset;
    float scale;
    unsigned long pixel;
};

XtResource row(const char *name, const char *type, unsigned size, unsigned offset, const char *defaultType,
               const void *defaultAddr)
{
    return {const_cast<char *>(name), const_cast<char *>(name), const_cast<char *>(type), size, offset,
            const_cast<char *>(defaultType), const_cast<void *>(defaultAddr)};
}

XtResource resources[] = {
    row("iconic", "Boolean", 1, offsetof(Settings, iconic), "String", "False"),
    row("title", "String", sizeof(char *), offsetof(Settings, title), "String", "untitled"),
    row("count", "Int", sizeof(int), offsetof(Settings, count), "String", "5"),
    row("width", "Dimension", sizeof(unsigned short), offsetof(Settings, width), "Immediate",
        reinterpret_cast<const void *>(120)),
    row("offset", "Short", sizeof(short), offsetof(Settings, offset), "String", "-3"),
    row("scale", "Float", sizeof(float), offsetof(Settings, scale), "String", "1.5"),
    row("xrm", "Pixel", sizeof(unsigned long), offsetof(Settings, pixel), "String", "red"),
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool installed = (kelSetCriticalHandler([](int) { throw Fatal(); }), true);
    (void)installed;
    std::string line(reinterpret_cast<const char *>(data), size);
    line = line.c_str(); // a command line ends at its first NUL
    char **argv = nullptr;
    int argc;
    try {
        argc = cmdlineToArgv(program, &line[0], &argv);
    } catch (const Fatal &) {
        kelReleaseCommandLines();
        return 0; // more words than the vector holds
    }
    if (argc < 1 || argc > KEL_ARGV_SIZE - 1 || argv[argc] != nullptr) {
        __builtin_trap();
    }
    KelParseCommandLineOptions(options, sizeof options / sizeof options[0], &argc, argv);
    if (argc < 1 || argv[argc] != nullptr) {
        __builtin_trap();
    }
    Settings s;
    kelFillResources(&s, resources, sizeof resources / sizeof resources[0], nullptr, nullptr);
    free(s.title);
    kelReleaseCommandLines();
    return 0;
}
