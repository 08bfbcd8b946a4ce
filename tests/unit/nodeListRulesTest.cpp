// The node list editor's entry rules: what a batch accepts and why it refuses, the overlap test
// of IP wildcards, and the grouped reports with their 1024-byte texts.
#include "nodeListRules.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The checker over a list holding entries.
struct Batch {
    std::vector<std::string> entries;
    std::vector<char *> pointers;
    NodeListChecker checker;

    Batch(std::initializer_list<const char *> list, KelNodeListCheckProc check = nullptr)
        : entries(list.begin(), list.end()), pointers(toPointers(entries)),
          checker(pointers.data(), static_cast<int>(pointers.size()), check)
    {
    }
    // "" when accepted, else the reason.
    std::string operator()(const std::string &candidate)
    {
        const char *reason = checker.check(candidate);
        return reason != nullptr ? reason : "";
    }

    static std::vector<char *> toPointers(std::vector<std::string> &texts)
    {
        std::vector<char *> p;
        for (auto &t : texts) {
            p.push_back(&t[0]);
        }
        return p;
    }
};

const std::string accepted;
const std::string duplicate = "Ignored nodes already in list";
const std::string empty = "Empty node name";
const std::string whiteSpace = "Invalid white space in node name";
const std::string badWildcard = "Ignored due to invalid wildcard format";
const std::string overlaps = "Ignored wild card which overlaps list";
const std::string badIp = "Ignored due to invalid IP format";

// The texts a report shows, in order.
struct Shown {
    std::vector<std::string> texts;
    static void show(void *self, const char *text) { static_cast<Shown *>(self)->texts.push_back(text); }
};

} // namespace

TEST(NodeListOverlap, StarsAgreeWithAnyFieldOnEitherSide)
{
    EXPECT_TRUE(isOverLap("10.2.*.*", "10.2.3.*"));
    EXPECT_TRUE(isOverLap("10.2.3.*", "10.2.*.*"));
    EXPECT_TRUE(isOverLap("10.*", "10.2.3.4-9")) << "missing fields count as \"*\"";
    EXPECT_TRUE(isOverLap("10..*.*", "10.7.1-2.*")) << "an empty field counts as \"*\"";
    EXPECT_FALSE(isOverLap("10.2.*.*", "10.3.*.*"));
    EXPECT_FALSE(isOverLap("10.2.4.*", "10.2.3.*"));
    EXPECT_TRUE(isOverLap("10.2.3.4.*", "10.2.3.4.5-6")) << "fields past the fourth are not compared";
}

TEST(NodeListOverlap, RangesAreComparedOneSidedByTheOtherSidesBounds)
{
    // The other's bounds 5 and 6 lie in 1..10: the pattern overlaps.
    EXPECT_TRUE(isOverLap("10.2.1-10.*", "10.2.5-6.*"));
    // Neither 1 nor 10 lies in 5..6: no overlap this way round, although the ranges share 5 and 6.
    EXPECT_FALSE(isOverLap("10.2.5-6.*", "10.2.1-10.*"));
    EXPECT_TRUE(isOverLap("10.2.5-6.*", "10.2.6-20.*")) << "bounds are included";
    EXPECT_TRUE(isOverLap("10.2.1-10.*", "10.2.10.*"));
    EXPECT_FALSE(isOverLap("10.2.1-10.*", "10.2.11.*"));
    EXPECT_TRUE(isOverLap("10.2.7.*", "10.2.1-10.*"));
    EXPECT_FALSE(isOverLap("10.2.0.*", "10.2.1-10.*"));
    EXPECT_FALSE(isOverLap("10.2.9-3.*", "10.2.5.*")) << "a range running backwards holds nothing";
}

TEST(NodeListOverlap, OnlyWildcardsOfAtMost511BytesOverlap)
{
    EXPECT_FALSE(isOverLap("10.2.3.4", "10.2.*.*")) << "a plain address is no wildcard";
    EXPECT_FALSE(isOverLap("10.2.*.*", "10.2.3.4"));
    EXPECT_FALSE(isOverLap("router-1", "*.*.*.*"));
    EXPECT_FALSE(isOverLap(nullptr, "*.*.*.*"));
    std::string fields511 = "1-2.*" + std::string(506, '.');
    std::string fields512 = fields511 + ".";
    ASSERT_EQ(fields511.size(), 511u);
    EXPECT_TRUE(isOverLap(fields511.c_str(), "1.*"));
    EXPECT_FALSE(isOverLap(fields512.c_str(), "1.*"));
    EXPECT_FALSE(isOverLap("1.*", fields512.c_str()));
    // Numbers without digits read as 0; numbers too long for a field never match a real one.
    EXPECT_TRUE(isOverLap("-5.*", "0.*"));
    EXPECT_FALSE(isOverLap("99999999999999999999999.*", "1-255.*"));
}

