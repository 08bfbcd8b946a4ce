// The MIB library as the selector, the description windows and the event description call it:
// which file, loading and reloading, names both ways, children, and integer objects.
#include "cvsnmp.h"
#include "mibTestTree.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> children;
int collect(const char *label)
{
    children.push_back(label);
    return 0;
}

std::vector<std::string> messages;
int message(const char *format, ...)
{
    char text[512];
    va_list ap;
    va_start(ap, format);
    vsnprintf(text, sizeof text, format, ap);
    va_end(ap);
    messages.push_back(text);
    return 0;
}

class MibLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = mibtest::scratchDir("library-" + std::string(
                                                    ::testing::UnitTest::GetInstance()->current_test_info()->name())) +
                "/mib.db";
        mibtest::writeDatabase(mibtest::standardTree(), path_);
        mibtest::loadMib(path_);
        children.clear();
        messages.clear();
    }

    static std::string read(const char *name) { return mibtest::readName(name); }
    static std::string symbolic(const char *name) { return mibtest::readName(name, true); }

    std::string path_;
};

TEST_F(MibLibrary, FileIsNamedByTheEnvironmentElseInstalledBesideTheLibrary)
{
    EXPECT_EQ(CVmib_get_mib_filename(), path_);
    unsetEnv("CVMIBFILE");
    std::string fallback = CVmib_get_mib_filename();
    EXPECT_NE(fallback, path_);
    std::string tail = fallback.substr(fallback.size() - std::min<size_t>(fallback.size(), 18));
    std::replace(tail.begin(), tail.end(), '\\', '/');
    EXPECT_EQ(tail, "share/cvgui/mib.db") << fallback;
    setEnv("CVMIBFILE", path_.c_str());
}

