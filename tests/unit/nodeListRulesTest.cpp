// The node list editor's entry rules: what a batch accepts and why it refuses, the overlap test
// of IP wildcards, and the grouped reports with their 1024-byte texts.
#include "nodeListRules.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The checker over a list holding entries: "" when a candidate is accepted, else the reason.
struct Batch {
    std::vector<std::string> entries;
    std::vector<char *> pointers;
    std::unique_ptr<NodeListChecker> checker;

    Batch(std::vector<std::string> list, KelNodeListCheckProc check = nullptr) : entries(std::move(list))
    {
        for (std::string &e : entries) {
            pointers.push_back(&e[0]);
        }
        checker.reset(new NodeListChecker(pointers.data(), static_cast<int>(pointers.size()), check));
    }
    std::string operator()(const std::string &candidate)
    {
        const char *reason = checker->check(candidate);
        return reason != nullptr ? reason : "";
    }
};

const std::string accepted, duplicate = "Ignored nodes already in list", empty = "Empty node name",
                            whiteSpace = "Invalid white space in node name",
                            badWildcard = "Ignored due to invalid wildcard format",
                            overlaps = "Ignored wild card which overlaps list", badIp = "Ignored due to invalid IP format";

// The texts a report shows, in order.
struct Shown {
    std::vector<std::string> texts;
    static void show(void *self, const char *text) { static_cast<Shown *>(self)->texts.push_back(text); }
};

} // namespace