TEST(NodeListRules, EachCandidateIsRefusedByTheFirstRuleThatApplies)
{
    Batch batch({"10.2.3.*", "router-1", "10.1.1.1"});
    EXPECT_EQ(batch("router-1"), duplicate);
    EXPECT_EQ(batch("10.2.3.*"), duplicate) << "a duplicate wildcard is reported as a duplicate, not an overlap";
    EXPECT_EQ(batch(""), empty);
    EXPECT_EQ(batch("router 2"), whiteSpace);
    EXPECT_EQ(batch("a\tb"), whiteSpace);
    for (const char *wild : {"10..*", "300.*.*.*", "1-2-3.*", "*.*.*.*.*", "10.2.*", "5-1.*.*.*", "-"}) {
        EXPECT_EQ(batch(wild), badWildcard) << wild;
    }
    EXPECT_EQ(batch("10.2.*.*"), overlaps);
    EXPECT_EQ(batch("10.2.3.1-20"), overlaps);
    EXPECT_EQ(batch("10.1.1.300"), badIp);
    EXPECT_EQ(batch("10.1.1"), badIp);
    EXPECT_EQ(batch("10.1.1.1."), badIp);
    EXPECT_EQ(batch("12345"), accepted) << "digits without a dot are a name";
    EXPECT_EQ(batch("10.1.*.*"), accepted) << "a wildcard never overlaps a plain address";
    EXPECT_EQ(batch("router-2.example"), accepted);
    EXPECT_EQ(batch("/var/cv/sources.conf"), accepted);
}

TEST(NodeListRules, AcceptedCandidatesCountAsEntriesForTheRestOfTheBatch)
{
    Batch batch({});
    EXPECT_EQ(batch("10.4.*.*"), accepted);
    EXPECT_EQ(batch("10.4.*.*"), duplicate);
    EXPECT_EQ(batch("10.4.1-5.*"), overlaps);
    EXPECT_EQ(batch("hub"), accepted);
    EXPECT_EQ(batch("hub"), duplicate);
    // Names from the map have no length limit of their own.
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
    checked.clear();
    Batch batch({"hub"}, refuseLab);
    EXPECT_EQ(batch("lab-1"), "Not polled from this console");
    EXPECT_EQ(batch("hub"), duplicate);
    EXPECT_EQ(batch("300.*.*.*"), badWildcard);
    EXPECT_EQ(batch("10.9.*.*"), accepted);
    EXPECT_EQ(batch("lab-1"), "Not polled from this console") << "a refused candidate is not remembered";
    ASSERT_EQ(checked.size(), 3u) << "only candidates that passed the library's rules are checked";
    EXPECT_EQ(checked[0], std::make_pair(0, std::string("lab-1")));
    EXPECT_EQ(checked[1], std::make_pair(1, std::string("10.9.*.*")));
}

TEST(NodeListRules, StrippingAndBlanks)
{
    EXPECT_EQ(nodeListStrip("  router-1 \t\n"), "router-1");
    EXPECT_EQ(nodeListStrip(" \t "), "");
    EXPECT_EQ(nodeListStrip("a b"), "a b");
    EXPECT_TRUE(nodeListHasBlank("a b"));
    EXPECT_TRUE(nodeListHasBlank("a\nb"));
    EXPECT_FALSE(nodeListHasBlank("a\rb")) << "only space, tab and newline count";
}

