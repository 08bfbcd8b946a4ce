// The facts of a MIB object as a description shows them: from the standard database and the test
// modules compiled by mibtool (the Windows build loads the Linux build's files), and from a tree
// made here for the type texts that real modules seldom give.
#include "msMibInfo.h"
#include "msMibInfoCore.h"
#include "mibTestTree.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

MsMibInfo facts(const char *name)
{
    MsMibInfo info;
    EXPECT_EQ(msGetMibInfo(name, &info), 0) << name;
    return info;
}

TEST(MsMibInfo, ObjectsOfTheStandardModules)
{
    mibtest::loadMib(treeDir("CVGUI_STANDARD_MIBDB"));
    MsMibInfo descr = facts("sysDescr.0"); // an instance gives its object
    EXPECT_EQ(descr.leaf, 1);
    EXPECT_STREQ(descr.typeText, "DisplayString  (Display String) (SIZE (0..255))");
    EXPECT_STREQ(descr.accessText, "Read-Only");
    EXPECT_EQ(std::string(descr.description).rfind("A textual description of the entity.", 0), 0u);
    EXPECT_NE(std::string(descr.description).find("\ninclude the full name"), std::string::npos)
        << "continuation lines lose the module's indentation: " << descr.description;
    EXPECT_EQ(msMibInfoTemplate(descr), MS_DESC_OBJECT_TEMPLATE);

    MsMibInfo ifType = facts("RFC1213-MIB::ifType");
    EXPECT_STREQ(ifType.typeText, "IANAifType  (Integer) ");
    EXPECT_EQ(msMibInfoTemplate(ifType), MS_DESC_ENUMS_TEMPLATE);
    EXPECT_EQ(msMibInfoEnumLines(ifType)[5], "ethernetCsmacd (6)");

    EXPECT_STREQ(facts("ifTable").typeText, "SEQUENCE OF IfEntry");
    MsMibInfo entry = facts("ifEntry");
    EXPECT_STREQ(entry.typeText, "IfEntry  (Sequence) ");
    EXPECT_EQ(entry.leaf, 0);
    EXPECT_EQ(msMibInfoRows(entry), (Rows{{"INDEX", "ifIndex"}}));
    static std::vector<std::string> columns;
    ASSERT_EQ(CVmib_get_children("ifEntry", [](const char *l) { return columns.push_back(l), 0; }, nullptr, 0), 0);
    EXPECT_EQ(columns.size(), 22u);
    EXPECT_EQ(columns.front() + " " + columns.back(), "ifIndex ifSpecific");
    EXPECT_EQ(msMibInfoRows(facts("ifXEntry")), (Rows{{"AUGMENTS", "ifEntry"}}));
    EXPECT_EQ(msMibInfoRows(facts("snmpEngineTime")), (Rows{{"UNITS", "seconds"}}));
    MsMibInfo linkDown = facts("linkDown");
    EXPECT_EQ(linkDown.accessText, nullptr);
    EXPECT_EQ(msMibInfoRows(linkDown), (Rows{{"OBJECTS", "ifIndex, ifAdminStatus, ifOperStatus"}}));

    MsMibInfo system = facts(".1.3.6.1.2.1.1");
    EXPECT_STREQ(system.typeText, "Partial Object Name");
    EXPECT_EQ(system.accessText, nullptr);
    EXPECT_EQ(msMibInfoTemplate(system), MS_DESC_NODE_TEMPLATE);
}

