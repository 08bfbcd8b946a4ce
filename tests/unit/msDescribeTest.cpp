// What a description window shows of a chosen object and the text saved from it, against the
// compiled standard MIB and the expression library.
#include "msDescribe.h"

#include "msMibInfoCore.h"
#include "testenv.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class Describe : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(useStandardMib());
    }
    MsDescription of(const char *name, bool expression = false)
    {
        MsDescription d;
        EXPECT_EQ(msDescribe(name, expression, d), 0) << name;
        return d;
    }
};

TEST_F(Describe, AnObjectIsShownByItsFullNameWithItsFactsAndSavedUnderLabels)
{
    MsDescription d = of("IF-MIB::ifType");
    EXPECT_EQ(d.name, ".iso.org.dod.internet.mgmt.mib-2.interfaces.ifTable.ifEntry.ifType");
    EXPECT_EQ(d.objectId, ".1.3.6.1.2.1.2.2.1.3");
    EXPECT_EQ(d.templateId, MS_DESC_ENUMS_TEMPLATE);
    EXPECT_EQ(d.access, "Read-Only");
    std::string text = msDescriptionText(d);
    EXPECT_EQ(text.rfind("Name: " + d.name + "\nObject ID: .1.3.6.1.2.1.2.2.1.3\nType: IANAifType  (Integer) \n"
                         "Access: Read-Only\nEnumerations:\n    other (1)\n    regular1822 (2)\n", 0), 0u)
        << text;
    // The description follows, each of its lines indented under the label.
    size_t at = text.find("\nDescription:\n    The type of interface.");
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find("\n\n", at), std::string::npos) << "no line is lost or doubled";

    // A table row names its index; a node that is not an object has no access.
    EXPECT_NE(msDescriptionText(of("ifEntry")).find("\nINDEX: ifIndex\n"), std::string::npos);
    MsDescription node = of(".1.3.6.1.2.1");
    EXPECT_EQ(node.templateId, MS_DESC_NODE_TEMPLATE);
    EXPECT_EQ(msDescriptionText(node).find("Access:"), std::string::npos);
    MsDescription none;
    EXPECT_EQ(msDescribe("ifType", true, none), -1) << "a MIB object is no expression";
}

} // namespace
