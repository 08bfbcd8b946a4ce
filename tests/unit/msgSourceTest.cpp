// The catalogue sources and their reader: the Windows catopen stand-in must see the same texts as
// gencat and catgets do on Linux, and the German catalogue must keep every format intact.
#include "cvMsgSource.h"
#include "cvMsgIds.h"

#include "testenv.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#ifndef _WIN32
#include <nl_types.h>
#include <unistd.h>
#endif

namespace {

cv::MsgTable parseFile(const std::string &path)
{
    cv::MsgTable table;
    std::string error;
    EXPECT_TRUE(cv::parseMsgSource(readFile(path), table, &error)) << path << ": " << error;
    return table;
}

std::string catalogueSource(const char *lang)
{
    std::string dir = treeDir("CVGUI_SOURCE_DIR") + "/util_libs/nls/";
    return std::string(lang) == "en" ? dir + "util_libs.msg" : dir + lang + "/util_libs.msg";
}

// The printf conversions of a text, in order ("%s", "%d", "%08x", ...).
std::vector<std::string> conversions(const std::string &text)
{
    static const std::regex conv("%[-+ #0]*[0-9*]*(\\.[0-9*]+)?(hh|h|ll|l|L|z|j|t)?[diouxXeEfgGcspn%]");
    std::vector<std::string> out;
    for (std::sregex_iterator it(text.begin(), text.end(), conv), end; it != end; ++it) {
        out.push_back(it->str());
    }
    return out;
}

const char tricky[] =
    "$ a comment\n"
    "$set 2\n"
    "1 plain text with  two blanks\n"
    "2\ttab separated\n"
    "3 escapes \\n\\t\\\\ and octal \\101\\60x\n"
    "4 first line \\\n"
    "continued\n"
    "5\n"
    "$quote \"\n"
    "6 \"quoted \\\"text\\\" with trailing blanks  \"\n"
    "7 unquoted after quote was set\n"
    "$set 3\n"
    "1 set three\n"
    "8 \"\"\n"
    "$delset 2\n"
    "$set 4\n"
    "9 survives\n";

} // namespace

TEST(CatalogueSource, ReadsDirectivesEscapesAndQuotes)
{
    cv::MsgTable t;
    std::string error;
    ASSERT_TRUE(cv::parseMsgSource(tricky, t, &error)) << error;
    // Set 2 was deleted as a whole.
    EXPECT_EQ(t.count({2, 1}), 0u);
    EXPECT_EQ(t.at({3, 1}), "set three");
    EXPECT_EQ(t.at({3, 8}), "");
    EXPECT_EQ(t.at({4, 9}), "survives");

    cv::MsgTable kept;
    std::string noDelset = std::string(tricky).substr(0, std::string(tricky).find("$delset"));
    ASSERT_TRUE(cv::parseMsgSource(noDelset, kept, &error)) << error;
    EXPECT_EQ(kept.at({2, 1}), "plain text with  two blanks");
    EXPECT_EQ(kept.at({2, 2}), "tab separated");
    EXPECT_EQ(kept.at({2, 3}), "escapes \n\t\\ and octal A0x");
    EXPECT_EQ(kept.at({2, 4}), "first line continued");
    EXPECT_EQ(kept.at({2, 5}), "");
    EXPECT_EQ(kept.at({2, 6}), "quoted \"text\" with trailing blanks  ");
    EXPECT_EQ(kept.at({2, 7}), "unquoted after quote was set");
}

TEST(CatalogueSource, RefusesMalformedSourcesWithTheLine)
{
    cv::MsgTable t;
    std::string error;
    EXPECT_FALSE(cv::parseMsgSource("$quote \"\n1 \"never closed\n", t, &error));
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    EXPECT_FALSE(cv::parseMsgSource("$set 1\n\nx not a number\n", t, &error));
    EXPECT_EQ(error.rfind("line 3:", 0), 0u) << error;
    EXPECT_FALSE(cv::parseMsgSource("$set 0\n", t, &error));
    EXPECT_FALSE(cv::parseMsgSource("0 zero is no message number\n", t, &error));
    EXPECT_FALSE(cv::parseMsgSource("12abc\n", t, &error));
    EXPECT_FALSE(cv::parseMsgSource("$set 2\n4 a\n$set 3\n4 b\n$set 2\n4 c\n", t, &error));
    EXPECT_EQ(error, "line 6: message 4 defined twice");
}

