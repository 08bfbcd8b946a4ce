// The map session as the tools use it: joining (and the silent "no session" case), the map's
// objects and selection, and the events a map delivers to the registered callbacks.
#include "cvw.h"
#include "testenv.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

const char mapText[] =
    "# the lab's map\n"
    "cvwmap 1\n"
    "session  lab map  \n"
    "field 1 IP Address\n"
    "field 2 IPX Address\n"
    "field 7 Vendor\n"
    "object 101 Internet:router1\n"
    "host 101 router1.lab.example\n"
    "value 101 1 10.1.2.3\n"
    "value 101 7  Brannock  Systems \n"
    "object 102 Internet:hub\n"
    "value 102 2 0000C0A8:00A0C9123456\n"
    "object 4294967295 Internet:last\n"
    "select 102 101\n"
    "select 4294967295\n";

std::string writeMap(const std::string &name, const std::string &text)
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "cvgui-cvw";
    std::filesystem::create_directories(dir);
    std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

std::vector<CVwObjectId> selection()
{
    std::vector<CVwObjectId> ids;
    CVwObjectIdList *list = CVwGetSelections(0, 0);
    if (list == nullptr) {
        return {0};
    }
    ids.assign(list->objlist, list->objlist + list->count);
    CVwDbFreeObjectIdList(list);
    return ids;
}

class MapSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = writeMap("lab.map", mapText);
        unsetEnv("CVWMAPFILE");
    }
    std::string path_;
};

TEST_F(MapSession, NoSessionIsErrorFifteen)
{
    EXPECT_NE(_CVwInitSession(CVW_VERSION, "mibappl", nullptr), 0);
    EXPECT_EQ(CVwError(), 15);
    EXPECT_NE(std::string(CVwErrorMsg(15)).find("CVWMAPFILE"), std::string::npos) << CVwErrorMsg(15);
    EXPECT_EQ(CVwSessionId(), nullptr);
    EXPECT_EQ(CVwGetSelections(0, 0), nullptr);
    EXPECT_EQ(CVwDbObjectIdToHostname(101), nullptr);
    EXPECT_EQ(CVwError(), CVW_E_NO_SESSION);
    EXPECT_NE(_CVwInitSession(CVW_VERSION, "mibappl", ""), 0);
    EXPECT_EQ(CVwError(), 15);
}

TEST_F(MapSession, JoinsTheMapNamedByTheEnvironmentOrTheArgument)
{
    setEnv("CVWMAPFILE", path_.c_str());
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "mibappl", nullptr), 0) << CVwErrorMsg(CVwError());
    EXPECT_STREQ(CVwSessionId(), "lab map");

    // An object may have neither selection name nor host name.
    std::string other = writeMap("other.map", "cvwmap 1\nobject 7\nobject 8 Internet:hub\nselect 7 8\n");
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "mibappl", other.c_str()), 0) << CVwErrorMsg(CVwError());
    EXPECT_STREQ(CVwSessionId(), "other"); // no session line: the file's name
    EXPECT_EQ(CVwDbObjectIdToSelectionName(101), nullptr);
    EXPECT_EQ(selection(), (std::vector<CVwObjectId>{7, 8}));
    EXPECT_EQ(CVwDbObjectIdToSelectionName(7), nullptr);
    EXPECT_EQ(CVwError(), CVW_E_NO_VALUE);
    EXPECT_EQ(CVwDbObjectIdToHostname(7), nullptr);
    EXPECT_STREQ(CVwDbObjectIdToSelectionName(8), "Internet:hub");
}

