// The message log on a real XmList: what the user reads in the list, line by line, and that the
// newest line stays in view.
#include "dialogSupport.h"

#include <Xm/List.h>

using motif::app;

namespace {

class MessageLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell_ = motif::newTopLevel("log");
        Arg args[2];
        XtSetArg(args[0], XmNvisibleItemCount, 5);
        XtSetArg(args[1], XmNwidth, 400);
        list_ = XmCreateScrolledList(shell_, const_cast<char *>("messages"), args, 2);
        XtManageChild(list_);
        ASSERT_TRUE(motif::popUp(shell_));
    }
    void TearDown() override { XtDestroyWidget(shell_); }

    std::vector<std::string> items() const
    {
        XmStringTable table = nullptr;
        int count = 0;
        XtVaGetValues(list_, XmNitems, &table, XmNitemCount, &count, nullptr);
        std::vector<std::string> out;
        for (int i = 0; i < count; i++) {
            out.push_back(motif::xmStringText(XmStringCopy(table[i])));
        }
        return out;
    }

    bool lastItemInView() const
    {
        int top = 0, visible = 0, count = 0;
        XtVaGetValues(list_, XmNtopItemPosition, &top, XmNvisibleItemCount, &visible, XmNitemCount, &count, nullptr);
        return top + visible - 1 >= count && top <= count;
    }

    Widget shell_ = nullptr;
    Widget list_ = nullptr;
};

} // namespace

TEST_F(MessageLog, ContinuationLinesLineUpUnderTheMessage)
{
    EXPECT_EQ(addMessage(list_, 1, "Saved %d sources\nto %s\nat once", 8, "sources.conf"), 0);
    EXPECT_EQ(addMessage(list_, 0, "Polling starts\nwhen saved"), 0);
    std::vector<std::string> lines = items();
    ASSERT_EQ(lines.size(), 5u);
    // The stamp is the time and a blank ("%X ").
    size_t stamp = lines[0].find("Saved 8 sources");
    ASSERT_NE(stamp, std::string::npos);
    EXPECT_GT(stamp, 4u);
    EXPECT_EQ(lines[0][stamp - 1], ' ');
    EXPECT_EQ(lines[1], std::string(stamp, ' ') + "to sources.conf");
    EXPECT_EQ(lines[2], std::string(stamp, ' ') + "at once");
    EXPECT_EQ(lines[3], "Polling starts");
    EXPECT_EQ(lines[4], "  when saved");
}

TEST_F(MessageLog, LongLinesAreCutAndOldItemsMakeRoom)
{
    std::string longLine(600, 'x');
    addMessage(list_, 0, "%s\nshort", longLine.c_str());
    std::vector<std::string> lines = items();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(509, 'x') + "...");
    EXPECT_EQ(lines[1], "  short");

    // A list the log did not fill itself.
    XmListDeleteAllItems(list_);
    for (int i = 1; i <= 503; i++) {
        XmString item = XmStringCreateLocalized(const_cast<char *>(("item " + std::to_string(i)).c_str()));
        XmListAddItemUnselected(list_, item, 0);
        XmStringFree(item);
    }
    XmListSetPos(list_, 1);
    ASSERT_FALSE(lastItemInView());
    addMessage(list_, 0, "newest");
    lines = items();
    ASSERT_EQ(lines.size(), 501u) << "the three oldest went before the new line came";
    EXPECT_EQ(lines.front(), "item 4");
    EXPECT_EQ(lines.back(), "newest");
    EXPECT_TRUE(lastItemInView());
}

TEST_F(MessageLog, AMessageTooLongOrWithoutAListIsStillShown)
{
    std::string huge(60000, 'y');
    EXPECT_EQ(addMessage(list_, 0, "%s", huge.c_str()), 0);
    EXPECT_EQ(items(), std::vector<std::string>{"ERROR: addMessage() length too large"});

    EXPECT_EQ(addMessage(nullptr, 0, "lost %s", "message"), 0);
    Widget box = dialogs::newestDialog(app().shell, "Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogs::messageText(box), "lost message");
    XtDestroyWidget(XtParent(box));
}
