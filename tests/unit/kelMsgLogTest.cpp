// The message log's rules: time stamps, the length limit, trimming and cutting lines.
#include "kelMsgLog.h"

#include <clocale>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

size_t compose(char *buffer, int stamp, time_t now, time_t *first, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    size_t n = kelMsgLogCompose(buffer, stamp, now, first, format, args);
    va_end(args);
    return n;
}

std::vector<std::string> cut(const char *text, size_t indent)
{
    std::vector<std::string> items;
    KelMsgLogLines lines(text, indent);
    std::string item;
    while (lines.next(item)) {
        items.push_back(item);
    }
    return items;
}

std::string stampAt(time_t t, const char *format)
{
    char buf[128];
    strftime(buf, sizeof buf, format, localtime(&t));
    return buf;
}

} // namespace

TEST(MessageLogStamp, TheDateAppearsOnceHalfADayHasPassedSinceTheFirstStamp)
{
    time_t first = 0;
    const time_t start = 1700000000;
    EXPECT_STREQ(kelMsgLogStampFormat(start, &first), "%X ");
    EXPECT_EQ(first, start) << "the first stamped message sets the origin";
    EXPECT_STREQ(kelMsgLogStampFormat(start + 43200, &first), "%X ") << "exactly twelve hours: still the time only";
    EXPECT_STREQ(kelMsgLogStampFormat(start + 43201, &first), "%x %X ");
    EXPECT_EQ(first, start) << "the origin stays";
}

TEST(MessageLogStamp, StampsPrecedeTheMessageAndNoStampLeavesNone)
{
    static char buffer[KEL_MSGLOG_BUFFER];
    time_t first = 0;
    const time_t t = 1700000000;
    size_t n = compose(buffer, 1, t, &first, "%d traps", 3);
    std::string stamp = stampAt(t, "%X ");
    EXPECT_EQ(n, stamp.size());
    EXPECT_EQ(std::string(buffer), stamp + "3 traps");

    n = compose(buffer, 1, t + 50000, &first, "later");
    EXPECT_EQ(std::string(buffer), stampAt(t + 50000, "%x %X ") + "later");
    EXPECT_EQ(n, stampAt(t + 50000, "%x %X ").size());

    time_t untouched = 0;
    EXPECT_EQ(compose(buffer, 0, t, &untouched, "plain %s", "text"), 0u);
    EXPECT_STREQ(buffer, "plain text");
    EXPECT_EQ(untouched, 0) << "a message without a stamp does not start the clock";
}

TEST(MessageLogLength, MessagesOverTheLimitAreReplacedAndNeverOverrunTheBuffer)
{
    static char buffer[KEL_MSGLOG_BUFFER + 16];
    memset(buffer + KEL_MSGLOG_BUFFER, 'G', 16);
    time_t first = 0;
    std::string atLimit(KEL_MSGLOG_TEXT_MAX, 'a');
    compose(buffer, 0, 0, &first, "%s", atLimit.c_str());
    EXPECT_EQ(strlen(buffer), atLimit.size()) << "50688 characters are kept";

    std::string over(KEL_MSGLOG_TEXT_MAX + 1, 'b');
    compose(buffer, 0, 0, &first, "%s", over.c_str());
    EXPECT_STREQ(buffer, KEL_MSGLOG_TOO_LONG);

    std::string huge(200000, 'c');
    size_t stamp = compose(buffer, 1, 1700000000, &first, "%s", huge.c_str());
    EXPECT_EQ(std::string(buffer), std::string(buffer, stamp) + KEL_MSGLOG_TOO_LONG) << "the stamp stays";
    EXPECT_EQ(std::string(buffer + KEL_MSGLOG_BUFFER, 16), std::string(16, 'G')) << "nothing written past the buffer";
}

TEST(MessageLogLines, ContinuationLinesAreIndentedUnderTheText)
{
    EXPECT_EQ(cut("12:00:00 one\ntwo\nthree", 9),
              (std::vector<std::string>{"12:00:00 one", "         two", "         three"}));
    EXPECT_EQ(cut("one\ntwo", KEL_MSGLOG_INDENT), (std::vector<std::string>{"one", "  two"}));
    EXPECT_EQ(cut("single", 2), (std::vector<std::string>{"single"}));
    EXPECT_EQ(cut("", 2), (std::vector<std::string>{""}));
    EXPECT_EQ(cut("a\n\nb\n", 2), (std::vector<std::string>{"a", "  ", "  b", "  "}))
        << "every newline starts a line, empty ones too";

    // The rest is the text from the current line on.
    KelMsgLogLines lines("one\ntwo\nthree", 2);
    std::string item;
    ASSERT_TRUE(lines.next(item) && lines.next(item));
    EXPECT_STREQ(lines.rest(), "two\nthree");
}

TEST(MessageLogLines, LongLinesKeepTheirStartAndEndInDots)
{
    std::string line(600, 'x');
    for (int i = 0; i < 600; i++) {
        line[i] = static_cast<char>('a' + i % 26);
    }
    std::vector<std::string> items = cut((line + "\nnext").c_str(), 4);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], line.substr(0, 509) + "...");
    EXPECT_EQ(items[1], "    next") << "the rest of the long line is dropped, not wrapped";

    std::string exact(512, 'y');
    EXPECT_EQ(cut(exact.c_str(), 2)[0], exact) << "512 characters fit";
    std::string continued = "first\n" + std::string(513, 'z');
    EXPECT_EQ(cut(continued.c_str(), 3)[1], "   " + std::string(509, 'z') + "...") << "the indent comes on top";
}

#ifdef _WIN32
TEST(MessageLogLines, CutsNeverSplitADoubleByteCharacter)
{
    // Shift-JIS: each kanji is two bytes, and a trail byte can be any of 0x40..0xFC.
    if (setlocale(LC_CTYPE, ".932") == nullptr) {
        GTEST_SKIP() << "no code page 932";
    }
    std::string kanji = "\x95\x5c"; // a character whose trail byte is a backslash
    std::string line;
    for (int i = 0; i < 300; i++) {
        line += kanji;
    }
    std::vector<std::string> items = cut(line.c_str(), 2);
    setlocale(LC_CTYPE, "C");
    ASSERT_EQ(items.size(), 1u);
    // 509 bytes would end in a lead byte: 254 whole characters, then the dots.
    EXPECT_EQ(items[0], line.substr(0, 508) + "...");
}
#endif
