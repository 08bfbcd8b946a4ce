// The native half's command line and resource rules, portable: run natively and under Wine.
#include "kelArgsCore.h"

#include "isolated.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const char *line, int *argcOut = nullptr)
{
    static char program[] = "tool";
    std::string copy = line;
    char **argv = nullptr;
    int argc = cmdlineToArgv(program, copy.data(), &argv);
    if (argcOut != nullptr) {
        *argcOut = argc;
    }
    std::vector<std::string> words;
    for (int i = 0; i < argc; i++) {
        words.push_back(argv[i]);
    }
    EXPECT_EQ(argv[argc], nullptr) << "the vector ends with a null entry";
    return words;
}

using Words = std::vector<std::string>;

} // namespace

TEST(CommandLine, BlanksSeparateAndQuotesGroupWithoutEscapes)
{
    EXPECT_EQ(split(" -display  \"my host\"  'a b' x\"y"), (Words{"tool", "-display", "my host", "a b", "x\"y"}));
    EXPECT_EQ(split("'ab'cd \"ef\"gh"), (Words{"tool", "ab", "cd", "ef", "gh"}));
    EXPECT_EQ(split("a \"\" b"), (Words{"tool", "a", "", "b"}));
    EXPECT_EQ(split("one \"runs to the end"), (Words{"tool", "one", "runs to the end"}));
    EXPECT_EQ(split("back\\slash \\\"x"), (Words{"tool", "back\\slash", "\\\"x"}));
    EXPECT_EQ(split("tab\tand\nnewline"), (Words{"tool", "tab", "and", "newline"}));
    EXPECT_EQ(split(""), Words{"tool"});
    EXPECT_EQ(split("   \t "), Words{"tool"});
}

TEST(CommandLine, TakesUpTo126WordsHoweverTheLineEnds)
{
    std::string words;
    for (int i = 0; i < 125; i++) {
        words += " w" + std::to_string(i);
    }
    // The last word plain, followed by a blank, or quoted: the vector is full only after it.
    for (const char *last : {" w125", " w125 ", " \"w125\"", " 'w125'  "}) {
        int argc = 0;
        Words got = split((words + last).c_str(), &argc);
        EXPECT_EQ(argc, 127) << last;
        EXPECT_EQ(got.back(), "w125") << last;
    }
}

CHILD_TEST(CommandLine, OneWordTooMany)
{
    std::string line;
    for (int i = 0; i < 127; i++) {
        line += " w" + std::to_string(i);
    }
    split(line.c_str());
    printf("RETURNED\n");
}

TEST(CommandLine, MoreThan126WordsEndTheProcess)
{
    EXPECT_TRUE(endedWith("CommandLine.InChild_OneWordTooMany", "Internal Error"));
}

namespace {

char optIconic[] = "-iconic", specIconic[] = "iconic", valTrue[] = "True";
char optTitle[] = "-title", specTitle[] = "title";
char optSkip[] = "-skip", specSkip[] = "skip";
XrmOptionDescRec optionTable[] = {
    {optIconic, specIconic, XrmoptionNoArg, valTrue},
    {optTitle, specTitle, XrmoptionSepArg, nullptr},
    {optSkip, specSkip, XrmoptionSkipArg, nullptr},
};

struct Args {
    explicit Args(std::initializer_list<const char *> words)
    {
        for (const char *w : words) {
            storage.emplace_back(w);
        }
        for (auto &s : storage) {
            argv.push_back(s.data());
        }
        argv.push_back(nullptr);
        argc = static_cast<int>(storage.size());
    }
    void parse(XrmOptionDescRec *table = optionTable, int rows = 3) { KelParseCommandLineOptions(table, rows, &argc, argv.data()); }
    std::vector<std::string> storage;
    std::vector<char *> argv;
    int argc;
};

std::string optionValue(const char *specifier)
{
    int found = 0;
    const char *v = kelOptionValue(specifier, &found);
    return found ? (v != nullptr ? v : "(null)") : "(none)";
}

struct Settings {
    char iconic;
    char *title;
    int count;
    unsigned short width;
    short offset;
    float scale;
    unsigned int pixel;
};

XtResource resource(const char *name, const char *type, unsigned size, unsigned offset, const char *defaultType,
                    XtPointer defaultAddr)
{
    return {const_cast<char *>(name), const_cast<char *>(name), const_cast<char *>(type), size, offset,
            const_cast<char *>(defaultType), defaultAddr};
}

int sourceCalls = 0;
// A second source that knows "title" and "count" only.
int fakeRegistry(void *, const XtResource *r, void *field)
{
    sourceCalls++;
    if (strcmp(r->resource_name, "title") == 0) {
        char *v = strdup("FromSource");
        memcpy(field, &v, sizeof v);
        return 1;
    }
    if (strcmp(r->resource_name, "count") == 0) {
        int v = 77;
        memcpy(field, &v, sizeof v);
        return 1;
    }
    return 0;
}

} // namespace

