// The suite stand-ins cvgui calls: path base names, queues, and the map session's help requests
// and error texts.
#include <gtest/gtest.h>

#include "cv.h"
#include "cvutil.h"
#include "cvw.h"
#include "testenv.h"

#include <string>

TEST(BaseName, LastComponentOfAPath)
{
    EXPECT_STREQ(_CVbasename("/src/util_libs/mibSel.cpp"), "mibSel.cpp");
    EXPECT_STREQ(_CVbasename("mibSel.cpp"), "mibSel.cpp");
    EXPECT_STREQ(_CVbasename("lib/"), "");
    EXPECT_STREQ(_CVbasename(nullptr), "");
    const char *path = "a/b/c";
    EXPECT_EQ(_CVbasename(path), path + 4) << "a pointer into the path itself";
#ifdef _WIN32
    EXPECT_STREQ(_CVbasename("C:\\corvane\\src\\descEvent.cpp"), "descEvent.cpp");
    EXPECT_STREQ(_CVbasename("C:descEvent.cpp"), "descEvent.cpp");
#endif
}

namespace {
struct Node {
    Node *next;
    Node *prev;
    int value;
};
} // namespace

TEST(Queues, InsertAfterAndRemoveOnACircularList)
{
    Node head{&head, &head, 0};
    Node a{nullptr, nullptr, 1}, b{nullptr, nullptr, 2}, c{nullptr, nullptr, 3};
    _CVinsque(&a, &head);
    _CVinsque(&b, &head); // at the front
    _CVinsque(&c, &a);    // after a
    auto order = [&] {
        std::string values;
        for (Node *n = head.next; n != &head; n = n->next) {
            values += std::to_string(n->value);
        }
        return values;
    };
    EXPECT_EQ(order(), "213");
    EXPECT_EQ(head.prev, &c);
    EXPECT_EQ(c.prev, &a);
    _CVremque(&a);
    EXPECT_EQ(order(), "23");
    EXPECT_EQ(c.prev, &b);
    _CVremque(&b);
    _CVremque(&c);
    EXPECT_EQ(head.next, &head);
    EXPECT_EQ(head.prev, &head);

    // A NULL predecessor starts a linear list.
    Node first{&b, &c, 9};
    _CVinsque(&first, nullptr);
    EXPECT_EQ(first.next, nullptr);
    EXPECT_EQ(first.prev, nullptr);
}

TEST(HelpRequests, FailuresNameTheirReason)
{
    unsetEnv(CVW_HELP_VIEWER_ENV);
    char topic[] = "zbr:grapher.over";
    EXPECT_EQ(CVwShowHelp(cvwHelpVolume, topic), -1);
    EXPECT_EQ(CVwError(), CVW_ENOHELPVIEWER);
    EXPECT_NE(std::string(CVwErrorMsg(CVwError())).find(CVW_HELP_VIEWER_ENV), std::string::npos);

    setEnv(CVW_HELP_VIEWER_ENV, "  ");
    EXPECT_EQ(CVwShowHelp(cvwHelpVolume, topic), -1);
    EXPECT_EQ(CVwError(), CVW_ENOHELPVIEWER);

    setEnv(CVW_HELP_VIEWER_ENV, "cvgui-no-such-viewer --quiet");
    EXPECT_EQ(CVwShowHelp(4, topic), -1);
    EXPECT_EQ(CVwError(), CVW_EBADHELPTYPE);
    EXPECT_EQ(std::string(CVwErrorMsg(CVW_EBADHELPTYPE)), "Unknown help type 4");
    EXPECT_EQ(CVwShowHelp(cvwManPage, nullptr), -1);
    EXPECT_EQ(CVwError(), CVW_ENOHELPTARGET);
    char empty[] = "";
    EXPECT_EQ(CVwShowHelp(cvwManPage, empty), -1);

    EXPECT_EQ(CVwShowHelp(cvwTextFile, topic), -1);
    EXPECT_EQ(CVwError(), CVW_EHELPVIEWER);
    std::string why = CVwErrorMsg(CVW_EHELPVIEWER);
    EXPECT_NE(why.find("\"cvgui-no-such-viewer\" could not be started"), std::string::npos) << why;
    unsetEnv(CVW_HELP_VIEWER_ENV);
}