TEST_F(MibLibrary, ReadsSymbolicNumericAndMixedNames)
{
    EXPECT_EQ(read(".iso.org.dod.internet"), ".1.3.6.1");
    EXPECT_EQ(read(".1.3.6.1"), ".1.3.6.1");
    EXPECT_EQ(read("1.3.6.1"), ".1.3.6.1");
    EXPECT_EQ(read(".iso.3.dod.1.mgmt"), ".1.3.6.1.2");
    EXPECT_EQ(read(".iso.org.dod.internet.mgmt.mib-2.system.sysDescr"), ".1.3.6.1.2.1.1.1");
    // Descriptors are found anywhere, also with the module named, and instances follow.
    EXPECT_EQ(read("sysDescr"), ".1.3.6.1.2.1.1.1");
    EXPECT_EQ(read("sysDescr.0"), ".1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(read("ifEntry.ifDescr.12"), ".1.3.6.1.2.1.2.2.1.2.12");
    EXPECT_EQ(read("IF-MIB::ifDescr"), ".1.3.6.1.2.1.2.2.1.2");
    // Numbers go on past what the MIB knows: unknown enterprises, instances.
    EXPECT_EQ(read(".1.3.6.1.4.1.99999.1.2"), ".1.3.6.1.4.1.99999.1.2");
    EXPECT_EQ(read(".iso.org.dod.internet.private.enterprises.4294967295"),
              ".1.3.6.1.4.1.4294967295");
}

TEST_F(MibLibrary, ReadsANameThroughEveryModuleAndLabelThatDefinesIt)
{
    // Each module that defines a node names it, not only the one whose facts it carries.
    EXPECT_EQ(read("IF-MIB::ifInOctets"), ".1.3.6.1.2.1.2.2.1.10");
    EXPECT_EQ(read("RFC1213-MIB::ifInOctets"), ".1.3.6.1.2.1.2.2.1.10");
    EXPECT_EQ(read("RFC1213-MIB::system.sysDescr.0"), ".1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(read("RFC1213-MIB:sysDescr"), ".1.3.6.1.2.1.1.1");
    EXPECT_EQ(read("ANY::ifDescr"), ".1.3.6.1.2.1.2.2.1.2");
    // A second label of one identifier reads everywhere a label does; names give the first.
    EXPECT_EQ(read("ifBandwidth"), ".1.3.6.1.2.1.2.2.1.5");
    EXPECT_EQ(read("IF-MIB::ifBandwidth.3"), ".1.3.6.1.2.1.2.2.1.5.3");
    EXPECT_EQ(symbolic(".iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifBandwidth"),
              ".iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifSpeed");
    EXPECT_TRUE(CVmib_is_int("ifBandwidth.1"));
    // A module that defines neither the node nor the label does not name it.
    for (const char *bad : {"RFC1213-MIB::ifDescr", "RFC1213-MIB::ifBandwidth", "SNMPv2-MIB::ifBandwidth",
                            "::ifDescr", "IF-MIB::", "NO-SUCH-MIB::ifDescr"}) {
        EXPECT_EQ(read(bad), "unreadable") << bad;
    }
}

TEST_F(MibLibrary, RefusesNamesItCannotRead)
{
    for (const char *bad : {"", ".", ".iso.", ".iso..org", ".iso.org.nosuch", "noSuchObject",
                            "SNMPv2-MIB::ifDescr", ".1.3.6.1.4.1.4294967296", ".1.3.x6",
                            ".1.3.6.1.4.1.99999.sysDescr", ".iso org", "sysDescr. 0"}) {
        EXPECT_EQ(read(bad), "unreadable") << '"' << bad << '"';
    }
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    EXPECT_NE(CVmib_read_objid(nullptr, oid, &count), 0);
}

TEST_F(MibLibrary, IdentifiersOfUpTo256SubIdentifiers)
{
    std::string name;
    for (int i = 0; i < 256; ++i) {
        name += "." + std::to_string(i == 0 ? 1 : i);
    }
    CVmibOid oid[CVMIB_MAX_OID + 8];
    int count = CVMIB_MAX_OID + 8;
    ASSERT_EQ(CVmib_read_objid(name.c_str(), oid, &count), 0);
    EXPECT_EQ(count, 256);
    EXPECT_EQ(oid[255], 255u);
    EXPECT_EQ(CVmibGetNumericObjidStr(oid, count), name);

    std::string tooLong = name + ".7";
    count = CVMIB_MAX_OID + 8;
    EXPECT_NE(CVmib_read_objid(tooLong.c_str(), oid, &count), 0);
    // The caller's room is respected too, also for a descriptor's own identifier.
    CVmibOid small[5] = {0, 0, 0, 0, 0};
    count = 4;
    EXPECT_NE(CVmib_read_objid("sysDescr", small, &count), 0);
    EXPECT_EQ(small[4], 0u) << "written past the room given";
    count = 3;
    EXPECT_NE(CVmib_read_objid(".1.3.6.1", oid, &count), 0);
    count = 4;
    EXPECT_EQ(CVmib_read_objid(".1.3.6.1", oid, &count), 0);
    EXPECT_EQ(count, 4);
}

TEST_F(MibLibrary, NamesIdentifiersSymbolicallyAsFarAsTheTreeGoes)
{
    EXPECT_EQ(symbolic(".1.3.6.1.2.1.1.1.0"), ".iso.org.dod.internet.mgmt.mib-2.system.sysDescr.0");
    EXPECT_EQ(symbolic(".1.3.6.1.4.1.99999.3"), ".iso.org.dod.internet.private.enterprises.99999.3");
    EXPECT_EQ(symbolic(".1.3.6.1.6.3.1.1.5.3"),
              ".iso.org.dod.internet.snmpV2.snmpModules.snmpMIB.snmpMIBObjects.snmpTraps.linkDown");
    EXPECT_EQ(symbolic(".5.1"), ".5.1");
    EXPECT_STREQ(CVmib_get_objid_name(nullptr, 0), "");
    EXPECT_STREQ(CVmib_get_loaded_path("ifDescr"), ".iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifDescr");
    EXPECT_STREQ(CVmib_get_loaded_path(".1.3.6.1"), ".iso.org.dod.internet");
    EXPECT_STREQ(CVmib_get_loaded_path(".iso.nosuch"), ".iso.nosuch");
}

TEST_F(MibLibrary, FindsNodesByIdentifier)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    ASSERT_EQ(CVmib_read_objid("ifType", oid, &count), 0);
    CVmibNode *ifType = CVmib_getTreeByObjId(oid, count, Mib);
    ASSERT_NE(ifType, nullptr);
    EXPECT_STREQ(ifType->label, "ifType");
    EXPECT_STREQ(ifType->typeName, "IANAifType");
    // An instance gives its object; inside a node that is not an object there is nothing.
    oid[count++] = 7;
    EXPECT_EQ(CVmib_getTreeByObjId(oid, count, Mib), ifType);
    CVmibOid beyond[] = {1, 3, 6, 1, 4, 1, 99999};
    EXPECT_EQ(CVmib_getTreeByObjId(beyond, 7, Mib), nullptr);
    CVmibOid iso[] = {1};
    EXPECT_STREQ(Mib->label, "ccitt") << "the root is the first top-level node";
    EXPECT_EQ(CVmib_getTreeByObjId(iso, 1, Mib), Mib->next);
    EXPECT_EQ(CVmib_getTreeByObjId(iso, 1, nullptr), nullptr);
    EXPECT_EQ(CVmib_getTreeByObjId(iso, 0, Mib), nullptr);
}

TEST_F(MibLibrary, ListsChildrenInMibOrderOrSorted)
{
    EXPECT_EQ(CVmib_get_children(".iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry",
                                 collect, message, 0),
              0);
    EXPECT_EQ(children, (std::vector<std::string>{"ifIndex", "ifDescr", "ifType", "ifSpeed",
                                                  "ifPhysAddress", "ifInOctets"}));
    children.clear();
    EXPECT_EQ(CVmib_get_children(".1.3.6.1.2.1.2.2.1", collect, message, CVMIB_CHILDREN_SORTED), 0);
    EXPECT_EQ(children, (std::vector<std::string>{"ifDescr", "ifInOctets", "ifIndex",
                                                  "ifPhysAddress", "ifSpeed", "ifType"}));
    children.clear();
    EXPECT_EQ(CVmib_get_children("sysDescr", collect, message, 0), 0);
    EXPECT_TRUE(children.empty());
    EXPECT_TRUE(messages.empty());

    EXPECT_EQ(CVmib_get_children(".iso.org.nosuch", collect, message, 0), -1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(".iso.org.nosuch"), std::string::npos) << messages[0];
    // An instance is no node of its own.
    EXPECT_EQ(CVmib_get_children("sysDescr.0", collect, nullptr, 0), -1);

    // The child function can stop the listing.
    children.clear();
    auto stopAfterTwo = [](const char *label) {
        children.push_back(label);
        return static_cast<int>(children.size() == 2);
    };
    EXPECT_EQ(CVmib_get_children("ifEntry", stopAfterTwo, message, 0), 0);
    EXPECT_EQ(children, (std::vector<std::string>{"ifIndex", "ifDescr"}));
}

TEST_F(MibLibrary, TellsNodesWithChildrenAndIntegerObjects)
{
    EXPECT_TRUE(CVmib_has_children(".iso"));
    EXPECT_TRUE(CVmib_has_children(".1"));
    EXPECT_TRUE(CVmib_has_children("ifEntry"));
    EXPECT_FALSE(CVmib_has_children("ifDescr"));
    EXPECT_FALSE(CVmib_has_children(".iso.nosuch"));
    EXPECT_FALSE(CVmib_has_children(""));

    for (const char *yes : {"ifType", "ifSpeed", "ifInOctets", "sysUpTime", "ifIndex", "ifInOctets.3"}) {
        EXPECT_TRUE(CVmib_is_int(yes)) << yes;
    }
    for (const char *no : {"sysDescr", "sysObjectID", "ifPhysAddress", "ifEntry", "ifTable",
                           "system", "coldStart", ".iso.nosuch", "ifEntry.99"}) {
        EXPECT_FALSE(CVmib_is_int(no)) << no;
    }
}

TEST_F(MibLibrary, ReloadsAChangedFileAndKeepsOldNodesReadable)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    ASSERT_EQ(CVmib_read_objid("sysDescr", oid, &count), 0);
    CVmibNode *old = CVmib_getTreeByObjId(oid, count, Mib);
    ASSERT_NE(old, nullptr);
    const CVmibNode *root = Mib;
    EXPECT_EQ(CVmib_load_mib(), 0);
    EXPECT_EQ(Mib, root) << "unchanged: nothing is loaded again";

    cvmib::Model changed = mibtest::standardTree();
    mibtest::TreeBuilder(changed).add("system", 4, "sysContact", CVMIB_T_DISPLAYSTR, CVMIB_A_READWRITE);
    mibtest::writeDatabase(changed, path_);
    EXPECT_FALSE(CVmib_has_children(".iso.org.dod.internet.mgmt.mib-2.system.sysContact"));
    ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();
    count = CVMIB_MAX_OID;
    EXPECT_EQ(CVmib_read_objid("sysContact", oid, &count), 0);
    EXPECT_STREQ(old->label, "sysDescr"); // a caller's node from before stays readable
    EXPECT_STREQ(old->description, "A textual description of the entity.");
}