TEST(Options, LeadingOptionsAreRecordedAndRemovedEachParseAfresh)
{
    struct Case {
        std::initializer_list<const char *> words;
        Words rest;
        std::vector<std::pair<const char *, const char *>> values; // specifier, value
    } cases[] = {
        // Options after the first other argument stay.
        {{"tool", "-iconic", "-title", "Hello", "file", "-iconic"}, {"tool", "file", "-iconic"},
         {{"iconic", "True"}, {"title", "Hello"}}},
        // A separate-value option without its value stays and records nothing.
        {{"tool", "-iconic", "-title"}, {"tool", "-title"}, {{"title", "(none)"}, {"iconic", "True"}}},
        // A specifier is held once, with the last value.
        {{"tool", "-title", "One", "-title", "Two"}, {"tool"}, {{"title", "Two"}}},
        // Other kinds are dropped unrecorded; the table of the last parse is gone.
        {{"tool", "-skip", "rest"}, {"tool", "rest"}, {{"skip", "(none)"}, {"title", "(none)"}}},
        {{"tool", "file", "-iconic"}, {"tool", "file", "-iconic"}, {{"iconic", "(none)"}}},
    };
    for (const Case &c : cases) {
        Args a(c.words);
        a.parse();
        EXPECT_EQ(Words(a.argv.begin(), a.argv.begin() + a.argc), c.rest) << c.rest.size();
        EXPECT_EQ(a.argv[a.argc], nullptr);
        for (const auto &[specifier, value] : c.values) {
            EXPECT_EQ(optionValue(specifier), value) << specifier;
        }
    }
}

TEST(Options, TheLastMatchingRowWins)
{
    char valFalse[] = "False";
    XrmOptionDescRec table[] = {{optIconic, specIconic, XrmoptionNoArg, valTrue},
                                {optIconic, specTitle, XrmoptionNoArg, valFalse}};
    Args a{"tool", "-iconic"};
    a.parse(table, 2);
    EXPECT_EQ(optionValue("title"), "False");
    EXPECT_EQ(optionValue("iconic"), "(none)");
}

TEST(Resources, CommandLineBeforeSourceBeforeDefaults)
{
    Args a{"tool", "-iconic", "-title", "Hello"};
    a.parse();
    Settings s;
    memset(&s, 0x5A, sizeof s);
    XtResource list[] = {
        resource("iconic", "Boolean", 1, offsetof(Settings, iconic), "String", const_cast<char *>("False")),
        resource("title", "String", sizeof(char *), offsetof(Settings, title), "String", const_cast<char *>("Default")),
        resource("count", "Int", sizeof(int), offsetof(Settings, count), "String", const_cast<char *>("5")),
        resource("width", "Dimension", 2, offsetof(Settings, width), "String", const_cast<char *>("120")),
    };
    sourceCalls = 0;
    kelFillResources(&s, list, 4, fakeRegistry, nullptr);
    EXPECT_EQ(s.iconic, 1);
    EXPECT_STREQ(s.title, "Hello") << "the command line wins over the source";
    EXPECT_EQ(s.count, 77) << "the source wins over the default";
    EXPECT_EQ(s.width, 120);
    EXPECT_EQ(sourceCalls, 2) << "the source is not asked for what the command line gave";
    free(s.title);

    Args none{"tool"};
    none.parse();
    kelFillResources(&s, list, 4, nullptr, nullptr);
    EXPECT_EQ(s.iconic, 0);
    EXPECT_STREQ(s.title, "Default");
    EXPECT_EQ(s.count, 5);
    free(s.title);

    // A number that does not read as one is passed over like a missing value.
    char optCount[] = "-count", specCount[] = "count", optWidth[] = "-width", specWidth[] = "width";
    XrmOptionDescRec numbers[] = {{optCount, specCount, XrmoptionSepArg, nullptr},
                                  {optWidth, specWidth, XrmoptionSepArg, nullptr}};
    Args bad{"tool", "-count", "lots", "-width", "wide"};
    bad.parse(numbers, 2);
    kelFillResources(&s, list + 2, 2, fakeRegistry, nullptr);
    EXPECT_EQ(s.count, 77) << "from the next source";
    EXPECT_EQ(s.width, 120) << "from the default";
}

