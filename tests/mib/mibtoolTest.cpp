// mibtool as a user runs it: modules go in and out of the database, the database keeps what it
// needs to be compiled again, and errors name the module, the file and the line while the
// database stays as it was.
#include "isolated.h"
#include "mibTestTree.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using ToolRun = IsolatedRun;
using mibtest::findNode;

std::string quote(const std::string &s)
{
    std::string out = "'";
    for (char c : s) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

class MibTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = mibtest::scratchDir(std::string("mibtool-") +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        db_ = dir_ + "/mib.db";
        cache_ = treeDir("CVGUI_MIB_CACHE");
        modules_ = treeDir("CVGUI_SOURCE_DIR") + "/tests/mib/modules";
        bad_ = treeDir("CVGUI_SOURCE_DIR") + "/tests/mib/bad";
    }

    // Runs mibtool on the test's database with the standard modules to import from, unless
    // the arguments start with "-" themselves.
    ToolRun tool(const std::vector<std::string> &args, bool searchCache = true, const std::string &env = "")
    {
        std::string cmd = env + " " + quote(treeDir("MIBTOOL")) + " -f " + quote(db_);
        if (searchCache) {
            for (const char *sub : {"ietf", "npm", "netsnmp"}) {
                cmd += " -M " + quote(cache_ + "/" + sub);
            }
        }
        for (const std::string &a : args) {
            cmd += " " + quote(a);
        }
        return runCommand(cmd + " 2>&1");
    }

    // Passes when mibtool ends with this status and says `text` (and `also`).
    ::testing::AssertionResult says(const std::vector<std::string> &args, int status, const std::string &text,
                                    const std::string &also = "")
    {
        ToolRun run = tool(args);
        if (run.status == status && run.output.find(text) != std::string::npos &&
            run.output.find(also) != std::string::npos) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "status " << run.status << ", no \"" << text << "\" in:\n" << run.output;
    }

    std::unique_ptr<cvmib::Database> load()
    {
        int code;
        std::string error;
        auto db = cvmib::Database::loadFile(db_, &code, &error);
        EXPECT_TRUE(db) << error;
        return db;
    }

    static std::string modules(const cvmib::Database &db)
    {
        std::string out;
        for (const auto &m : db.modules()) {
            out += std::string(m.name) + (m.added ? "+ " : " ");
        }
        return out;
    }

    std::string copyModule(const std::string &from, const std::string &name)
    {
        std::string to = dir_ + "/" + name;
        fs::copy_file(from, to, fs::copy_options::overwrite_existing);
        return to;
    }

    long long mtime()
    {
        struct stat st;
        return stat(db_.c_str(), &st) == 0 ? static_cast<long long>(st.st_mtime) : -1;
    }

    std::string dir_, db_, cache_, modules_, bad_;
};

