// The rows of the event description over the standard MIB database: identifiers both ways, the
// SNMPv1 fields, the received identifier, and what a record with missing fields shows.
#include "descEventRows.h"

#include "cvsnmp.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

struct Shown {
    bool displayed = false;
    std::string title, description;
    Rows rows;
    std::vector<std::string> warnings;
};
Shown shown;

void display(const char *title, label_edit_info *rows, int count, const char *description)
{
    shown.displayed = true;
    shown.title = title;
    shown.description = description;
    for (int i = 0; i < count; i++) {
        EXPECT_EQ(rows[i].id, 0);
        EXPECT_EQ(rows[i].columns, 0);
        EXPECT_EQ(rows[i].editable, 0);
        shown.rows.emplace_back(rows[i].label, rows[i].value);
    }
}

void warn(const char *text)
{
    shown.warnings.push_back(text);
}

const std::string traps = ".iso.org.dod.internet.snmpV2.snmpModules.snmpMIB.snmpMIBObjects.snmpTraps";
const std::string netSnmpPrefix = ".iso.org.dod.internet.private.enterprises.netSnmp.netSnmpNotificationPrefix";

class DescribeEvent : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error(); }
    void SetUp() override { shown = Shown(); }

    trap_record trap(const char *name = "Agent up")
    {
        trap_record t = {};
        t.name = const_cast<char *>(name);
        t.description = const_cast<char *>("The agent started.");
        t.severity = EV_SEV_MAJOR;
        t.nodeCount = 2;
        t.nodes = nodes;
        return t;
    }
    // The rows of the event, or none when it was not displayed.
    Rows describe(trap_record t, const char *type, bool showReceived = false, const char *received = nullptr,
                  unsigned objectId = 0, const char *ackBy = nullptr, const char *uuid = nullptr)
    {
        cvDescribeEventRows(&t, type, showReceived, received, objectId, ackBy, uuid, display, warn);
        return shown.rows;
    }

    char *nodes[2] = {const_cast<char *>("router-1"), const_cast<char *>("10.2.*.*")};
};

Rows head(const char *name = "Agent up")
{
    return {{"Event Name", name}, {"Severity", "Major"}, {"Sources", "router-1, 10.2.*.*"}};
}