TEST(NodeListReport, RefusalsAreGroupedByReasonInTheOrderReasonsFirstOccurred)
{
    NodeListReport report = {};
    Shown shown;
    const char *names[] = {"n0", "n1", "n2", "n3", "n4", "n5", "n6", "n7", "n8", "n9"};
    nodeListRecord(&report, badIp.c_str(), "10.1.1", Shown::show, &shown);
    for (const char *n : names) {
        nodeListRecord(&report, duplicate.c_str(), n, Shown::show, &shown);
    }
    nodeListRecord(&report, badIp.c_str(), "1.2.3.999", Shown::show, &shown);
    EXPECT_TRUE(shown.texts.empty()) << "nothing is shown before the batch ends";
    nodeListFlushReport(&report, Shown::show, &shown);
    ASSERT_EQ(shown.texts.size(), 2u);
    EXPECT_EQ(shown.texts[0], badIp + ":\n    10.1.1\n    1.2.3.999");
    std::string ten = duplicate + ":";
    for (const char *n : names) {
        ten += std::string("\n    ") + n;
    }
    EXPECT_EQ(shown.texts[1], ten);
    EXPECT_EQ(report.reasonCount, 0);
    EXPECT_EQ(report.reasonTexts, nullptr);

    // The next batch starts empty.
    nodeListRecord(&report, empty.c_str(), "", Shown::show, &shown);
    nodeListFlushReport(&report, Shown::show, &shown);
    EXPECT_EQ(shown.texts.back(), empty + ":\n    ");
}

TEST(NodeListReport, ATextIsShownEarlyWhenTheNextNameWouldPassIts1024Bytes)
{
    NodeListReport report = {};
    Shown shown;
    std::vector<std::string> names;
    for (int i = 0; i < 300; i++) {
        names.push_back("host-" + std::to_string(i) + ".example.net%d");
        nodeListRecord(&report, duplicate.c_str(), names.back().c_str(), Shown::show, &shown);
    }
    nodeListFlushReport(&report, Shown::show, &shown);
    ASSERT_GT(shown.texts.size(), 5u);
    std::string all;
    for (size_t t = 0; t < shown.texts.size(); t++) {
        const std::string &text = shown.texts[t];
        EXPECT_LE(text.size(), 1023u);
        EXPECT_EQ(text.rfind(duplicate + ":\n    ", 0), 0u) << "every part starts with the reason";
        all += text.substr(duplicate.size() + 1);
        if (t + 1 < shown.texts.size()) {
            // It went early only because the next name would not fit.
            size_t start = duplicate.size() + 6;
            size_t end = shown.texts[t + 1].find('\n', start);
            std::string nextName = shown.texts[t + 1].substr(start, end - start);
            EXPECT_GT(text.size() + 5 + nextName.size(), 1023u) << t;
        }
    }
    std::string expected;
    for (const auto &n : names) {
        expected += "\n    " + n;
    }
    EXPECT_EQ(all, expected) << "every name once, in order, \"%\" as it stands";
}

TEST(NodeListReport, ALineThatJustFitsStaysInItsText)
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
            ASSERT_EQ(shown.texts.size(), 1u);
            EXPECT_EQ(shown.texts[0].size(), 1023u);
        } else {
            ASSERT_EQ(shown.texts.size(), 2u);
            EXPECT_EQ(shown.texts[0], duplicate + ":\n    " + first);
            EXPECT_EQ(shown.texts[1], duplicate + ":\n    " + std::string(next, 'n'));
        }
    }
}

TEST(NodeListReport, ANameTooLongForAnyTextIsCutAndNothingIsWrittenPastTheBuffer)
{
    NodeListReport report = {};
    Shown shown;
    std::string huge(5000, 'h');
    nodeListRecord(&report, duplicate.c_str(), "first", Shown::show, &shown);
    nodeListRecord(&report, duplicate.c_str(), huge.c_str(), Shown::show, &shown);
    std::string longReason(3000, 'r');
    nodeListRecord(&report, longReason.c_str(), huge.c_str(), Shown::show, &shown);
    nodeListFlushReport(&report, Shown::show, &shown);
    ASSERT_EQ(shown.texts.size(), 3u);
    EXPECT_EQ(shown.texts[0], duplicate + ":\n    first");
    EXPECT_EQ(shown.texts[1].size(), 1023u);
    EXPECT_EQ(shown.texts[1].substr(shown.texts[1].size() - 4), "h...");
    EXPECT_LE(shown.texts[2].size(), 1023u);
    EXPECT_EQ(shown.texts[2].rfind("rrrr", 0), 0u);
    EXPECT_EQ(shown.texts[2].substr(shown.texts[2].size() - 3), "...");
}
