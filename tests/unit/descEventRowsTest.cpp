// The rows of the event description over the standard MIB database: identifiers both ways, the
// SNMPv1 fields, the received identifier, and what a record with missing fields shows.
#include "descEventRows.h"

#include "cvsnmp.h"

#include <gtest/gtest.h>
#include <map>

namespace {

struct Shown {
    bool displayed = false;
    std::string title, description;
    std::vector<std::string> labels;
    std::map<std::string, std::string> values;
    std::vector<std::string> warnings;
} shown;

void display(const char *title, label_edit_info *rows, int count, const char *description)
{
    shown.displayed = true;
    shown.title = title;
    shown.description = description;
    for (int i = 0; i < count; i++) {
        EXPECT_TRUE(rows[i].id == 0 && rows[i].columns == 0 && rows[i].editable == 0) << i;
        shown.labels.push_back(rows[i].label);
        shown.values[rows[i].label] = rows[i].value;
    }
}

void warn(const char *text)
{
    shown.warnings.push_back(text);
}

using Labels = std::vector<std::string>;
const Labels head = {"Event Name", "Severity", "Sources", "Event Identifier"};
const Labels identifiers = {"Event Identifier (Numeric)", "Generic Trap Name (Number)"};
const Labels enterprise = {"Enterprise ID", "Enterprise ID (Numeric)"};

Labels operator+(Labels a, const Labels &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string traps = ".iso.org.dod.internet.snmpV2.snmpModules.snmpMIB.snmpMIBObjects.snmpTraps";
const std::string prefix = ".iso.org.dod.internet.private.enterprises.netSnmp.netSnmpNotificationPrefix";
char *nodes[2] = {const_cast<char *>("router-1"), const_cast<char *>("10.2.*.*")};

class DescribeEvent : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error(); }

    // The labels of the rows shown, or none when nothing was displayed.
    Labels describe(const char *type, bool showReceived = false, const char *received = nullptr, int wildcard = 0,
                    unsigned objectId = 0, const char *ackBy = nullptr, const char *uuid = nullptr)
    {
        shown = Shown();
        trap_record t = {const_cast<char *>("Agent up"), wildcard, const_cast<char *>("Started."), EV_SEV_MAJOR,
                         2, nodes};
        cvDescribeEventRows(&t, type, showReceived, received, objectId, ackBy, uuid, display, warn);
        return shown.labels;
    }
    std::string value(const char *label) { return shown.values[label]; }
};

} // namespace

TEST_F(DescribeEvent, AStandardTrapIsNumberedUnderSnmpTrapsAsRfc3584Does)
{
    EXPECT_EQ(describe("coldStart"), head + identifiers + enterprise);
    EXPECT_EQ(shown.title, "Describe Event Agent up");
    EXPECT_EQ(shown.description, "Started.");
    EXPECT_EQ(value("Severity"), "Major");
    EXPECT_EQ(value("Sources"), "router-1, 10.2.*.*");
    EXPECT_EQ(value("Event Identifier"), traps + ".1");
    EXPECT_EQ(value("Event Identifier (Numeric)"), ".1.3.6.1.6.3.1.1.5.1");
    EXPECT_EQ(value("Generic Trap Name (Number)"), "coldStart (0)");
    EXPECT_EQ(value("Enterprise ID"), traps);
    EXPECT_EQ(value("Enterprise ID (Numeric)"), ".1.3.6.1.6.3.1.1.5");
    describe(".1.3.6.1.6.3.1.1.5.3");
    EXPECT_EQ(value("Event Identifier"), traps + ".3");
    EXPECT_EQ(value("Generic Trap Name (Number)"), "linkDown (2)");
}

TEST_F(DescribeEvent, EnterpriseSpecificTrapsShowTheSpecificNumberAndAbove64ItsHex)
{
    EXPECT_EQ(describe("nsNotifyStart"), head + identifiers + Labels{"Specific Trap Number"} + enterprise);
    EXPECT_EQ(value("Event Identifier"), prefix + ".netSnmpNotifications.nsNotifyStart");
    EXPECT_EQ(value("Event Identifier (Numeric)"), ".1.3.6.1.4.1.8072.4.0.1");
    EXPECT_EQ(value("Generic Trap Name (Number)"), "enterpriseSpecific (6)");
    EXPECT_EQ(value("Enterprise ID"), prefix);
    EXPECT_EQ(value("Enterprise ID (Numeric)"), ".1.3.6.1.4.1.8072.4");
    EXPECT_EQ(describe(".1.3.6.1.4.1.8072.4.0.64"), head + identifiers + Labels{"Specific Trap Number"} + enterprise);
    EXPECT_EQ(value("Specific Trap Number"), "64");
    describe(".1.3.6.1.4.1.8072.4.0.65");
    EXPECT_EQ(value("Specific Trap (Hex)"), "0x00000041");
}