Rows operator+(Rows a, const Rows &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST_F(DescribeEvent, AStandardTrapIsNumberedUnderSnmpTrapsAsRfc3584Does)
{
    EXPECT_EQ(describe(trap("Cold start"), "coldStart"),
              (head("Cold start") + Rows{{"Event Identifier", traps + ".1"},
                                        {"Event Identifier (Numeric)", ".1.3.6.1.6.3.1.1.5.1"},
                                        {"Generic Trap Name (Number)", "coldStart (0)"},
                                        {"Enterprise ID", traps},
                                        {"Enterprise ID (Numeric)", ".1.3.6.1.6.3.1.1.5"}}));
    EXPECT_EQ(shown.title, "Describe Event Cold start");
    EXPECT_EQ(shown.description, "The agent started.");

    SetUp();
    Rows linkDown = describe(trap(), ".1.3.6.1.6.3.1.1.5.3");
    ASSERT_GE(linkDown.size(), 6u);
    EXPECT_EQ(linkDown[3].second, traps + ".3");
    EXPECT_EQ(linkDown[4].second, ".1.3.6.1.6.3.1.1.5.3");
    EXPECT_EQ(linkDown[5].second, "linkDown (2)");
}

TEST_F(DescribeEvent, EnterpriseSpecificTrapsShowTheSpecificNumberAndAbove64ItsHex)
{
    EXPECT_EQ(describe(trap(), "nsNotifyStart"),
              (head() + Rows{{"Event Identifier", netSnmpPrefix + ".netSnmpNotifications.nsNotifyStart"},
                            {"Event Identifier (Numeric)", ".1.3.6.1.4.1.8072.4.0.1"},
                            {"Generic Trap Name (Number)", "enterpriseSpecific (6)"},
                            {"Specific Trap Number", "1"},
                            {"Enterprise ID", netSnmpPrefix},
                            {"Enterprise ID (Numeric)", ".1.3.6.1.4.1.8072.4"}}));

    SetUp();
    Rows at64 = describe(trap(), ".1.3.6.1.4.1.8072.4.0.64");
    EXPECT_EQ(at64[6], std::make_pair(std::string("Specific Trap Number"), std::string("64")));
    EXPECT_EQ(at64[7].first, "Enterprise ID") << "no hex row at 64";

    SetUp();
    Rows at65 = describe(trap(), ".1.3.6.1.4.1.8072.4.0.65");
    EXPECT_EQ(at65[6], std::make_pair(std::string("Specific Trap Number"), std::string("65")));
    EXPECT_EQ(at65[7], std::make_pair(std::string("Specific Trap (Hex)"), std::string("0x00000041")));
}

TEST_F(DescribeEvent, ASubtreeIdentifierEndsInDotStarAndHasNoSpecificNumber)
{
    EXPECT_EQ(describe(trap(), "netSnmpNotificationPrefix.*"),
              (head() + Rows{{"Event Identifier", netSnmpPrefix + ".*"},
                            {"Event Identifier (Numeric)", ".1.3.6.1.4.1.8072.4.*"},
                            {"Generic Trap Name (Number)", "enterpriseSpecific (6)"},
                            {"Specific Trap Number", "-1"},
                            {"Enterprise ID", netSnmpPrefix},
                            {"Enterprise ID (Numeric)", "netSnmpNotificationPrefix"}}));

    // The record's own wildcard flag marks the identifiers too.
    SetUp();
    trap_record t = trap();
    t.wildcard = 1;
    Rows rows = describe(t, ".1.3.6.1.4.1.8072.4.0.1");
    EXPECT_EQ(rows[3].second, netSnmpPrefix + ".netSnmpNotifications.nsNotifyStart.*");
    EXPECT_EQ(rows[4].second, ".1.3.6.1.4.1.8072.4.0.1.*");
}

TEST_F(DescribeEvent, WithoutAnIdentifierOnlyTheRecordAndTheCallersRowsRemain)
{
    EXPECT_EQ(describe(trap(), "", true, "", 4294967295u, "operator", "5f0c-11ee"),
              (head() + Rows{{"Event Identifier", ""},
                            {"Corvane Object Identifier", "4294967295"},
                            {"Acknowledged By", "operator"},
                            {"Event Instance (UUID)", "5f0c-11ee"}}));
    SetUp();
    trap_record t = trap();
    t.wildcard = 1;
    EXPECT_EQ(describe(t, nullptr, false, nullptr, 0, "", ""), (head() + Rows{{"Event Identifier", ".*"}}));
}

TEST_F(DescribeEvent, TheReceivedIdentifierShowsWhereItDiffers)
{
    EXPECT_EQ(describe(trap(), "nsNotifyStart", true, "nsNotifyStart").size(), 9u) << "the same: no received rows";

    SetUp();
    Rows rows = describe(trap(), "nsNotifyStart", true, "nsNotifyShutdown");
    Rows received(rows.begin() + 9, rows.end());
    EXPECT_EQ(received, (Rows{{"Received Event Type", "nsNotifyShutdown"}, {"Received Specific Trap Number", "2"}}));

    SetUp();
    rows = describe(trap(), "nsNotifyStart", false, "coldStart");
    EXPECT_EQ(rows.size(), 9u) << "received rows only when asked for";

    // All seventeen rows at once.
    SetUp();
    EXPECT_EQ(describe(trap(), ".1.3.6.1.4.1.8072.4.0.99", true, "linkUp", 7, "operator", "uuid-1"),
              (head() + Rows{{"Event Identifier", netSnmpPrefix + ".netSnmpNotifications.99"},
                            {"Event Identifier (Numeric)", ".1.3.6.1.4.1.8072.4.0.99"},
                            {"Generic Trap Name (Number)", "enterpriseSpecific (6)"},
                            {"Specific Trap Number", "99"},
                            {"Specific Trap (Hex)", "0x00000063"},
                            {"Enterprise ID", netSnmpPrefix},
                            {"Enterprise ID (Numeric)", ".1.3.6.1.4.1.8072.4"},
                            {"Received Event Type", ".1.3.6.1.6.3.1.1.5.4"},
                            {"Received Generic Trap Number", "3"},
                            {"Received Specific Trap Number", "0"},
                            {"Received Enterprise ID", ".1.3.6.1.6.3.1.1.5"},
                            {"Corvane Object Identifier", "7"},
                            {"Acknowledged By", "operator"},
                            {"Event Instance (UUID)", "uuid-1"}}));
}

TEST_F(DescribeEvent, AnUnreadableIdentifierIsWarnedAboutAndNothingIsShown)
{
    describe(trap(), "noSuchTrap.*");
    EXPECT_FALSE(shown.displayed);
    EXPECT_EQ(shown.warnings, std::vector<std::string>{"Could not convert event type in \"noSuchTrap.*\"."});

    SetUp();
    describe(trap(), "coldStart", true, "1.3.bad");
    EXPECT_FALSE(shown.displayed);
    EXPECT_EQ(shown.warnings, std::vector<std::string>{"Could not convert event type in \"1.3.bad\"."});

    SetUp();
    describe(trap(), "*");
    EXPECT_FALSE(shown.displayed) << "a lone \"*\" leaves nothing to read";
}

TEST_F(DescribeEvent, ARecordWithMissingFieldsAndALongDescriptionIsShownWhole)
{
    trap_record empty = {};
    cvDescribeEventRows(&empty, "coldStart", 0, nullptr, 0, nullptr, nullptr, display, warn);
    ASSERT_TRUE(shown.displayed);
    EXPECT_EQ(shown.title, "Describe Event ");
    EXPECT_EQ(shown.rows[0], std::make_pair(std::string("Event Name"), std::string("")));
    EXPECT_EQ(shown.rows[1], std::make_pair(std::string("Severity"), std::string("Normal")));
    EXPECT_EQ(shown.rows[2], std::make_pair(std::string("Sources"), std::string("All nodes")));
    EXPECT_EQ(shown.description, "");

    SetUp();
    cvDescribeEventRows(nullptr, "", 0, nullptr, 0, nullptr, nullptr, display, warn);
    EXPECT_EQ(shown.rows.size(), 4u) << "no record at all reads as an empty one";

    SetUp();
    std::string text(65536, 'd');
    std::string longName(5000, 'n');
    trap_record t = trap(longName.c_str());
    t.description = &text[0];
    t.severity = static_cast<eventSeverity>(42);
    std::vector<std::string> many(200, "host-with-a-long-name.example.net");
    std::vector<char *> manyNodes;
    for (auto &n : many) {
        manyNodes.push_back(&n[0]);
    }
    t.nodes = manyNodes.data();
    t.nodeCount = static_cast<int>(manyNodes.size());
    describe(t, "coldStart");
    EXPECT_EQ(shown.description, text);
    EXPECT_EQ(shown.title, "Describe Event " + longName);
    EXPECT_EQ(shown.rows[0].second, longName);
    EXPECT_EQ(shown.rows[1].second, "Unknown");
    EXPECT_LE(shown.rows[2].second.size(), 299u) << "the sources text stays in its 300 bytes";
    EXPECT_EQ(shown.rows[2].second.substr(shown.rows[2].second.size() - 5), ", ...");
}

TEST_F(DescribeEvent, WithoutADisplayFunctionNothingHappens)
{
    cvDescribeEventRows(nullptr, "coldStart", 1, "linkUp", 1, "a", "b", nullptr, warn);
    EXPECT_TRUE(shown.warnings.empty());
}