TEST_F(MapSession, AnswersForTheMapsObjects)
{
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "mibappl", path_.c_str()), 0) << CVwErrorMsg(CVwError());
    EXPECT_EQ(selection(), (std::vector<CVwObjectId>{102, 101, 4294967295u}));
    EXPECT_STREQ(CVwDbObjectIdToHostname(101), "router1.lab.example");
    EXPECT_STREQ(CVwDbObjectIdToSelectionName(101), "Internet:router1");
    EXPECT_EQ(CVwDbObjectIdToHostname(102), nullptr);
    EXPECT_EQ(CVwError(), CVW_E_NO_VALUE);
    EXPECT_STREQ(CVwDbObjectIdToSelectionName(102), "Internet:hub");

    CVwFieldId ip = CVwDbFieldNameToFieldId("IP Address");
    CVwFieldId ipx = CVwDbFieldNameToFieldId("IPX Address");
    EXPECT_EQ(ip, 1u);
    EXPECT_FALSE(CVwIsIdNull(ip));
    EXPECT_STREQ(CVwDbGetFieldStringValue(101, ip), "10.1.2.3");
    EXPECT_STREQ(CVwDbGetFieldStringValue(102, ipx), "0000C0A8:00A0C9123456");
    EXPECT_STREQ(CVwDbGetFieldStringValue(101, CVwDbFieldNameToFieldId("Vendor")), "Brannock  Systems");
    EXPECT_EQ(CVwDbGetFieldStringValue(102, ip), nullptr);
    EXPECT_TRUE(CVwIsIdNull(CVwDbFieldNameToFieldId("DECnet Address")));
    EXPECT_TRUE(CVwIsIdNull(0));

    EXPECT_EQ(CVwDbObjectIdToSelectionName(999), nullptr);
    EXPECT_EQ(CVwError(), CVW_E_NO_OBJECT);
    EXPECT_NE(std::string(CVwErrorMsg(CVW_E_NO_OBJECT)).find("999"), std::string::npos);
}

TEST_F(MapSession, SeesANewSelectionWhenTheMapRewritesItsFile)
{
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "mibappl", path_.c_str()), 0);
    const char *before = CVwDbObjectIdToSelectionName(101);
    std::string changed = mapText;
    changed.replace(changed.find("select 102 101\n"), 15, "select 101 102\n");
    writeMap("lab.map", changed);
    EXPECT_EQ(selection(), (std::vector<CVwObjectId>{101, 102, 4294967295u}));
    EXPECT_STREQ(before, "Internet:router1"); // a text handed out earlier stays valid

    // A file that went bad leaves the last good map, and says so.
    writeMap("lab.map", "cvwmap 1\nselect 7\n");
    EXPECT_EQ(selection(), (std::vector<CVwObjectId>{101, 102, 4294967295u}));
    EXPECT_EQ(CVwError(), CVW_E_MAP_FORMAT);
}

TEST_F(MapSession, RefusesMalformedMapsNamingTheLine)
{
    struct Bad {
        const char *text;
        const char *expected;
    } bad[] = {
        {"", "line 1: empty map file"},
        {"cvwmap 2\n", "line 1: a map file starts with"},
        {"cvwmap 1\nobjekt 1 x\n", "line 2: unknown statement \"objekt\""},
        {"cvwmap 1\nobject 0 x\n", "line 2: expected: object ID"},
        {"cvwmap 1\nobject 4294967296 x\n", "line 2: expected: object ID"},
        {"cvwmap 1\nobject 1 a\nobject 1 b\n", "line 3: object 1 defined twice"},
        {"cvwmap 1\n\nhost 3 h\n", "line 3: object 3 is not defined"},
        {"cvwmap 1\nobject 3 x\nhost 3 two words\n", "line 3: expected: host ID HOSTNAME"},
        {"cvwmap 1\nobject 3 x\nvalue 3 9 v\n", "line 3: field 9 is not defined"},
        {"cvwmap 1\nobject 3 x\nselect 3 x3\n", "line 3: \"x3\" is not an object number"},
    };
    for (const Bad &b : bad) {
        std::string file = writeMap("bad.map", b.text);
        EXPECT_NE(_CVwInitSession(CVW_VERSION, "mibappl", file.c_str()), 0) << b.text;
        EXPECT_EQ(CVwError(), CVW_E_MAP_FORMAT) << b.text;
        std::string message = CVwErrorMsg(CVwError());
        EXPECT_NE(message.find(file), std::string::npos) << message;
        EXPECT_NE(message.find(b.expected), std::string::npos) << message;
        EXPECT_EQ(CVwSessionId(), nullptr);
    }
    std::string missing = (std::filesystem::temp_directory_path() / "cvgui-cvw" / "none.map").string();
    EXPECT_NE(_CVwInitSession(CVW_VERSION, "mibappl", missing.c_str()), 0);
    EXPECT_EQ(CVwError(), CVW_E_MAP_OPEN);
    EXPECT_NE(std::string(CVwErrorMsg(CVW_E_MAP_OPEN)).find(missing), std::string::npos);
    EXPECT_NE(_CVwInitSession(4, "mibappl", path_.c_str()), 0);
    EXPECT_EQ(CVwError(), CVW_E_VERSION);
    EXPECT_STREQ(CVwErrorMsg(77), "Unknown map session error 77");
}