TEST(MsMibInfo, NamesThatNameNoNodeGiveAZeroedRecord)
{
    mibtest::loadMib(treeDir("CVGUI_STANDARD_MIBDB"));
    MsMibInfo info;
    for (const char *bad : {"noSuchObject", "IF-MIB::sysDescr", ".1.3.6.1.4.1.424242", "ifDescr..1", ""}) {
        std::memset(&info, 0x5a, sizeof info);
        EXPECT_EQ(msGetMibInfo(bad, &info), -1) << bad;
        EXPECT_EQ(info.node, nullptr) << bad;
        EXPECT_EQ(info.typeText, nullptr) << bad;
    }
    EXPECT_EQ(msGetMibInfo(nullptr, &info), -1);
    EXPECT_EQ(msGetMibInfo("sysDescr", nullptr), -1);
    const CVmibOid enterprises[] = {1, 3, 6, 1, 4, 1};
    EXPECT_EQ(msGetMibInfoFromOID(enterprises, 0, &info), -1);
    EXPECT_EQ(msGetMibInfoFromOID(nullptr, 3, &info), -1);
    ASSERT_EQ(msGetMibInfoFromOID(enterprises, 6, &info), 0);
    EXPECT_STREQ(info.node->label, "enterprises");
}

TEST(MsMibInfo, DefinitionsAtTheLimits)
{
    mibtest::loadMib(treeDir("CVGUI_TEST_MIBDB"));
    std::vector<std::string> lines = msMibInfoEnumLines(facts("cvLimitsStates"));
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.back(), "state1000 (1000)");
    // Whole, past the 4 KB that net-snmp's parser keeps of a text.
    std::string description = facts("cvLimitsLongText").description;
    EXPECT_GT(description.size(), 65536u);
    EXPECT_EQ(description.substr(description.size() - 9), "\nThe end.");
    EXPECT_EQ(facts("cvLimitsNoText").description, nullptr);
    const char *odd = facts("cvLimitsOddValue").typeText; // its constraint is cut to fit
    EXPECT_EQ(std::strlen(odd), size_t(MS_TYPE_TEXT_SIZE - 1));
    EXPECT_EQ(std::string(odd).rfind("Integer (1 | 3 | 5 | ", 0), 0u) << odd;
}

TEST(MsMibInfo, TypeTextsByTypeNameAndSuffix)
{
    cvmib::Model model = mibtest::standardTree();
    mibtest::TreeBuilder t(model);
    std::string longName(300, 'T'), splitName = std::string(254, 'U') + "\xc3\xa9"; // U+00E9 at the end
    const struct {
        const char *label;
        int type;
        std::string typeName, suffix, expected;
    } cases[] = {
        {"tcCounter", CVMIB_T_COUNTER, "ZeroBasedCounter", "", "ZeroBasedCounter  (Counter) "},
        {"plainRange", CVMIB_T_INTEGER, "", "(1..10)", "Integer (1..10)"},
        {"userType", CVMIB_T_USERDEFINED, "NsapAddress", "(SIZE (1..21))", "NsapAddress"},
        {"table", CVMIB_T_SEQUENCEOF, "SEQUENCE OF XEntry", "(SIZE (1))", "SEQUENCE OF XEntry"},
        {"code18Named", 18, "Reserved", "", "Reserved"},
        {"code18", 18, "", "(0..1)", "UNKNOWN"},
        {"longName", CVMIB_T_OCTETSTR, longName, "", longName.substr(0, MS_TYPE_TEXT_SIZE - 1)},
        {"splitName", CVMIB_T_USERDEFINED, splitName, "", std::string(254, 'U')}, // not inside a character
    };
    uint32_t subid = 10;
    for (const auto &c : cases) {
        t.add("system", subid++, c.label, c.type, CVMIB_A_READCREATE);
        t.node(c.label).typeName = c.typeName;
        t.node(c.label).typeSuffix = c.suffix;
    }
    std::string path = mibtest::scratchDir("msmibinfo") + "/mib.db";
    mibtest::writeDatabase(model, path);
    mibtest::loadMib(path);
    for (const auto &c : cases) {
        EXPECT_EQ(facts(c.label).typeText, c.expected) << c.label;
    }
    EXPECT_STREQ(facts("table").accessText, "Read-Create");
    // One buffer serves every call.
    MsMibInfo first = facts("plainRange");
    EXPECT_STREQ(facts("tcCounter").typeText, first.typeText);
}

} // namespace
