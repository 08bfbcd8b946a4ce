// The message log on a real XmList: what the user reads, line by line, with the newest in view.
#include "dialogSupport.h"

using dialogs::listItems;

namespace {

class MessageLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell_ = motif::newTopLevel("log");
        Arg args[1];
        XtSetArg(args[0], XmNvisibleItemCount, 5);
        list_ = XmCreateScrolledList(shell_, const_cast<char *>("messages"), args, 1);
        XtManageChild(list_);
        ASSERT_TRUE(motif::popUp(shell_));
    }
    void TearDown() override { XtDestroyWidget(shell_); }

    bool lastItemInView() const
    {
        int top = 0, visible = 0, count = 0;
        XtVaGetValues(list_, XmNtopItemPosition, &top, XmNvisibleItemCount, &visible, XmNitemCount, &count, nullptr);
        return top + visible - 1 >= count;
    }

    Widget shell_ = nullptr;
    Widget list_ = nullptr;
};

} // namespace

TEST_F(MessageLog, LinesLineUpUnderTheMessageAndLongOnesAreCut)
{
    EXPECT_EQ(addMessage(list_, 1, "Saved %d sources\nto %s", 8, "sources.conf"), 0);
    std::string longLine(600, 'x');
    addMessage(list_, 0, "%s\nshort", longLine.c_str());
    std::vector<std::string> lines = listItems(list_);
    ASSERT_EQ(lines.size(), 4u);
    // The stamp is the time and a blank ("%X ").
    size_t stamp = lines[0].find("Saved 8 sources");
    ASSERT_GT(stamp, 4u);
    EXPECT_EQ(lines[0][stamp - 1], ' ');
    EXPECT_EQ(lines[1], std::string(stamp, ' ') + "to sources.conf");
    EXPECT_EQ(lines[2], std::string(509, 'x') + "...");
    EXPECT_EQ(lines[3], "  short");

    std::string huge(60000, 'y');
    addMessage(list_, 0, "%s", huge.c_str());
    EXPECT_EQ(listItems(list_).back(), "ERROR: addMessage() length too large");
}

TEST_F(MessageLog, OldItemsMakeRoomAndTheNewestIsInView)
{
    for (int i = 1; i <= 503; i++) {
        XmString item = XmStringCreateLocalized(const_cast<char *>(("item " + std::to_string(i)).c_str()));
        XmListAddItemUnselected(list_, item, 0);
        XmStringFree(item);
    }
    XmListSetPos(list_, 1);
    addMessage(list_, 0, "newest");
    std::vector<std::string> lines = listItems(list_);
    ASSERT_EQ(lines.size(), 501u) << "the three oldest went before the new line came";
    EXPECT_EQ(lines.front(), "item 4");
    EXPECT_EQ(lines.back(), "newest");
    EXPECT_TRUE(lastItemInView());

    // Without a list the message still reaches the user.
    EXPECT_EQ(addMessage(nullptr, 0, "lost %s", "message"), 0);
    Widget box = dialogs::newestDialog(motif::app().shell, "Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(dialogs::messageText(box), "lost message");
    XtDestroyWidget(XtParent(box));
}