TEST_F(MibTool, AddsListsAndRemovesModules)
{
    ToolRun add = tool({"add", modules_ + "/CVGUI-TEST-V1-MIB.mib"});
    ASSERT_EQ(add.status, 0) << add.output;
    auto db = load();
    ASSERT_TRUE(db);
    EXPECT_NE(findNode(*db, "cvV1Descr"), nullptr);
    EXPECT_EQ(modules(*db), "CVGUI-TEST-V1-MIB+ RFC-1212 RFC-1215 RFC1155-SMI RFC1213-MIB ");
    long long first = mtime();

    ASSERT_EQ(tool({"add", modules_ + "/CVGUI-TEST-MIB.mib"}).status, 0);
    db = load();
    EXPECT_NE(findNode(*db, "cvTestDescr"), nullptr);
    EXPECT_NE(findNode(*db, "cvV1Descr"), nullptr);
    long long second = mtime();
    EXPECT_GT(second, first);

    ToolRun list = tool({"list"}, false);
    ASSERT_EQ(list.status, 0) << list.output;
    EXPECT_NE(list.output.find("CVGUI-TEST-MIB                   added"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find("RFC1213-MIB                      imported"), std::string::npos) << list.output;
    EXPECT_NE(list.output.find(modules_ + "/CVGUI-TEST-MIB.mib"), std::string::npos) << list.output;

    // Its imports go with a module that no other needs them.
    ToolRun remove = tool({"remove", "CVGUI-TEST-V1-MIB"});
    ASSERT_EQ(remove.status, 0) << remove.output;
    db = load();
    EXPECT_EQ(findNode(*db, "cvV1Descr"), nullptr);
    EXPECT_EQ(findNode(*db, "ifInOctets"), nullptr); // it came with RFC1213-MIB
    EXPECT_NE(findNode(*db, "cvTestDescr"), nullptr);
    EXPECT_EQ(modules(*db).find("RFC1213-MIB"), std::string::npos) << modules(*db);
    EXPECT_GT(mtime(), second);

    ToolRun show = tool({"show", "cvTestEntry"}, false);
    ASSERT_EQ(show.status, 0) << show.output;
    EXPECT_NE(show.output.find("index        cvTestIndex, IMPLIED cvTestPortName"), std::string::npos)
        << show.output;
    EXPECT_NE(show.output.find("type         15 Sequence (CvTestEntry)"), std::string::npos) << show.output;
}

TEST_F(MibTool, DatabaseCompilesAgainFromItsOwnSources)
{
    std::string v1 = copyModule(modules_ + "/CVGUI-TEST-V1-MIB.mib", "CVGUI-TEST-V1-MIB.mib");
    std::string v2 = copyModule(modules_ + "/CVGUI-TEST-MIB.mib", "CVGUI-TEST-MIB.mib");
    ASSERT_EQ(tool({"add", v1, v2}).status, 0);
    fs::remove(v1);
    fs::remove(v2);
    // No module directory at all now: every import must come from the database itself.
    ToolRun remove = tool({"remove", "CVGUI-TEST-V1-MIB"}, false, "MIBDIRS=" + dir_ + "/nowhere");
    ASSERT_EQ(remove.status, 0) << remove.output;
    auto db = load();
    const CVmibNode *entry = findNode(*db, "cvTestEntry");
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->typeName, "CvTestEntry");
    EXPECT_STREQ(findNode(*db, "cvTestDescr")->description, "A description of the test agent.");
    EXPECT_STREQ(findNode(*db, "cvTestDescr")->module, "CVGUI-TEST-MIB");
    EXPECT_EQ(findNode(*db, "cvV1Descr"), nullptr);
}

TEST_F(MibTool, ParseErrorsNameModuleFileAndLine)
{
    ASSERT_EQ(tool({"add", modules_ + "/CVGUI-TEST-MIB.mib"}).status, 0);
    std::string before = readFile(db_);
    long long time = mtime();

    std::string broken = bad_ + "/CVGUI-BROKEN-MIB.mib";
    EXPECT_TRUE(says({"add", broken}, 1, "CVGUI-BROKEN-MIB (" + broken + ":16): error: ", "is unchanged"));
    EXPECT_TRUE(says({"add", bad_ + "/CVGUI-MISSING-IMPORT-MIB.mib"}, 1,
                     "CVGUI-MISSING-IMPORT-MIB (" + bad_ +
                         "/CVGUI-MISSING-IMPORT-MIB.mib:7): error: Cannot find module (CVGUI-NO-SUCH-MIB)"));
    EXPECT_TRUE(says({"add", bad_ + "/CVGUI-UNLINKED-MIB.mib"}, 1,
                     "CVGUI-UNLINKED-MIB (" + bad_ + "/CVGUI-UNLINKED-MIB.mib:7): error: "
                     "Unlinked OID in CVGUI-UNLINKED-MIB: cvUnlinkedValue ::= { cvNoSuchParent 1 }"));

    EXPECT_EQ(readFile(db_), before);
    EXPECT_EQ(mtime(), time);
}

TEST_F(MibTool, KeepGoingLeavesOutModulesWithErrors)
{
    ToolRun run = tool({"-k", "create", modules_, bad_});
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char *bad : {"CVGUI-BROKEN-MIB", "CVGUI-MISSING-IMPORT-MIB", "CVGUI-UNLINKED-MIB"}) {
        EXPECT_NE(run.output.find(std::string("left out ") + bad), std::string::npos) << run.output;
        EXPECT_EQ(modules(*load()).find(bad), std::string::npos);
    }
    auto db = load();
    EXPECT_NE(findNode(*db, "cvTestDescr"), nullptr);
    EXPECT_NE(findNode(*db, "cvV1Descr"), nullptr);
}

