// A database compiled by mibtool from our SMI modules, covering every kind of definition, loaded
// by the library as the selector and the description windows read it. The Windows build loads
// the file the Linux build compiled; the standard modules are held to net-snmp's facts in
// mib_netsnmp and asked the selector's questions in unit_mibsel and unit_msmibinfo.
#include "mibTestTree.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> labels;
int collect(const char *label)
{
    labels.push_back(label);
    return 0;
}

using mibtest::enumTexts;
using mibtest::nameTexts;

std::string text(const char *s)
{
    return s != nullptr ? s : "(null)";
}

class TestModules : public ::testing::Test {
protected:
    void SetUp() override
    {
        mibtest::loadMib(treeDir("CVGUI_TEST_MIBDB"));
        labels.clear();
    }

    const CVmibNode *node(const char *name)
    {
        CVmibOid oid[CVMIB_MAX_OID];
        int count = CVMIB_MAX_OID;
        const CVmibNode *n = CVmib_read_objid(name, oid, &count) == 0 ? CVmib_getTreeByObjId(oid, count, Mib) : nullptr;
        if (n == nullptr) {
            ADD_FAILURE() << "no node for " << name;
            return &missing_;
        }
        return n;
    }

    CVmibNode missing_{};
};

TEST_F(TestModules, DefinitionsThatAreNoObjects)
{
    const struct {
        const char *name;
        int type;
        const char *description;
    } expected[] = {
        {"cvTestMIB", CVMIB_T_MODID, "Test module: one of each kind of definition."},
        {"cvTestRouter", CVMIB_T_OBJIDENTITY, "The test router product."},
        {"cvTestScalars", CVMIB_T_NONE, nullptr}, // an OBJECT IDENTIFIER value
        {"cvTestTableGroup", CVMIB_T_OBJGROUP, nullptr},
        {"cvTestNotificationGroup", CVMIB_T_NOTIFGROUP, nullptr},
        {"cvTestCompliance", CVMIB_T_MODCOMP, "What an agent implements."},
        {"cvTestCapabilities", CVMIB_T_AGENTCAP, nullptr},
    };
    for (const auto &e : expected) {
        const CVmibNode *n = node(e.name);
        EXPECT_EQ(n->type, e.type) << e.name;
        EXPECT_EQ(n->access, CVMIB_A_NONE) << e.name;
        if (e.description != nullptr) {
            EXPECT_STREQ(n->description, e.description) << e.name;
        }
    }
    EXPECT_EQ(mibtest::readName("cvTestMIB"), ".1.3.6.1.4.1.99999");
    EXPECT_STREQ(node("cvTestMIB")->module, "CVGUI-TEST-MIB");
    EXPECT_EQ(node("cvTestScalars")->description, nullptr);
}

