// What a description shows of MIB objects and expressions, against the compiled standard MIB and
// the expression library.
#include "msDescribe.h"

#include "cvsnmp.h"
#include "testenv.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class Describe : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char *db = getenv("CVGUI_STANDARD_MIBDB");
        ASSERT_NE(db, nullptr);
        setEnv("CVMIBFILE", db);
        setEnv("CVEXPRFILE", (treeDir("CVGUI_SOURCE_DIR") + "/suite/cvutil/data/expressions.txt").c_str());
        ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();
    }
    // The value of the row with this label, or "(none)".
    static std::string row(const MsDescription &d, const std::string &label)
    {
        for (const MsDescRow &r : d.rows) {
            if (r.label == label) {
                return r.value;
            }
        }
        return "(none)";
    }
};

TEST_F(Describe, AnObjectByAnyOfItsNames)
{
    MsDescription d;
    ASSERT_TRUE(msDescribeObject("SNMPv2-MIB::sysName", false, d));
    EXPECT_EQ(d.title, "Describe MIB Variable");
    EXPECT_EQ(d.rows.front().label, "Name");
    EXPECT_EQ(d.name, ".iso.org.dod.internet.mgmt.mib-2.system.sysName");
    EXPECT_EQ(row(d, "Object ID"), ".1.3.6.1.2.1.1.5");
    EXPECT_EQ(row(d, "Type"), "DisplayString  (Display String) (SIZE (0..255))");
    EXPECT_EQ(row(d, "Access"), "Read-Write");
    EXPECT_NE(d.description.find("administratively-assigned name"), std::string::npos);

    MsDescription same;
    ASSERT_TRUE(msDescribeObject(".1.3.6.1.2.1.1.5", false, same));
    EXPECT_EQ(same.name, d.name);
    // An instance is shown as itself, with its object's facts.
    MsDescription instance;
    ASSERT_TRUE(msDescribeObject("sysName.0", false, instance));
    EXPECT_EQ(instance.name, d.name + ".0");
    EXPECT_EQ(row(instance, "Object ID"), ".1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(row(instance, "Type"), row(d, "Type"));
}

TEST_F(Describe, TablesEnumerationsAndNodesThatAreNoObjects)
{
    MsDescription entry;
    ASSERT_TRUE(msDescribeObject("ifEntry", false, entry));
    EXPECT_EQ(row(entry, "INDEX"), "ifIndex");

    MsDescription status;
    ASSERT_TRUE(msDescribeObject("ifAdminStatus", false, status));
    ASSERT_EQ(status.enums.size(), 3u);
    EXPECT_EQ(status.enums[0], "up (1)");
    EXPECT_EQ(status.enums[2], "testing (3)");

    // A node that is not an object has no access.
    MsDescription node;
    ASSERT_TRUE(msDescribeObject(".iso.org.dod.internet.mgmt", false, node));
    EXPECT_EQ(row(node, "Type"), "Partial Object Name");
    EXPECT_EQ(row(node, "Access"), "(none)");
}

TEST_F(Describe, ExpressionsAndNamesThatAreNotThere)
{
    MsDescription e;
    ASSERT_TRUE(msDescribeObject("ifInUtilization", true, e));
    EXPECT_EQ(e.title, "Describe Expression");
    EXPECT_EQ(row(e, "Equation"), "(ifInOctets * 8 * 100) / ifSpeed");

    MsDescription none;
    none.name = "stale";
    EXPECT_FALSE(msDescribeObject("noSuchObject", false, none));
    EXPECT_TRUE(none.rows.empty() && none.name.empty());
    EXPECT_FALSE(msDescribeObject("sysName", true, none)); // not an expression
    EXPECT_FALSE(msDescribeObject(nullptr, false, none));
}

TEST_F(Describe, PlainTextForAFile)
{
    MsDescription d;
    ASSERT_TRUE(msDescribeObject("ifAdminStatus", false, d));
    std::string text = msDescriptionText(d);
    EXPECT_EQ(text.rfind("Name: .iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifAdminStatus\n", 0), 0u);
    EXPECT_NE(text.find("Enums:\n    up (1)\n    down (2)\n    testing (3)\n\n"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(msDescriptionText(MsDescription()), "");
}

} // namespace
