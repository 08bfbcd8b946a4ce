// The base library's helpers as the node list editor, the tool launcher and the version report
// use them: path templates, address and wildcard checks, tokens, white space, multibyte
// searches, the server, the registry and signals.
#include "cv.h"
#include "isolated.h"
#include "testenv.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// A path written with "/" as the platform writes it.
std::string native(std::string path)
{
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

TEST(BuildPath, ExpandsVariablesWithThePlatformsSeparator)
{
    setEnv("CV_PATH", "/opt/corvane");
    EXPECT_EQ(_CVBuildPath("%CV_PATH%\\bin", "xzbgraph.exe", 0), native("/opt/corvane/bin/xzbgraph.exe"));
    EXPECT_EQ(_CVBuildPath("%CV_PATH%/help/", "zbr.hlp", 0), native("/opt/corvane/help/zbr.hlp"));
    EXPECT_EQ(_CVBuildPath("%CV_PATH%", nullptr, 0), native("/opt/corvane"));
    EXPECT_EQ(_CVBuildPath(nullptr, "file", 0), std::string("file"));
    EXPECT_EQ(_CVBuildPath(nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(_CVBuildPath("100%%", "x", 0), native("100%/x"));
    EXPECT_EQ(_CVBuildPath("%CV_PATH", "x", 0), native("%CV_PATH/x")); // no closing "%"

    unsetEnv("CV_NOT_SET_ANYWHERE");
    EXPECT_EQ(_CVBuildPath("%CV_NOT_SET_ANYWHERE%\\bin", "a.exe", 0), native("/bin/a.exe"));
    EXPECT_EQ(_CVBuildPath("%CV_NOT_SET_ANYWHERE%\\bin", "a.exe", CV_BUILDPATH_KEEP_UNSET),
              native("%CV_NOT_SET_ANYWHERE%/bin/a.exe"));
}

TEST(BuildPath, AbsolutePaths)
{
    EXPECT_TRUE(_CVisAbsPath("/etc/cv/sources"));
    EXPECT_FALSE(_CVisAbsPath("sources"));
    EXPECT_FALSE(_CVisAbsPath("./sources"));
    EXPECT_FALSE(_CVisAbsPath(""));
    EXPECT_FALSE(_CVisAbsPath(nullptr));
#ifdef _WIN32
    EXPECT_TRUE(_CVisAbsPath("C:\\cv\\sources"));
    EXPECT_TRUE(_CVisAbsPath("d:/cv/sources"));
    EXPECT_TRUE(_CVisAbsPath("\\\\server\\share\\sources"));
    EXPECT_FALSE(_CVisAbsPath("C:sources"));
#else
    EXPECT_FALSE(_CVisAbsPath("C:\\cv\\sources"));
#endif
}

TEST(Addresses, IpAddresses)
{
    for (const char *yes : {"10.1.2.3", "0.0.0.0", "255.255.255.255", "010.001.002.003"}) {
        EXPECT_TRUE(_CVinetIsIPAddr(yes)) << yes;
        EXPECT_TRUE(_CVinetIsValidIPAddr(yes)) << yes;
    }
    // Numeric-looking but malformed: the node list refuses these as "invalid IP format".
    for (const char *bad : {"10.1.2", "10.1.2.256", "10.1.2.3.4", "1..2.3", "10.1.2.", ".10.1.2.3", "1234.1.1.1"}) {
        EXPECT_TRUE(_CVinetIsIPAddr(bad)) << bad;
        EXPECT_FALSE(_CVinetIsValidIPAddr(bad)) << bad;
    }
    for (const char *name : {"router1", "10.1.2.3a", "", "10.1.2.*", " 10.1.2.3"}) {
        EXPECT_FALSE(_CVinetIsIPAddr(name)) << name;
        EXPECT_FALSE(_CVinetIsValidIPAddr(name)) << name;
    }
    EXPECT_FALSE(_CVinetIsIPAddr("..."));
    EXPECT_FALSE(_CVinetIsValidIPAddr(nullptr));
}

TEST(Addresses, IpxAddresses)
{
    CVipxAddr a;
    ASSERT_TRUE(_CVipx_addr("0000C0A8:00A0C9123456", &a));
    EXPECT_EQ(a.net[2] * 256 + a.net[3], 0xc0a8);
    EXPECT_EQ(a.node[1] * 256 + a.node[5], 0xa056);
    ASSERT_TRUE(_CVipx_addr("1a:ffffffffffff", &a)); // short network numbers are right-aligned
    EXPECT_EQ(a.net[0] * 256 + a.net[3], 0x1a);
    EXPECT_TRUE(_CVipx_addr("1:000000000001", nullptr));
    for (const char *bad : {"", ":00A0C9123456", "123456789:00A0C9123456", "0000C0A8:00A0C912345",
                            "0000C0A8:00A0C91234567", "0000C0AG:00A0C9123456", "0000C0A8-00A0C9123456",
                            "10.1.2.3"}) {
        EXPECT_FALSE(_CVipx_addr(bad, nullptr)) << bad;
    }
    EXPECT_FALSE(_CVipx_addr(nullptr, nullptr));
}

TEST(Addresses, IpWildcards)
{
    for (const char *wild : {"10.2.*.1-20", "*.*.*.*", "10.2.5-6.*", "10-20"}) {
        EXPECT_TRUE(_CVinetIsWild(wild)) << wild;
    }
    for (const char *plain : {"10.2.3.4", "my-router", "router*", "", "10.2.*.x"}) {
        EXPECT_FALSE(_CVinetIsWild(plain)) << plain;
    }
    for (const char *good : {"10.2.*.1-20", "*.*.*.*", "10.2.5-6.*", "0-255.0.0.0", "1.2.3.4", "10.2.7-7.*"}) {
        EXPECT_TRUE(_CVinetIsValidWild(good)) << good;
    }
    for (const char *bad : {"10-20", "10.2.*", "10.2.*.*.*", "10.2.20-1.*", "10.2.1-256.*", "10.2.**.1",
                            "10.2.-5.1", "10.2.5-.1", "10..*.1", "10.2.1-2-3.*", "300.*.*.*"}) {
        EXPECT_FALSE(_CVinetIsValidWild(bad)) << bad;
    }
}

std::vector<std::string> tokens(std::string text, const char *delimiters, int emptyFields)
{
    std::vector<std::string> out;
    for (char *t = _CVstrtok(&text[0], delimiters, emptyFields); t != nullptr;
         t = _CVstrtok(nullptr, delimiters, emptyFields)) {
        out.push_back(t);
    }
    return out;
}

TEST(Strings, Tokens)
{
    EXPECT_EQ(tokens("ifInOctets  ifOutOctets ", " ", 0), (std::vector<std::string>{"ifInOctets", "ifOutOctets"}));
    EXPECT_EQ(tokens("10..*.1", ".", 0), (std::vector<std::string>{"10", "*", "1"}));
    EXPECT_EQ(tokens("10..*.1", ".", 1), (std::vector<std::string>{"10", "", "*", "1"}));
    EXPECT_EQ(tokens("10.2.", ".", 1), (std::vector<std::string>{"10", "2", ""}));
    EXPECT_EQ(tokens("...", ".", 0), std::vector<std::string>{});
    EXPECT_EQ(_CVstrtok(nullptr, ".", 0), nullptr);
}

TEST(Strings, StripsWhiteSpaceInPlace)
{
    char both[] = " \t ifDescr \n";
    EXPECT_EQ(_CVstrip_whitespace(both, 2), both);
    EXPECT_STREQ(both, "ifDescr");
    char lead[] = "  a b  ";
    EXPECT_STREQ(_CVstrip_whitespace(lead, 0), "a b  ");
    char trail[] = "  a b  ";
    EXPECT_STREQ(_CVstrip_whitespace(trail, 1), "  a b");
    char blank[] = " \t\n";
    EXPECT_STREQ(_CVstrip_whitespace(blank, 2), "");
    EXPECT_EQ(_CVstrip_whitespace(nullptr, 2), nullptr);
}

TEST(Strings, SearchesStepOverMultibyteCharacters)
{
    const char *name = ".iso.org.dod";
    EXPECT_EQ(_CVstrchr(name, '.'), name);
    EXPECT_EQ(_CVstrrchr(name, '.'), name + 8);
    EXPECT_EQ(_CVstrchr(name, 'x'), nullptr);
    EXPECT_EQ(_CVstrchr(name, '\0'), name + std::strlen(name));
    EXPECT_EQ(_CVstrrchr("no dots", '.'), nullptr);
#ifdef _WIN32
    // Shift-JIS: the second byte of "\x83\x5c" (katakana so) is the byte of a backslash.
    ASSERT_NE(setlocale(LC_ALL, ".932"), nullptr);
    const char *sjis = "dir\\\x83\x5c.txt";
    EXPECT_EQ(_CVstrrchr(sjis, '\\'), sjis + 3);
    EXPECT_EQ(std::strrchr(sjis, '\\'), sjis + 5); // what a plain byte search finds
    const char *after = "\x83\x5c\\";
    EXPECT_EQ(_CVstrchr(after, '\\'), after + 2);
    EXPECT_EQ(_CVstrchr("\x83\x5cx", '\\'), nullptr);
    setlocale(LC_ALL, "C");
#else
    ASSERT_NE(setlocale(LC_ALL, "C.UTF-8"), nullptr);
    const char *utf8 = "\xc3\xa9t\xc3\xa9.mib"; // "été.mib"
    EXPECT_EQ(_CVstrrchr(utf8, '.'), utf8 + 5);
    setlocale(LC_ALL, "C");
#endif
}

TEST(Strings, AnUnknownErrorNumberStillHasAText)
{
    ASSERT_NE(_CVstrerror(123456), nullptr);
    EXPECT_NE(std::string(_CVstrerror(123456)), "");
}

TEST(System, ServerIsNamedByTheEnvironmentElseThisHost)
{
    unsetEnv("CV_SERVER");
    std::string here = CVServerName();
    EXPECT_FALSE(here.empty());
    EXPECT_TRUE(CVisOnCVServer());

    setEnv("CV_SERVER", "nms.example.org");
    EXPECT_STREQ(CVServerName(), "nms.example.org");
    EXPECT_FALSE(CVisOnCVServer());

    std::string upper = here;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    setEnv("CV_SERVER", (upper + ".lab.example").c_str());
    EXPECT_TRUE(CVisOnCVServer()) << here;
    unsetEnv("CV_SERVER");
}

TEST(System, RegistryStrings)
{
#ifdef _WIN32
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\cvgui-test", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char owner[] = "Network Operations";
    RegSetValueExA(key, "RegisteredOwner", 0, REG_SZ, reinterpret_cast<const BYTE *>(owner), sizeof owner);
    // A value stored without its terminating NUL still comes back terminated.
    RegSetValueExA(key, "Unterminated", 0, REG_SZ, reinterpret_cast<const BYTE *>("abc"), 3);
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&key), 4);
    RegCloseKey(key);
    char *value = _CVGetRegistryString(HKEY_CURRENT_USER, "Software\\cvgui-test", "RegisteredOwner");
    ASSERT_NE(value, nullptr);
    EXPECT_STREQ(value, owner);
    free(value);
    value = _CVGetRegistryString(HKEY_CURRENT_USER, "Software\\cvgui-test", "Unterminated");
    ASSERT_NE(value, nullptr);
    EXPECT_STREQ(value, "abc");
    free(value);
    EXPECT_EQ(_CVGetRegistryString(HKEY_CURRENT_USER, "Software\\cvgui-test", "Number"), nullptr);
    EXPECT_EQ(_CVGetRegistryString(HKEY_CURRENT_USER, "Software\\cvgui-test", "Missing"), nullptr);
    EXPECT_EQ(_CVGetRegistryString(HKEY_CURRENT_USER, "Software\\cvgui-none", "RegisteredOwner"), nullptr);
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\cvgui-test");
#else
    EXPECT_EQ(_CVGetRegistryString(nullptr, "SOFTWARE\\Brannock\\Corvane\\Zebrant", "RegisteredOwner"), nullptr);
#endif
}

CHILD_TEST(System, IgnoringChildSignalsReapsChildren)
{
    ASSERT_EQ(_CVsigIgnore(18), 0);
    EXPECT_EQ(_CVsigIgnore(99), -1);
#ifndef _WIN32
    struct sigaction current;
    sigaction(SIGCHLD, nullptr, &current);
    EXPECT_EQ(current.sa_handler, SIG_IGN);
    pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    // With SIGCHLD ignored the child leaves no zombie: waiting finds none.
    EXPECT_EQ(waitpid(child, nullptr, 0), -1);
    EXPECT_EQ(errno, ECHILD);
#endif
}

TEST(System, IgnoresSignalsByTheSuitesNumbers)
{
    EXPECT_TRUE(runIsolated("System.InChild_IgnoringChildSignalsReapsChildren"));
}

} // namespace