TEST_F(TestModules, ScalarTypesWithTheirNamesConstraintsAndUnits)
{
    struct Expect {
        const char *name;
        int type;
        const char *typeName;
        const char *suffix;
        const char *units;
        int access;
    };
    const Expect expected[] = {
        {"cvTestDescr", CVMIB_T_DISPLAYSTR, "DisplayString", "(SIZE (0..64))", nullptr, CVMIB_A_READONLY},
        {"cvTestMac", CVMIB_T_PHYSADDR, "PhysAddress", nullptr, nullptr, CVMIB_A_READONLY},
        {"cvTestPackets", CVMIB_T_COUNTER, nullptr, nullptr, "packets", CVMIB_A_READONLY},
        {"cvTestOctets", CVMIB_T_COUNTER64, nullptr, nullptr, "octets", CVMIB_A_READONLY},
        {"cvTestLoad", CVMIB_T_GAUGE, nullptr, "(0..100)", "percent", CVMIB_A_READONLY},
        {"cvTestLimit", CVMIB_T_UNSIGNED32, nullptr, "(1..4294967295)", nullptr, CVMIB_A_READWRITE},
        {"cvTestUptime", CVMIB_T_TIMETICKS, nullptr, nullptr, nullptr, CVMIB_A_READONLY},
        {"cvTestAddress", CVMIB_T_IPADDR, nullptr, nullptr, nullptr, CVMIB_A_READWRITE},
        {"cvTestBlob", CVMIB_T_OPAQUE, nullptr, nullptr, nullptr, CVMIB_A_READONLY},
        {"cvTestFlags", CVMIB_T_BITS, nullptr, nullptr, nullptr, CVMIB_A_READWRITE},
        {"cvTestLevel", CVMIB_T_INTEGER, nullptr, nullptr, nullptr, CVMIB_A_READWRITE},
        {"cvTestOffset", CVMIB_T_INTEGER, nullptr, "(-5..5 | 10)", nullptr, CVMIB_A_READWRITE},
        {"cvTestType", CVMIB_T_OBJID, nullptr, nullptr, nullptr, CVMIB_A_READONLY},
        // A textual convention with the DisplayString hint shows as text.
        {"cvTestName", CVMIB_T_DISPLAYSTR, "CvTestName", nullptr, nullptr, CVMIB_A_READWRITE},
        {"cvTestState", CVMIB_T_INTEGER, "CvTestState", nullptr, nullptr, CVMIB_A_NOTIFY},
    };
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.name);
        const CVmibNode *n = node(e.name);
        EXPECT_EQ(n->type, e.type);
        EXPECT_EQ(text(n->typeName), text(e.typeName));
        EXPECT_EQ(text(n->typeSuffix), text(e.suffix));
        EXPECT_EQ(text(n->units), text(e.units));
        EXPECT_EQ(n->access, e.access);
    }
    EXPECT_EQ(node("cvTestUptime")->status, CVMIB_S_DEPRECATED);
    EXPECT_STREQ(node("cvTestDescr")->description, "A description of the test agent.");
    EXPECT_EQ(enumTexts(node("cvTestFlags")->enums), (std::vector<std::string>{"red(0)", "green(1)", "blue(2)"}));
    EXPECT_EQ(enumTexts(node("cvTestLevel")->enums), (std::vector<std::string>{"low(1)", "medium(2)", "high(3)"}));
    EXPECT_EQ(enumTexts(node("cvTestState")->enums), (std::vector<std::string>{"up(1)", "down(2)", "testing(3)"}));
    EXPECT_EQ(enumTexts(node("cvTestDescr")->enums), std::vector<std::string>{});
}

TEST_F(TestModules, TablesRowsIndexesAndAugments)
{
    const CVmibNode *table = node("cvTestTable");
    EXPECT_EQ(table->type, CVMIB_T_SEQUENCEOF);
    EXPECT_STREQ(table->typeName, "SEQUENCE OF CvTestEntry");
    EXPECT_EQ(table->access, CVMIB_A_NOACCESS);

    const CVmibNode *entry = node("cvTestEntry");
    EXPECT_EQ(entry->parent, table);
    EXPECT_EQ(entry->type, CVMIB_T_SEQUENCE);
    EXPECT_EQ(nameTexts(entry->indexes), (std::vector<std::string>{"cvTestIndex", "IMPLIED cvTestPortName"}));
    EXPECT_STREQ(node("cvTestPortName")->typeSuffix, "(SIZE (1..16))");
    EXPECT_EQ(node("cvTestRowStatus")->access, CVMIB_A_READCREATE);
    EXPECT_EQ(enumTexts(node("cvTestRowStatus")->enums).size(), 6u);
    const CVmibNode *ext = node("cvTestExtEntry");
    EXPECT_EQ(ext->indexes, nullptr);
    EXPECT_EQ(nameTexts(ext->objects), (std::vector<std::string>{"cvTestEntry"})) << "AUGMENTS";

    ASSERT_EQ(CVmib_get_children("cvTestEntry", collect, nullptr, 0), 0);
    EXPECT_EQ(labels, (std::vector<std::string>{"cvTestIndex", "cvTestPortName", "cvTestPortSpeed",
                                                "cvTestRowStatus"}));
}

