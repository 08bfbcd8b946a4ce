// The facts of a MIB object as a description shows them: from the standard database and the test
// modules compiled by mibtool (the Windows build loads the Linux build's files), and from small
// trees made here for the type texts that real modules seldom give.
#include "msMibInfo.h"
#include "msMibInfoCore.h"
#include "mibTestTree.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

void useDatabase(const char *variable)
{
    const char *path = getenv(variable);
    ASSERT_NE(path, nullptr) << variable << " is not set";
    setEnv("CVMIBFILE", path);
    ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();
}

MsMibInfo facts(const char *name)
{
    MsMibInfo info;
    EXPECT_EQ(msGetMibInfo(name, &info), 0) << name;
    return info;
}

TEST(MsMibInfo, ObjectsOfTheStandardModules)
{
    useDatabase("CVGUI_STANDARD_MIBDB");
    // A textual convention with its constraint, read through an instance of the object.
    MsMibInfo descr = facts("sysDescr.0");
    EXPECT_EQ(descr.leaf, 1);
    EXPECT_EQ(descr.type, CVMIB_T_DISPLAYSTR);
    EXPECT_STREQ(descr.typeText, "DisplayString  (Display String) (SIZE (0..255))");
    EXPECT_STREQ(descr.accessText, "Read-Only");
    EXPECT_EQ(descr.status, CVMIB_S_CURRENT);
    EXPECT_EQ(std::string(descr.description).rfind("A textual description of the entity.", 0), 0u);
    EXPECT_STREQ(descr.node->label, "sysDescr");
    EXPECT_EQ(msMibInfoTemplate(descr), MS_DESC_OBJECT_TEMPLATE);
    EXPECT_TRUE(msMibInfoRows(descr).empty());

    MsMibInfo octets = facts("RFC1213-MIB::ifInOctets");
    EXPECT_STREQ(octets.typeText, "Counter");
    EXPECT_STREQ(octets.node->label, "ifInOctets");

    MsMibInfo ifType = facts(".1.3.6.1.2.1.2.2.1.3");
    EXPECT_STREQ(ifType.typeText, "IANAifType  (Integer) ");
    EXPECT_EQ(msMibInfoTemplate(ifType), MS_DESC_ENUMS_TEMPLATE);
    std::vector<std::string> lines = msMibInfoEnumLines(ifType);
    ASSERT_GT(lines.size(), 100u);
    EXPECT_EQ(lines[0], "other (1)");
    EXPECT_EQ(lines[5], "ethernetCsmacd (6)");

    // A table is its type name alone; a row shows its index, an extension what it augments.
    EXPECT_STREQ(facts("ifTable").typeText, "SEQUENCE OF IfEntry");
    EXPECT_STREQ(facts("ifTable").accessText, "Not Accessible");
    MsMibInfo entry = facts("ifEntry");
    EXPECT_STREQ(entry.typeText, "IfEntry  (Sequence) ");
    EXPECT_EQ(entry.leaf, 0);
    using Rows = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(msMibInfoRows(entry), (Rows{{"INDEX", "ifIndex"}}));
    EXPECT_EQ(msMibInfoRows(facts("ifXEntry")), (Rows{{"AUGMENTS", "ifEntry"}}));
    EXPECT_EQ(msMibInfoRows(facts("snmpEngineTime")), (Rows{{"UNITS", "seconds"}}));

    // A notification names its objects and has no access.
    MsMibInfo linkDown = facts("linkDown");
    EXPECT_STREQ(linkDown.typeText, "Notification Type");
    EXPECT_EQ(linkDown.accessText, nullptr);
    EXPECT_EQ(msMibInfoRows(linkDown), (Rows{{"OBJECTS", "ifIndex, ifAdminStatus, ifOperStatus"}}));

    // A node that is no object.
    MsMibInfo system = facts(".iso.org.dod.internet.mgmt.mib-2.system");
    EXPECT_EQ(system.type, CVMIB_T_NONE);
    EXPECT_STREQ(system.typeText, "Partial Object Name");
    EXPECT_EQ(system.accessText, nullptr);
    EXPECT_EQ(system.description, nullptr);
    EXPECT_EQ(msMibInfoTemplate(system), MS_DESC_NODE_TEMPLATE);
}

TEST(MsMibInfo, NamesThatNameNoNodeGiveAZeroedRecord)
{
    useDatabase("CVGUI_STANDARD_MIBDB");
    for (const char *bad : {"noSuchObject", "IF-MIB::sysDescr", ".1.3.6.1.4.1.424242", ".iso.org.nosuch",
                            "ifDescr..1", "", ".1.3.6.1.2.1.1.1.0.7.7 x"}) {
        MsMibInfo info;
        std::memset(&info, 0x5a, sizeof info);
        EXPECT_EQ(msGetMibInfo(bad, &info), -1) << bad;
        EXPECT_EQ(info.node, nullptr) << bad;
        EXPECT_EQ(info.typeText, nullptr) << bad;
    }
    MsMibInfo info;
    EXPECT_EQ(msGetMibInfo(nullptr, &info), -1);
    EXPECT_EQ(msGetMibInfo("sysDescr", nullptr), -1);
    const CVmibOid enterprises[] = {1, 3, 6, 1, 4, 1, 424242};
    EXPECT_EQ(msGetMibInfoFromOID(enterprises, 7, &info), -1);
    EXPECT_EQ(msGetMibInfoFromOID(enterprises, 0, &info), -1);
    EXPECT_EQ(msGetMibInfoFromOID(nullptr, 3, &info), -1);
    EXPECT_EQ(msGetMibInfoFromOID(enterprises, 6, &info), 0);
    EXPECT_STREQ(info.node->label, "enterprises");
}

