// Host look-up: the node list editor replaces a typed name by the resolver's official name.
#include "cvsnmp.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(HostAddress, ResolvesNamesAndAddresses)
{
    CVsnmpHost host;
    ASSERT_EQ(CVsnmpHostAddress("localhost", &host), 0);
    EXPECT_STREQ(host.name, "localhost");
    EXPECT_EQ(host.family, 4);
    EXPECT_STREQ(host.address, "127.0.0.1");

    // An address stays as it is: its official form is itself.
    ASSERT_EQ(CVsnmpHostAddress("127.0.0.1", &host), 0);
    EXPECT_STREQ(host.name, "127.0.0.1");
    EXPECT_STREQ(host.address, "127.0.0.1");
}

TEST(HostAddress, FailsForUnknownHostsAndBadArguments)
{
    CVsnmpHost host;
    std::memset(&host, 0, sizeof host);
    EXPECT_NE(CVsnmpHostAddress("no-such-host.invalid", &host), 0);
    EXPECT_NE(CVsnmpHostAddress("", &host), 0);
    EXPECT_NE(CVsnmpHostAddress(nullptr, &host), 0);
    EXPECT_NE(CVsnmpHostAddress("localhost", nullptr), 0);
}

} // namespace