TEST_F(TestModules, NotificationsAndTrapsWithTheirObjects)
{
    const CVmibNode *alarm = node("cvTestAlarm");
    EXPECT_EQ(mibtest::readName("cvTestAlarm"), ".1.3.6.1.4.1.99999.2.0.1");
    EXPECT_EQ(alarm->type, CVMIB_T_NOTIFTYPE);
    EXPECT_EQ(alarm->access, CVMIB_A_NONE);
    EXPECT_EQ(nameTexts(alarm->objects), (std::vector<std::string>{"cvTestDescr", "cvTestLevel", "cvTestState"}));
    EXPECT_STREQ(alarm->description, "The alarm level changed.");

    // An SMIv1 TRAP-TYPE sits at enterprise.0.specific, as RFC 3584 numbers it.
    const CVmibNode *restart = node("cvV1Restart");
    EXPECT_EQ(mibtest::readName("cvV1Restart"), ".1.3.6.1.4.1.99998.0.7");
    EXPECT_EQ(restart->type, CVMIB_T_NOTIFTYPE);
    EXPECT_EQ(nameTexts(restart->objects), (std::vector<std::string>{"cvV1Descr", "cvV1Resets"}));
    EXPECT_STREQ(restart->description, "The v1 agent restarted.");
    EXPECT_STREQ(restart->parent->label, "0");
    EXPECT_EQ(restart->parent->type, CVMIB_T_NONE);
    EXPECT_STREQ(CVmib_get_loaded_path("cvV1Overload"),
                 ".iso.org.dod.internet.private.enterprises.cvTestV1.0.cvV1Overload");

    // The mapping both ways is unit_mib's (trapMappingTest); here the enterprise is a name.
    char v2[CVSNMP_OIDSTR_MAX];
    ASSERT_EQ(_CVsnmpV1EnterpriseToV2EventTypeStr("cvTestV1", 6, 7, v2), 0);
    EXPECT_STREQ(v2, ".1.3.6.1.4.1.99998.0.7");
}

TEST_F(TestModules, SmiV1Objects)
{
    struct Expect {
        const char *name;
        int type;
        int access;
        int status;
    };
    const Expect expected[] = {
        {"cvV1Descr", CVMIB_T_DISPLAYSTR, CVMIB_A_READONLY, CVMIB_S_MANDATORY},
        {"cvV1Resets", CVMIB_T_COUNTER, CVMIB_A_READONLY, CVMIB_S_MANDATORY},
        {"cvV1Queue", CVMIB_T_GAUGE, CVMIB_A_READONLY, CVMIB_S_OPTIONAL},
        {"cvV1Peer", CVMIB_T_NETADDR, CVMIB_A_READWRITE, CVMIB_S_MANDATORY},
        {"cvV1Secret", CVMIB_T_OCTETSTR, CVMIB_A_WRITEONLY, CVMIB_S_MANDATORY},
        {"cvV1Mode", CVMIB_T_INTEGER, CVMIB_A_READWRITE, CVMIB_S_MANDATORY},
        {"cvV1Uptime", CVMIB_T_TIMETICKS, CVMIB_A_READONLY, CVMIB_S_DEPRECATED},
    };
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.name);
        const CVmibNode *n = node(e.name);
        EXPECT_EQ(n->type, e.type);
        EXPECT_EQ(n->access, e.access);
        EXPECT_EQ(n->status, e.status);
        EXPECT_STREQ(n->module, "CVGUI-TEST-V1-MIB");
    }
    EXPECT_STREQ(node("cvV1Descr")->typeName, "DisplayString");
    EXPECT_STREQ(node("cvV1Descr")->typeSuffix, "(SIZE (0..255))");
    EXPECT_EQ(enumTexts(node("cvV1Mode")->enums), (std::vector<std::string>{"normal(1)", "maintenance(2)"}));
}

TEST_F(TestModules, SelectorQuestions)
{
    ASSERT_EQ(CVmib_get_children(".iso.org.dod.internet.private.enterprises.cvTestMIB.cvTestObjects.cvTestScalars",
                                 collect, nullptr, 0),
              0);
    ASSERT_EQ(labels.size(), 15u);
    EXPECT_EQ(labels.front(), "cvTestDescr");
    EXPECT_EQ(labels.back(), "cvTestState");
    for (const char *yes : {"cvTestPackets", "cvTestOctets.0", "cvTestLoad", "cvTestLimit", "cvTestUptime",
                            "cvTestLevel", "cvTestOffset", "cvTestState", "cvTestRowStatus.5", "cvV1Resets"}) {
        EXPECT_TRUE(CVmib_is_int(yes)) << yes;
    }
    for (const char *no : {"cvTestDescr", "cvTestMac", "cvTestAddress", "cvTestFlags", "cvTestType",
                           "cvTestBlob", "cvTestTable", "cvTestEntry", "cvTestAlarm", "cvV1Peer"}) {
        EXPECT_FALSE(CVmib_is_int(no)) << no;
    }
    EXPECT_TRUE(CVmib_has_children("cvTestEntry"));
    EXPECT_FALSE(CVmib_has_children("cvTestDescr"));
}

} // namespace