TEST(MsMibInfo, DefinitionsAtTheLimits)
{
    useDatabase("CVGUI_TEST_MIBDB");
    MsMibInfo states = facts("CVGUI-TEST-LIMITS-MIB::cvLimitsStates");
    std::vector<std::string> lines = msMibInfoEnumLines(states);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.front(), "state1 (1)");
    EXPECT_EQ(lines.back(), "state1000 (1000)");

    // The 64 KB description arrives whole, past what net-snmp's parser keeps of a text.
    MsMibInfo longText = facts("cvLimitsLongText");
    ASSERT_NE(longText.description, nullptr);
    std::string description = longText.description;
    EXPECT_GT(description.size(), 65536u);
    EXPECT_EQ(description.substr(description.size() - 9), "\nThe end.");

    MsMibInfo noText = facts("cvLimitsNoText");
    EXPECT_EQ(noText.description, nullptr);
    EXPECT_STREQ(noText.typeText, "Integer");

    // A constraint longer than the type text's buffer is cut to fit it.
    MsMibInfo odd = facts("cvLimitsOddValue");
    EXPECT_EQ(std::strlen(odd.typeText), size_t(MS_TYPE_TEXT_SIZE - 1));
    EXPECT_EQ(std::string(odd.typeText).rfind("Integer (1 | 3 | 5 | 7 | ", 0), 0u) << odd.typeText;
    EXPECT_STREQ(odd.node->typeSuffix + std::strlen(odd.node->typeSuffix) - 10, "237 | 239)");
}

// Type texts by the rules of the type table, on a tree made for them.
TEST(MsMibInfo, TypeTextsByTypeNameAndSuffix)
{
    cvmib::Model model = mibtest::standardTree();
    mibtest::TreeBuilder t(model);
    struct Case {
        const char *label;
        int type;
        const char *typeName;
        const char *suffix;
        const char *expected;
    };
    std::string longName(300, 'T');
    std::string splitName = std::string(254, 'U') + "\xc3\xa9"; // U+00E9 over the buffer's end
    const Case cases[] = {
        {"tcCounter", CVMIB_T_COUNTER, "ZeroBasedCounter", nullptr, "ZeroBasedCounter  (Counter) "},
        {"tcSized", CVMIB_T_DISPLAYSTR, "SnmpAdminString", "(SIZE (1..32))", "SnmpAdminString  (Display String) (SIZE (1..32))"},
        {"plainRange", CVMIB_T_INTEGER, nullptr, "(1..10)", "Integer (1..10)"},
        {"plain", CVMIB_T_GAUGE, nullptr, nullptr, "Gauge"},
        {"userType", CVMIB_T_USERDEFINED, "NsapAddress", "(SIZE (1..21))", "NsapAddress"},
        {"table", CVMIB_T_SEQUENCEOF, "SEQUENCE OF XEntry", "(SIZE (1))", "SEQUENCE OF XEntry"},
        {"code18Named", 18, "Reserved", nullptr, "Reserved"},
        {"code18", 18, nullptr, "(0..1)", "UNKNOWN"},
        {"code18Plain", 18, nullptr, nullptr, "UNKNOWN"},
        {"longName", CVMIB_T_OCTETSTR, longName.c_str(), nullptr, nullptr},
        {"splitName", CVMIB_T_USERDEFINED, splitName.c_str(), nullptr, nullptr},
    };
    uint32_t subid = 10;
    for (const Case &c : cases) {
        t.add("system", subid++, c.label, c.type, CVMIB_A_READWRITE);
        t.node(c.label).typeName = c.typeName != nullptr ? c.typeName : "";
        t.node(c.label).typeSuffix = c.suffix != nullptr ? c.suffix : "";
    }
    t.add("system", subid++, "notifyOnly", CVMIB_T_INTEGER, CVMIB_A_NOTIFY);
    t.add("system", subid++, "createRow", CVMIB_T_INTEGER, CVMIB_A_READCREATE);
    t.add("system", subid++, "writeOnly", CVMIB_T_OCTETSTR, CVMIB_A_WRITEONLY);
    std::string path = mibtest::scratchDir("msmibinfo") + "/mib.db";
    mibtest::writeDatabase(model, path);
    setEnv("CVMIBFILE", path.c_str());
    ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();

    for (const Case &c : cases) {
        if (c.expected != nullptr) {
            EXPECT_STREQ(facts(c.label).typeText, c.expected) << c.label;
        }
    }
    // Too long for the buffer: cut to fit, and never inside a character.
    EXPECT_EQ(std::string(facts("longName").typeText), longName.substr(0, MS_TYPE_TEXT_SIZE - 1));
    EXPECT_EQ(std::string(facts("splitName").typeText), std::string(254, 'U'));
    EXPECT_STREQ(facts("plain").accessText, "Read-Write");
    EXPECT_STREQ(facts("notifyOnly").accessText, "Accessible-For-Notify");
    EXPECT_STREQ(facts("createRow").accessText, "Read-Create");
    EXPECT_STREQ(facts("writeOnly").accessText, "Write-Only");

    // One buffer serves every call: a record keeps pointing at the latest text.
    MsMibInfo first = facts("plain");
    MsMibInfo second = facts("tcCounter");
    EXPECT_EQ(first.typeText, second.typeText);
    EXPECT_STREQ(first.typeText, "ZeroBasedCounter  (Counter) ");
}

} // namespace