TEST(CatalogueSource, GermanKeepsEveryNumberAndFormatOfTheEnglish)
{
    cv::MsgTable en = parseFile(catalogueSource("en"));
    cv::MsgTable de = parseFile(catalogueSource("de"));
    ASSERT_GT(en.size(), 150u);
    for (const auto &[key, text] : en) {
        EXPECT_EQ(key.first, 3) << "message " << key.second << " outside set 3";
        auto it = de.find(key);
        ASSERT_NE(it, de.end()) << "message " << key.second << " has no German text";
        EXPECT_EQ(conversions(it->second), conversions(text)) << "message " << key.second;
    }
    EXPECT_EQ(de.size(), en.size());
}

TEST(CatalogueSource, BuiltInTextsAreTheEnglishCatalogue)
{
    cv::MsgTable en = parseFile(catalogueSource("en"));
    size_t named = 0;
#define CHECK_MESSAGE(id, number, text)                                                              \
    EXPECT_EQ(en.at({3, number}), text) << #id;                                                      \
    EXPECT_STREQ(cvMsgDefault(number), text) << #id;                                                 \
    named++;
    CVMSG_EACH(CHECK_MESSAGE)
#undef CHECK_MESSAGE
    EXPECT_EQ(named, en.size()) << "every message of the catalogue has a name";
    EXPECT_EQ(cvMsgDefault(26), nullptr);
    EXPECT_EQ(cvMsgDefault(9999), nullptr);
}

// A call site that writes a number and its text again can drift from the catalogue; every
// lookup goes through the named table instead.
TEST(CatalogueSource, NoSourceRepeatsANumberAndItsText)
{
    namespace fs = std::filesystem;
    static const std::regex rawLookup("_util_libsMsg\\(\\s*3\\s*,\\s*[0-9]");
    std::string root = treeDir("CVGUI_SOURCE_DIR");
    size_t files = 0;
    for (const char *dir : {"util_libs/src", "suite", "tools", "afx"}) {
        for (const auto &entry : fs::recursive_directory_iterator(root + "/" + dir)) {
            std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".c" && ext != ".h") {
                continue;
            }
            files++;
            EXPECT_FALSE(std::regex_search(readFile(entry.path().string()), rawLookup)) << entry.path();
        }
    }
    EXPECT_GT(files, 50u);
}

#ifndef _WIN32
namespace {
// Every message of a source, as glibc's gencat and catgets see it.
void expectSameAsGencat(const std::string &sourcePath)
{
    cv::MsgTable ours = parseFile(sourcePath);
    char compiled[] = "/tmp/cvgui-catXXXXXX";
    int fd = mkstemp(compiled);
    ASSERT_GE(fd, 0);
    close(fd);
    unlink(compiled); // gencat merges into an existing file
    std::string cmd = "gencat " + std::string(compiled) + " " + sourcePath;
    ASSERT_EQ(system(cmd.c_str()), 0) << cmd;
    nl_catd cat = catopen(compiled, 0);
    ASSERT_NE(cat, reinterpret_cast<nl_catd>(-1));
    const char *missing = "\x01missing";
    for (int set = 1; set <= 5; set++) {
        for (int n = 1; n <= 400; n++) {
            const char *theirs = catgets(cat, set, n, missing);
            auto it = ours.find({set, n});
            if (theirs == missing) {
                EXPECT_EQ(it, ours.end()) << sourcePath << " set " << set << " message " << n;
            } else {
                ASSERT_NE(it, ours.end()) << sourcePath << " set " << set << " message " << n;
                EXPECT_EQ(it->second, theirs) << sourcePath << " set " << set << " message " << n;
            }
        }
    }
    catclose(cat);
    unlink(compiled);
}
} // namespace

TEST(CatalogueSource, ReadsExactlyWhatGencatCompiles)
{
    expectSameAsGencat(catalogueSource("en"));
    expectSameAsGencat(catalogueSource("de"));

    std::string path = "/tmp/cvgui-tricky.msg";
    std::ofstream(path) << std::string(tricky).substr(0, std::string(tricky).find("$delset"));
    expectSameAsGencat(path);
    unlink(path.c_str());
}
#endif
