// The event texts the event description shows: sources within their 300-byte buffer, and
// severities and generic trap names out of range.
#include "cvutil.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// A number outside the tables still has a text, never an entry read past them (the texts in
// range show in the event description's rows, unit_descevent).
TEST(EventTexts, NumbersOutsideTheTablesHaveATextToo)
{
    EXPECT_STREQ(severityToString(static_cast<eventSeverity>(17)), "Unknown");
    EXPECT_STREQ(genericTrapName(7), "unknown");
    EXPECT_STREQ(genericTrapName(-1), "unknown");
}

std::string sources(std::vector<std::string> nodes, int size)
{
    std::vector<char *> pointers;
    for (std::string &n : nodes) {
        pointers.push_back(&n[0]);
    }
    trap_record trap = {};
    trap.nodeCount = static_cast<int>(pointers.size());
    trap.nodes = pointers.empty() ? nullptr : pointers.data();
    std::vector<char> buffer(size + 16, '#');
    int n = trpFmtSprintNodes(&trap, buffer.data(), size);
    for (size_t i = size; i < buffer.size(); ++i) {
        EXPECT_EQ(buffer[i], '#') << "written past " << size << " bytes";
    }
    EXPECT_EQ(static_cast<size_t>(n), std::strlen(buffer.data()));
    return buffer.data();
}

TEST(EventTexts, SourcesFitTheirBuffer)
{
    EXPECT_EQ(sources({}, 300), "All nodes");
    EXPECT_EQ(sources({"router1", "10.2.*.1-20", "/etc/cv/sources"}, 300),
              "router1, 10.2.*.1-20, /etc/cv/sources");

    // Forty names of twelve characters need 558 bytes: the text stops at a whole name.
    std::vector<std::string> many;
    for (int i = 0; i < 40; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "node%08d", i);
        many.push_back(name);
    }
    std::string text = sources(many, 300);
    EXPECT_LE(text.size(), 299u);
    EXPECT_EQ(text.substr(text.size() - 5), ", ...");
    EXPECT_EQ(text.rfind("node00000000, node00000001", 0), 0u);
    EXPECT_EQ(text.find("node00000021"), std::string::npos); // 21 names fit, not 22
    EXPECT_NE(text.find("node00000020, ..."), std::string::npos) << text;

    // Exactly fitting names need no ellipsis; one name longer than the buffer is cut.
    EXPECT_EQ(sources({"abc", "def"}, 9), "abc, def");
    EXPECT_EQ(sources({std::string(500, 'x')}, 300), std::string(299, 'x'));
    EXPECT_EQ(sources({}, 4), "All");
    char one[1] = {'#'};
    trap_record trap = {};
    EXPECT_EQ(trpFmtSprintNodes(&trap, one, 1), 0);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(trpFmtSprintNodes(&trap, one, 0), 0);
}

} // namespace