TEST_F(DescribeEvent, ASubtreeIdentifierEndsInDotStarAndHasNoSpecificNumber)
{
    EXPECT_EQ(describe("netSnmpNotificationPrefix.*"), head + identifiers + Labels{"Specific Trap Number"} + enterprise);
    EXPECT_EQ(value("Event Identifier"), prefix + ".*");
    EXPECT_EQ(value("Event Identifier (Numeric)"), ".1.3.6.1.4.1.8072.4.*");
    EXPECT_EQ(value("Specific Trap Number"), "-1");
    EXPECT_EQ(value("Enterprise ID"), prefix);
    EXPECT_EQ(value("Enterprise ID (Numeric)"), "netSnmpNotificationPrefix") << "the identifier as given";
    describe(".1.3.6.1.4.1.8072.4.0.1", false, nullptr, 1);
    EXPECT_EQ(value("Event Identifier (Numeric)"), ".1.3.6.1.4.1.8072.4.0.1.*") << "the record's own flag";
}

TEST_F(DescribeEvent, WithoutAnIdentifierOnlyTheRecordAndTheCallersRowsRemain)
{
    EXPECT_EQ(describe("", true, "", 0, 4294967295u, "operator", "5f0c-11ee"),
              (head + Labels{"Corvane Object Identifier", "Acknowledged By", "Event Instance (UUID)"}));
    EXPECT_EQ(value("Event Identifier"), "");
    EXPECT_EQ(value("Corvane Object Identifier"), "4294967295");
    EXPECT_EQ(describe(nullptr, false, nullptr, 1, 0, "", ""), head);
    EXPECT_EQ(value("Event Identifier"), ".*");
}

TEST_F(DescribeEvent, TheReceivedIdentifierShowsWhereItDiffers)
{
    Labels configured = head + identifiers + Labels{"Specific Trap Number"} + enterprise;
    EXPECT_EQ(describe("nsNotifyStart", true, "nsNotifyStart"), configured) << "the same: no received rows";
    EXPECT_EQ(describe("nsNotifyStart", false, "coldStart"), configured) << "not asked for";
    EXPECT_EQ(describe("nsNotifyStart", true, "nsNotifyShutdown"),
              (configured + Labels{"Received Event Type", "Received Specific Trap Number"}));
    EXPECT_EQ(value("Received Event Type"), "nsNotifyShutdown");
    EXPECT_EQ(value("Received Specific Trap Number"), "2");
    EXPECT_EQ(describe(".1.3.6.1.4.1.8072.4.0.99", true, "linkUp", 0, 7, "operator", "uuid-1").size(), 17u);
    EXPECT_EQ(value("Received Event Type"), ".1.3.6.1.6.3.1.1.5.4");
    EXPECT_EQ(value("Received Generic Trap Number"), "3");
    EXPECT_EQ(value("Received Enterprise ID"), ".1.3.6.1.6.3.1.1.5");
}

TEST_F(DescribeEvent, AnUnreadableIdentifierIsWarnedAboutAndNothingIsShown)
{
    describe("noSuchTrap.*");
    EXPECT_EQ(shown.warnings, std::vector<std::string>{"Could not convert event type in \"noSuchTrap.*\"."});
    describe("coldStart", true, "1.3.bad");
    EXPECT_EQ(shown.warnings, std::vector<std::string>{"Could not convert event type in \"1.3.bad\"."});
    describe("*");
    EXPECT_EQ(shown.warnings.size(), 1u) << "a lone \"*\" leaves nothing to read";
    EXPECT_FALSE(shown.displayed);
}

TEST_F(DescribeEvent, ARecordWithMissingFieldsOrLongTextsIsShownWhole)
{
    trap_record empty = {};
    cvDescribeEventRows(&empty, "coldStart", 0, nullptr, 0, nullptr, nullptr, display, warn);
    EXPECT_EQ(shown.title, "Describe Event ");
    EXPECT_EQ(value("Event Name") + "|" + value("Severity") + "|" + value("Sources"), "|Normal|All nodes");
    shown = Shown();
    cvDescribeEventRows(nullptr, "", 0, nullptr, 0, nullptr, nullptr, display, warn);
    EXPECT_EQ(shown.labels, head) << "no record at all reads as an empty one";

    shown = Shown();
    std::string text(65536, 'd'), longName(5000, 'n');
    std::vector<std::string> many(200, "host-with-a-long-name.example.net");
    std::vector<char *> manyNodes;
    for (auto &n : many) {
        manyNodes.push_back(&n[0]);
    }
    trap_record t = {&longName[0], 0, &text[0], static_cast<eventSeverity>(42), 200, manyNodes.data()};
    cvDescribeEventRows(&t, "coldStart", 0, nullptr, 0, nullptr, nullptr, display, warn);
    EXPECT_EQ(shown.description, text);
    EXPECT_EQ(shown.title, "Describe Event " + longName);
    EXPECT_EQ(value("Event Name"), longName);
    EXPECT_EQ(value("Severity"), "Unknown");
    std::string sources = value("Sources");
    EXPECT_LE(sources.size(), 299u) << "the sources text stays in its 300 bytes";
    EXPECT_EQ(sources.substr(sources.size() - 5), ", ...");
}
