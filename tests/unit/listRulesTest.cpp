// Where sorted insertion puts an item, how centring scrolls a list, and how long option menus are
// split into panes.
#include "cvListRules.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

int insertInto(std::vector<std::string> &items, const std::string &text)
{
    int position = cvSortedInsertPosition(static_cast<int>(items.size()),
                                          [&](int i) { return strcmp(items[i].c_str(), text.c_str()); });
    items.insert(position == 0 ? items.end() : items.begin() + (position - 1), text);
    return position;
}

} // namespace

TEST(SortedInsertion, FindsTheMotifPositionAndKeepsDuplicatesInFront)
{
    const std::vector<std::string> bd = {"b", "d"};
    std::vector<std::string> items = bd;
    EXPECT_EQ(insertInto(items, "a"), 1);
    items = bd;
    EXPECT_EQ(insertInto(items, "c"), 2);
    items = bd;
    EXPECT_EQ(insertInto(items, "e"), 0) << "appended";
    items = bd;
    EXPECT_EQ(insertInto(items, "b"), 1) << "in front of the equal item";
    items.clear();
    EXPECT_EQ(insertInto(items, "x"), 1) << "an empty list";
}

TEST(SortedInsertion, ManyItemsWithRepeatsStaySorted)
{
    std::mt19937 random(7);
    std::vector<std::string> items;
    for (int i = 0; i < 2000; i++) {
        insertInto(items, std::to_string(random() % 300));
    }
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
    EXPECT_EQ(items.size(), 2000u);
}

TEST(CentredPosition, MiddleRowExceptNearEitherEnd)
{
    // Ten rows of a hundred items.
    EXPECT_EQ(cvCenterScroll(3, 10, 100).kind, CvCenterScroll::top);
    CvCenterScroll middle = cvCenterScroll(50, 10, 100);
    EXPECT_EQ(middle.kind, CvCenterScroll::topPosition);
    EXPECT_EQ(middle.position, 45);
    EXPECT_EQ(cvCenterScroll(95, 10, 100).position, 90);
    EXPECT_EQ(cvCenterScroll(96, 10, 100).kind, CvCenterScroll::bottom);
    EXPECT_EQ(cvCenterScroll(97, 10, 100).kind, CvCenterScroll::bottom);
    EXPECT_EQ(cvCenterScroll(0, 10, 100).kind, CvCenterScroll::bottom);
    // Past the end.
    EXPECT_EQ(cvCenterScroll(500, 10, 100).kind, CvCenterScroll::bottom);
}

namespace {

// The entries of each pane, as a cascading option menu fills them.
std::vector<int> paneSizes(int items, int perPane)
{
    int panes = cvOptionMenuPaneCount(items, perPane);
    std::vector<int> sizes = {0};
    for (int i = 0; i < items; i++) {
        if (cvOptionMenuStartsPane(i, perPane, panes, static_cast<int>(sizes.size()))) {
            sizes.push_back(0);
        }
        sizes.back()++;
    }
    EXPECT_EQ(static_cast<int>(sizes.size()), panes);
    return sizes;
}

} // namespace

TEST(OptionMenuPanes, SplitOnlyWellPastOnePaneAndNeverForOneLeftOver)
{
    using v = std::vector<int>;
    EXPECT_EQ(paneSizes(14, 10), v({14}));
    EXPECT_EQ(paneSizes(15, 10), v({10, 5}));
    EXPECT_EQ(paneSizes(21, 10), v({10, 11}));
    EXPECT_EQ(paneSizes(22, 10), v({10, 10, 2}));
    EXPECT_EQ(paneSizes(200, 20), v(10, 20));
    EXPECT_EQ(paneSizes(0, 10), v({0}));
    // No usable pane size: one pane.
    EXPECT_EQ(paneSizes(30, 0), v({30}));
    EXPECT_EQ(paneSizes(30, -3), v({30}));
}
