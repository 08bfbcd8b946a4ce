// Sorted insertion over many repeated items, and how long option menus are split into panes.
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
    int at = cvSortedInsertPosition(static_cast<int>(items.size()), [&](int i) { return strcmp(items[i].c_str(), text.c_str()); });
    items.insert(at == 0 ? items.end() : items.begin() + (at - 1), text);
    return at;
}

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

TEST(SortedInsertion, ManyItemsWithRepeatsStaySorted)
{
    std::vector<std::string> items;
    std::mt19937 random(7);
    for (int i = 0; i < 2000; i++) {
        insertInto(items, std::to_string(random() % 300));
    }
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
}

TEST(OptionMenuPanes, SplitOnlyWellPastOnePaneAndNeverForOneLeftOver)
{
    using v = std::vector<int>;
    EXPECT_EQ(paneSizes(14, 10), v({14}));
    EXPECT_EQ(paneSizes(15, 10), v({10, 5}));
    EXPECT_EQ(paneSizes(21, 10), v({10, 11}));
    EXPECT_EQ(paneSizes(22, 10), v({10, 10, 2}));
    EXPECT_EQ(paneSizes(200, 20), v(10, 20));
    EXPECT_EQ(paneSizes(0, 10), v({0}));
    EXPECT_EQ(paneSizes(30, 0), v({30})) << "no usable pane size: one pane";
}
