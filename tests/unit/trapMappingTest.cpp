// SNMPv1 trap fields and SNMPv2 notification identifiers, both ways, as the event description
// shows them (RFC 3584).
#include "cvsnmp.h"
#include "mibTestTree.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

struct V1 {
    std::string enterprise;
    int generic = -9;
    int specific = -9;
};

bool toV1(const char *numeric, V1 &out)
{
    CVmibOid oid[CVMIB_MAX_OID];
    int count = CVMIB_MAX_OID;
    if (CVmib_read_objid(numeric, oid, &count) != 0) {
        ADD_FAILURE() << "cannot read " << numeric;
        return false;
    }
    const CVmibOid *enterprise = nullptr;
    int length = -1;
    if (_CVsnmpV2EventTypeToV1Enterprise(oid, count, &enterprise, &length, &out.generic,
                                         &out.specific) != 0) {
        return false;
    }
    out.enterprise = CVmibGetNumericObjidStr(enterprise, length);
    return true;
}

std::string toV2(const char *enterprise, int generic, int specific)
{
    char buffer[CVSNMP_OIDSTR_MAX];
    std::memset(buffer, 'x', sizeof buffer);
    if (_CVsnmpV1EnterpriseToV2EventTypeStr(enterprise, generic, specific, buffer) != 0) {
        EXPECT_STREQ(buffer, "") << "a failure leaves an empty text";
        return "failed";
    }
    return buffer;
}

class TrapMapping : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string path = mibtest::scratchDir("traps") + "/mib.db";
        mibtest::writeDatabase(mibtest::standardTree(), path);
        mibtest::loadMib(path);
    }
};

TEST_F(TrapMapping, SixStandardTrapsBothWays)
{
    for (int generic = 0; generic < 6; ++generic) {
        std::string v2 = ".1.3.6.1.6.3.1.1.5." + std::to_string(generic + 1);
        V1 v1;
        ASSERT_TRUE(toV1(v2.c_str(), v1)) << v2;
        EXPECT_EQ(v1.generic, generic) << v2;
        EXPECT_EQ(v1.specific, 0) << v2;
        EXPECT_EQ(v1.enterprise, ".1.3.6.1.6.3.1.1.5") << v2;
        // The enterprise does not matter for a standard trap, and may be empty.
        EXPECT_EQ(toV2("", generic, 0), v2);
        EXPECT_EQ(toV2(".1.3.6.1.4.1.99999", generic, 42), v2);
    }
    V1 v1;
    ASSERT_TRUE(toV1("linkUp", v1));
    EXPECT_EQ(v1.generic, 3);
}

TEST_F(TrapMapping, EnterpriseSpecificBothWays)
{
    V1 v1;
    // enterprise.0.specific: the "0" is dropped from the enterprise.
    ASSERT_TRUE(toV1(".1.3.6.1.4.1.99998.0.7", v1));
    EXPECT_EQ(v1.enterprise, ".1.3.6.1.4.1.99998");
    EXPECT_EQ(v1.generic, 6);
    EXPECT_EQ(v1.specific, 7);
    EXPECT_EQ(toV2(".1.3.6.1.4.1.99998", 6, 7), ".1.3.6.1.4.1.99998.0.7");

    // An SNMPv2 notification not under a "0": only the last sub-identifier is taken.
    ASSERT_TRUE(toV1(".1.3.6.1.4.1.99999.2.1", v1));
    EXPECT_EQ(v1.enterprise, ".1.3.6.1.4.1.99999.2");
    EXPECT_EQ(v1.generic, 6);
    EXPECT_EQ(v1.specific, 1);
    // Beyond snmpTraps.6 a notification is enterprise-specific under snmpTraps.
    ASSERT_TRUE(toV1(".1.3.6.1.6.3.1.1.5.7", v1));
    EXPECT_EQ(v1.generic, 6);
    EXPECT_EQ(v1.enterprise, ".1.3.6.1.6.3.1.1.5");
    EXPECT_EQ(v1.specific, 7);

    // The enterprise may be given by name.
    EXPECT_EQ(toV2("enterprises.99998", 6, 65), ".1.3.6.1.4.1.99998.0.65");
    EXPECT_EQ(toV2(".iso.org.dod.internet.private.enterprises", 6, 0), ".1.3.6.1.4.1.0.0");
}

TEST_F(TrapMapping, RefusesWhatHasNoOtherForm)
{
    V1 v1;
    EXPECT_FALSE(toV1(".1.3.6.1.4.1.99999.0.2147483648", v1)); // specific beyond INTEGER
    EXPECT_FALSE(toV1(".1", v1));
    const CVmibOid *enterprise;
    int length, generic, specific;
    CVmibOid oid[] = {1, 3};
    EXPECT_NE(_CVsnmpV2EventTypeToV1Enterprise(nullptr, 2, &enterprise, &length, &generic, &specific), 0);
    EXPECT_NE(_CVsnmpV2EventTypeToV1Enterprise(oid, 2, nullptr, &length, &generic, &specific), 0);

    EXPECT_EQ(toV2(".1.3.6.1.4.1.99998", 7, 1), "failed");
    EXPECT_EQ(toV2(".1.3.6.1.4.1.99998", -1, 1), "failed");
    EXPECT_EQ(toV2(".1.3.6.1.4.1.99998", 6, -1), "failed");
    EXPECT_EQ(toV2("", 6, 1), "failed");
    EXPECT_EQ(toV2("noSuchEnterprise", 6, 1), "failed");
}

TEST_F(TrapMapping, NeverWritesPastTheBuffer)
{
    char small[24];
    std::memset(small, '#', sizeof small);
    // ".1.3.6.1.4.1.99998.0.7" needs 23 bytes with its end: it fits exactly.
    EXPECT_EQ(_CVsnmpV1EnterpriseToV2EventTypeStrN(".1.3.6.1.4.1.99998", 6, 7, small, 23), 0);
    EXPECT_STREQ(small, ".1.3.6.1.4.1.99998.0.7");
    EXPECT_EQ(small[23], '#');
    EXPECT_NE(_CVsnmpV1EnterpriseToV2EventTypeStrN(".1.3.6.1.4.1.99998", 6, 70, small, 23), 0);
    EXPECT_STREQ(small, "");
    EXPECT_EQ(small[23], '#');

    // The longest identifier, 256 sub-identifiers of ten digits, fits the documented size.
    std::string enterprise;
    for (int i = 0; i < 254; ++i) {
        enterprise += ".4294967295";
    }
    char big[CVSNMP_OIDSTR_MAX + 1];
    big[CVSNMP_OIDSTR_MAX] = '#';
    ASSERT_EQ(_CVsnmpV1EnterpriseToV2EventTypeStr(enterprise.c_str(), 6, 2147483647, big), 0);
    EXPECT_EQ(std::strlen(big), enterprise.size() + 2 + 11);
    EXPECT_EQ(big[CVSNMP_OIDSTR_MAX], '#');
    // One more sub-identifier has no room in an identifier.
    EXPECT_EQ(toV2((enterprise + ".1").c_str(), 6, 1), "failed");
}

} // namespace