TEST_F(MibTool, AddingAModuleAgainReplacesIt)
{
    std::string copy = copyModule(modules_ + "/CVGUI-TEST-V1-MIB.mib", "v1.mib");
    ASSERT_EQ(tool({"add", copy}).status, 0);
    std::string text = readFile(copy);
    size_t at = text.find("Number of resets.");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 17, "Resets since installation.");
    std::string changed = dir_ + "/changed/CVGUI-TEST-V1-MIB.txt";
    fs::create_directories(dir_ + "/changed");
    std::ofstream(changed) << text;
    ASSERT_EQ(tool({"add", changed}).status, 0);
    auto db = load();
    EXPECT_STREQ(findNode(*db, "cvV1Resets")->description, "Resets since installation.");
    ASSERT_EQ(db->modules()[0].name, std::string("CVGUI-TEST-V1-MIB"));
    EXPECT_EQ(db->modules()[0].file, changed);
}

TEST_F(MibTool, SearchDirectoriesMayHoldOtherThingsThanModules)
{
    // A FIFO, a directory, binary and text files beside the module: none of them may stop the
    // compiler (net-snmp alone would wait on the FIFO for ever).
    std::string mixed = dir_ + "/mixed";
    fs::create_directories(mixed + "/subdir");
    ASSERT_EQ(mkfifo((mixed + "/a-fifo").c_str(), 0600), 0);
    std::ofstream(mixed + "/notes.txt") << "not a module\n";
    std::ofstream(mixed + "/blob.bin", std::ios::binary) << std::string("\0\x01\xff--\"", 7);
    std::string module = mixed + "/CVGUI-TEST-V1-MIB.mib";
    fs::copy_file(modules_ + "/CVGUI-TEST-V1-MIB.mib", module);
    ToolRun run = tool({"-M", mixed, "add", module}, true, "timeout 60");
    ASSERT_EQ(run.status, 0) << run.output;
    auto db = load();
    EXPECT_NE(findNode(*db, "cvV1Descr"), nullptr);
    EXPECT_EQ(db->modules()[0].file, module);
}

TEST_F(MibTool, RefusesWrongRequestsAndLeavesTheDatabase)
{
    ASSERT_EQ(tool({"add", modules_ + "/CVGUI-TEST-V1-MIB.mib", cache_ + "/ietf/RFC1213-MIB.mib"}).status, 0);
    std::string before = readFile(db_);

    EXPECT_TRUE(says({"remove", "NO-SUCH-MIB"}, 1, "NO-SUCH-MIB is not in the database"));
    EXPECT_TRUE(says({"remove", "RFC1155-SMI"}, 1, "RFC1155-SMI was not added but imported"));
    EXPECT_TRUE(says({"remove", "RFC1213-MIB"}, 1, "cannot remove RFC1213-MIB: CVGUI-TEST-V1-MIB imports it"));
    std::string notModule = dir_ + "/notes.txt";
    std::ofstream(notModule) << "These are notes, not a MIB module.\n";
    EXPECT_TRUE(says({"add", notModule}, 1, notModule + ": error: not an SMI module"));
    EXPECT_TRUE(says({"add", dir_ + "/absent.mib"}, 1, "no such file or directory"));
    EXPECT_EQ(tool({"frobnicate"}).status, 2);
    EXPECT_EQ(tool({"remove"}).status, 2);
    EXPECT_EQ(readFile(db_), before);

    // A damaged database is not silently overwritten by an add.
    std::ofstream(db_, std::ios::binary | std::ios::trunc) << before.substr(0, 100);
    EXPECT_TRUE(says({"add", modules_ + "/CVGUI-TEST-MIB.mib"}, 1, "truncated", "mibtool create"));
    ASSERT_EQ(tool({"create", modules_ + "/CVGUI-TEST-MIB.mib"}).status, 0);
    EXPECT_TRUE(load());

    // A database of the first format is not read, and the way out is named once.
    std::string old = readFile(db_);
    old[8] = 1;
    std::ofstream(db_, std::ios::binary | std::ios::trunc) << old;
    ToolRun earlier = tool({"add", modules_ + "/CVGUI-TEST-V1-MIB.mib"});
    EXPECT_EQ(earlier.status, 1);
    EXPECT_NE(earlier.output.find("database version 1.0; this library reads 2.x"), std::string::npos)
        << earlier.output;
    EXPECT_EQ(earlier.output.find("mibtool create"), earlier.output.rfind("mibtool create")) << earlier.output;
    EXPECT_EQ(readFile(db_), old);
}

} // namespace