struct Delivery {
    std::vector<std::string> log;
};

void onEnd(void *data, unsigned long event, int normal)
{
    static_cast<Delivery *>(data)->log.push_back("end " + std::to_string(event) + " " + std::to_string(normal));
}

void onAction(void *data, char *action, char *app, CVwObjectIdList *sel, int argc, char **argv,
              CVwMapInfo *map, unsigned long serial)
{
    std::string entry = std::string(action) + " " + app + " " + map->mapName + " [";
    for (int i = 0; i < sel->count; ++i) {
        entry += std::to_string(sel->objlist[i]) + (i + 1 < sel->count ? "," : "");
    }
    entry += "]";
    for (int i = 0; i < argc; ++i) {
        entry += " " + std::string(argv[i]);
    }
    EXPECT_EQ(argv[argc], nullptr);
    EXPECT_GT(serial, 0u);
    static_cast<Delivery *>(data)->log.push_back(entry);
}

// Joining again forgets the callbacks of the session before.
TEST_F(MapSession, DeliversActionsAndTheEndOfTheSession)
{
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "a", path_.c_str()), 0);
    Delivery stale, all, graphs, ends;
    CVwAddCallback(CVW_END_SESSION, 0, onEnd, &stale);
    ASSERT_EQ(_CVwInitSession(CVW_VERSION, "xzbgraph", path_.c_str()), 0);
    EXPECT_EQ(CVwAddActionCallback(nullptr, onAction, &all), 0);
    EXPECT_EQ(CVwAddActionCallback("graph", onAction, &graphs), 0);
    EXPECT_EQ(CVwAddCallback(CVW_END_SESSION, 0, onEnd, &ends), 0);
    EXPECT_NE(CVwAddCallback(7, 0, onEnd, &ends), 0);
    EXPECT_EQ(CVwError(), CVW_E_EVENT);
    EXPECT_NE(CVwAddActionCallback(nullptr, nullptr, &all), 0);
    EXPECT_EQ(CVwError(), CVW_E_ARGUMENT);

    char arg0[] = "-c", arg1[] = "ifInOctets";
    char *argv[] = {arg0, arg1, nullptr};
    CVwEvent graph = {CVW_ACTION, 0, "graph", 2, argv};
    EXPECT_EQ(CVwDispatchEvent(&graph), 2);
    CVwEvent raise = {CVW_ACTION, 0, "raise", 0, nullptr};
    EXPECT_EQ(CVwDispatchEvent(&raise), 1);
    EXPECT_EQ(all.log, (std::vector<std::string>{"graph xzbgraph lab map [102,101,4294967295] -c ifInOctets",
                                                 "raise xzbgraph lab map [102,101,4294967295]"}));
    EXPECT_EQ(graphs.log, (std::vector<std::string>{"graph xzbgraph lab map [102,101,4294967295] -c ifInOctets"}));
    CVwEvent nameless = {CVW_ACTION, 0, nullptr, 0, nullptr};
    EXPECT_EQ(CVwDispatchEvent(&nameless), -1);
    CVwEvent unknown = {9, 0, nullptr, 0, nullptr};
    EXPECT_EQ(CVwDispatchEvent(&unknown), -1);
    EXPECT_EQ(CVwError(), CVW_E_EVENT);

    CVwEvent end = {CVW_END_SESSION, 1, nullptr, 0, nullptr};
    EXPECT_EQ(CVwDispatchEvent(&end), 1);
    EXPECT_EQ(ends.log, (std::vector<std::string>{"end 1 1"}));
    EXPECT_TRUE(stale.log.empty());
    // The session is over.
    EXPECT_EQ(CVwSessionId(), nullptr);
    EXPECT_EQ(CVwDispatchEvent(&raise), -1);
    EXPECT_EQ(CVwError(), CVW_E_NO_SESSION);
    EXPECT_NE(CVwAddCallback(CVW_END_SESSION, 0, onEnd, &ends), 0);
    EXPECT_EQ(CVwError(), CVW_E_NO_SESSION);
}

} // namespace