TEST_F(MibLibrary, FailedReloadKeepsWhatWasLoaded)
{
    {
        std::ofstream(path_ + ".bad", std::ios::binary) << "CVMIBDB\x1a" << std::string(30, '\0');
    }
    std::filesystem::rename(path_ + ".bad", path_);
    EXPECT_EQ(CVmib_load_mib(), CVMIB_E_TRUNCATED);
    EXPECT_NE(std::string(CVmib_load_error()).find(path_), std::string::npos) << CVmib_load_error();
    EXPECT_NE(Mib, nullptr);
    EXPECT_EQ(read("ifType"), ".1.3.6.1.2.1.2.2.1.3");

    setEnv("CVMIBFILE", (path_ + ".none").c_str());
    EXPECT_EQ(CVmib_load_mib(), CVMIB_E_OPEN);
    EXPECT_EQ(read("ifType"), ".1.3.6.1.2.1.2.2.1.3");
    setEnv("CVMIBFILE", path_.c_str());
}

TEST_F(MibLibrary, SwitchesToAnotherFileNamedByTheEnvironment)
{
    std::string other = mibtest::scratchDir("library-other") + "/other.db";
    cvmib::Model small;
    mibtest::TreeBuilder t(small);
    t.module("OTHER-MIB");
    t.add("", 1, "iso");
    t.add("iso", 3, "org");
    mibtest::writeDatabase(small, other);
    mibtest::loadMib(other);
    EXPECT_STREQ(Mib->label, "iso");
    EXPECT_EQ(read("sysDescr"), "unreadable");
    mibtest::loadMib(path_);
    EXPECT_EQ(read("sysDescr"), ".1.3.6.1.2.1.1.1");
}

} // namespace