TEST(NodeListOverlap, FieldByFieldWithRangesComparedFromThePatternsSide)
{
    struct Case {
        const char *pattern, *other;
        bool overlap;
    } cases[] = {
        {"10.2.*.*", "10.2.3.*", true}, {"10.2.3.*", "10.2.*.*", true}, // "*" agrees on either side
        {"10.*", "10.2.3.4-9", true},                                   // missing fields are "*"
        {"10..*.*", "10.7.1-2.*", true},                                // so are empty ones
        {"10.2.*.*", "10.3.*.*", false},
        {"10.2.3.4.*", "10.2.3.4.5-6", true},                           // fields past four are not compared
        {"10.2.1-10.*", "10.2.5-6.*", true},                            // 5 lies in 1..10
        {"10.2.5-6.*", "10.2.1-10.*", false},                           // neither 1 nor 10 lies in 5..6
        {"10.2.5-6.*", "10.2.6-20.*", true},                            // bounds are included
        {"10.2.1-10.*", "10.2.11.*", false}, {"10.2.7.*", "10.2.1-10.*", true},
        {"10.2.9-3.*", "10.2.5.*", false},                              // a backward range holds nothing
        {"-5.*", "0.*", true},                                          // no digits read as 0
        {"99999999999999999999999.*", "1-255.*", false},                // too large for any field
        {"10.2.3.4", "10.2.*.*", false}, {"10.2.*.*", "10.2.3.4", false}, // only wildcards overlap
        {"router-1", "*.*.*.*", false}, {nullptr, "*.*.*.*", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(isOverLap(c.pattern, c.other) != 0, c.overlap) << (c.pattern ? c.pattern : "null") << " " << c.other;
    }
    std::string fields511 = "1-2.*" + std::string(506, '.');
    EXPECT_TRUE(isOverLap(fields511.c_str(), "1.*"));
    EXPECT_FALSE(isOverLap((fields511 + ".").c_str(), "1.*")) << "512 bytes";
    EXPECT_FALSE(isOverLap("1.*", (fields511 + ".").c_str()));
}

TEST(NodeListRules, EachCandidateIsRefusedByTheFirstRuleThatApplies)
{
    Batch batch({"10.2.3.*", "router-1", "10.1.1.1"});
    EXPECT_EQ(batch("router-1"), duplicate);
    EXPECT_EQ(batch("10.2.3.*"), duplicate) << "a duplicate wildcard is a duplicate, not an overlap";
    EXPECT_EQ(batch(""), empty);
    EXPECT_EQ(batch("router 2"), whiteSpace);
    EXPECT_EQ(batch("a\tb"), whiteSpace);
    for (const char *wild : {"10..*", "300.*.*.*", "1-2-3.*", "*.*.*.*.*", "10.2.*", "5-1.*.*.*", "-"}) {
        EXPECT_EQ(batch(wild), badWildcard) << wild;
    }
    EXPECT_EQ(batch("10.2.*.*"), overlaps);
    EXPECT_EQ(batch("10.2.3.1-20"), overlaps);
    for (const char *ip : {"10.1.1.300", "10.1.1", "10.1.1.1."}) {
        EXPECT_EQ(batch(ip), badIp) << ip;
    }
    for (const char *name : {"12345", "10.1.*.*", "router-2.example", "/var/cv/sources.conf"}) {
        EXPECT_EQ(batch(name), accepted) << name; // a name, a wildcard beside a plain address, a path
    }
    // Accepted candidates count as entries for the rest of the batch; names from the map have
    // no length limit of their own.
    EXPECT_EQ(batch("10.1.*.*"), duplicate);
    EXPECT_EQ(batch("10.1.1-5.*"), overlaps);
    std::string longName(5000, 'h');
    EXPECT_EQ(batch(longName), accepted);
    EXPECT_EQ(batch(longName), duplicate);
    EXPECT_EQ(batch(std::string(5000, '1') + ".*"), badWildcard);
}

namespace {
std::vector<std::pair<int, std::string>> checked;

char *refuseLab(Boolean wild, char *entry)
{
    checked.emplace_back(wild, entry);
    entry[0] = 'X'; // the function may write into its copy
    static char reason[] = "Not polled from this console";
    return strncmp(entry + 1, "ab", 2) == 0 ? reason : nullptr;
}
} // namespace

TEST(NodeListRules, TheCheckFunctionComesLastAndGivesItsOwnReason)
{
    Batch batch({"hub"}, refuseLab);
    EXPECT_EQ(batch("lab-1"), "Not polled from this console");
    EXPECT_EQ(batch("hub"), duplicate);
    EXPECT_EQ(batch("300.*.*.*"), badWildcard);
    EXPECT_EQ(batch("10.9.*.*"), accepted);
    EXPECT_EQ(batch("lab-1"), "Not polled from this console") << "a refused candidate is not remembered";
    EXPECT_EQ(checked, (std::vector<std::pair<int, std::string>>{{0, "lab-1"}, {1, "10.9.*.*"}, {0, "lab-1"}}))
        << "only candidates that passed the library's rules are checked";
}

TEST(NodeListReport, RefusalsAreGroupedByReasonInTheOrderReasonsFirstOccurred)
{
    NodeListReport report = {};
    Shown shown;
    nodeListRecord(&report, badIp.c_str(), "10.1.1", Shown::show, &shown);
    std::string ten = duplicate + ":";
    for (int i = 0; i < 10; i++) {
        std::string name = "n" + std::to_string(i);
        nodeListRecord(&report, duplicate.c_str(), name.c_str(), Shown::show, &shown);
        ten += "\n    " + name;
    }
    nodeListRecord(&report, badIp.c_str(), "1.2.3.999", Shown::show, &shown);
    EXPECT_TRUE(shown.texts.empty()) << "nothing is shown before the batch ends";
    nodeListFlushReport(&report, Shown::show, &shown);
    EXPECT_EQ(shown.texts, (std::vector<std::string>{badIp + ":\n    10.1.1\n    1.2.3.999", ten}));
    EXPECT_TRUE(report.reasonCount == 0 && report.reasonTexts == nullptr) << "empty between batches";
}

TEST(NodeListReport, ATextGoesOutEarlyWhenTheNextLineWouldPassIts1023Bytes)
{
    // "Ignored nodes already in list:" and a line of 905 bytes leave room for one of 88 bytes.
    std::string first(900, 'f');
    for (size_t next : {83u, 84u}) {
        NodeListReport report = {};
        Shown shown;
        nodeListRecord(&report, duplicate.c_str(), first.c_str(), Shown::show, &shown);
        nodeListRecord(&report, duplicate.c_str(), std::string(next, 'n').c_str(), Shown::show, &shown);
        nodeListFlushReport(&report, Shown::show, &shown);
        if (next == 83) {
            EXPECT_EQ(shown.texts, std::vector<std::string>{duplicate + ":\n    " + first + "\n    " + std::string(83, 'n')});
            EXPECT_EQ(shown.texts[0].size(), 1023u);
        } else {
            EXPECT_EQ(shown.texts, (std::vector<std::string>{duplicate + ":\n    " + first,
                                                             duplicate + ":\n    " + std::string(next, 'n')}));
        }
    }

    // Many names: every one once, in order, "%" as it stands, each text within its bytes.
    NodeListReport report = {};
    Shown shown;
    std::string expected, all;
    for (int i = 0; i < 300; i++) {
        std::string name = "host-" + std::to_string(i) + ".example.net%d";
        nodeListRecord(&report, duplicate.c_str(), name.c_str(), Shown::show, &shown);
        expected += "\n    " + name;
    }
    nodeListFlushReport(&report, Shown::show, &shown);
    EXPECT_GT(shown.texts.size(), 5u);
    for (const std::string &text : shown.texts) {
        EXPECT_LE(text.size(), 1023u);
        EXPECT_EQ(text.rfind(duplicate + ":\n    ", 0), 0u) << "every part starts with the reason";
        all += text.substr(duplicate.size() + 1);
    }
    EXPECT_EQ(all, expected);
}

TEST(NodeListReport, ANameOrReasonTooLongForAnyTextIsCutNeverWrittenPastIt)
{
    NodeListReport report = {};
    Shown shown;
    std::string huge(5000, 'h'), longReason(3000, 'r');
    nodeListRecord(&report, duplicate.c_str(), "first", Shown::show, &shown);
    nodeListRecord(&report, duplicate.c_str(), huge.c_str(), Shown::show, &shown);
    nodeListRecord(&report, longReason.c_str(), huge.c_str(), Shown::show, &shown);
    nodeListFlushReport(&report, Shown::show, &shown);
    ASSERT_EQ(shown.texts.size(), 3u);
    EXPECT_EQ(shown.texts[0], duplicate + ":\n    first");
    EXPECT_EQ(shown.texts[1].size(), 1023u);
    EXPECT_EQ(shown.texts[1].substr(1019), "h...");
    EXPECT_LE(shown.texts[2].size(), 1023u);
    EXPECT_EQ(shown.texts[2].substr(0, 4) + shown.texts[2].substr(shown.texts[2].size() - 4), "rrrrh...");
}