TEST(Resources, StringRulesByType)
{
    Settings s;
    EXPECT_EQ(kelConvertString("Boolean", "True", &s.iconic), 1);
    EXPECT_EQ(s.iconic, 1);
    kelConvertString("Boolean", "TRUE", &s.iconic);
    EXPECT_EQ(s.iconic, 1);
    for (const char *no : {"true", "False", "yes", "1"}) {
        kelConvertString("Boolean", no, &s.iconic);
        EXPECT_EQ(s.iconic, 0) << no;
    }
    kelConvertString("Int", "-42", &s.count);
    EXPECT_EQ(s.count, -42);
    kelConvertString("Dimension", "65535", &s.width);
    EXPECT_EQ(s.width, 65535);
    kelConvertString("Short", "-7", &s.offset);
    EXPECT_EQ(s.offset, -7);
    kelConvertString("Float", "2.5", &s.scale);
    EXPECT_FLOAT_EQ(s.scale, 2.5f);

    const char *text = "copied";
    kelConvertString("String", text, &s.title);
    EXPECT_STREQ(s.title, "copied");
    EXPECT_NE(s.title, text);
    free(s.title);

    s.count = 9;
    kelConvertString("Int", nullptr, &s.count);
    EXPECT_EQ(s.count, 0) << "a null string stores zero";
    s.count = 9;
    EXPECT_EQ(kelConvertString("Int", "many", &s.count), -1);
    EXPECT_EQ(kelConvertString("Float", "", &s.scale), -1);
    EXPECT_EQ(s.count, 9) << "text that is not a number stores nothing";
    kelConvertString("String", nullptr, &s.title);
    EXPECT_EQ(s.title, nullptr);
    EXPECT_EQ(kelConvertString("Pixel", "red", &s.pixel), 0);
}

TEST(Resources, AnImmediateDefaultCopiesTheDefaultFieldsBytes)
{
    Args none{"tool"};
    none.parse();
    Settings s;
    memset(&s, 0x5A, sizeof s);
    XtResource list[] = {
        resource("width", "Dimension", 2, offsetof(Settings, width), "Immediate", reinterpret_cast<XtPointer>(300)),
        resource("pixel", "Pixel", 4, offsetof(Settings, pixel), "Immediate", reinterpret_cast<XtPointer>(0x00FF8000)),
        // No string rule for a Pixel: its String default is taken as an immediate one too.
        resource("count", "Int", 4, offsetof(Settings, count), "Int", reinterpret_cast<XtPointer>(-3)),
    };
    kelFillResources(&s, list, 3, nullptr, nullptr);
    EXPECT_EQ(s.width, 300);
    EXPECT_EQ(s.pixel, 0x00FF8000u);
    EXPECT_EQ(s.count, -3);

    Args a{"tool", "-title", "x"};
    a.parse();
    char *value = reinterpret_cast<char *>(static_cast<intptr_t>(0x11223344));
    XtResource unconvertible[] = {resource("title", "Pixel", 4, offsetof(Settings, pixel), "Immediate", value)};
    kelFillResources(&s, unconvertible, 1, fakeRegistry, nullptr);
    EXPECT_EQ(s.pixel, 0x11223344u) << "a command-line value without a string rule leaves the default";
}
