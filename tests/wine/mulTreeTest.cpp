// CMultiTreeCtrl on a real tree view control, driven by the mouse and the keyboard through the
// system's input queue; the set, the items' state bits and the parent's notifications are read
// back afterwards.
#include "kelMulTree.h"

#include "support/input.h"
#include "support/treeres.h"
#include "support/watch.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

using Labels = std::vector<std::string>;

struct Change {
    HTREEITEM oldItem;
    HTREEITEM newItem;
};

// A dialog with the tree: alpha (alpha1, alpha2; expanded), beta (beta1; collapsed), gamma,
// delta. It records the TVN_SELCHANGED notifications it sees.
struct TreeDialog : CDialog {
    CMultiTreeCtrl tree;
    std::map<std::string, HTREEITEM> item;
    std::vector<Change> changes;

    explicit TreeDialog(BOOL multi = TRUE)
    {
        EXPECT_TRUE(Create(IDD_TEST_TREE));
        SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(SW_SHOWNORMAL);
        tree.SetMultiSelect(multi);
        EXPECT_TRUE(tree.SubclassDlgItem(IDC_TREE, this));
        for (const char *top : {"alpha", "beta", "gamma", "delta"}) {
            item[top] = tree.InsertItem(top);
        }
        item["alpha1"] = tree.InsertItem("alpha1", item["alpha"]);
        item["alpha2"] = tree.InsertItem("alpha2", item["alpha"]);
        item["beta1"] = tree.InsertItem("beta1", item["beta"]);
        tree.Expand(item["alpha"], TVE_EXPAND);
        UpdateWindow();
        SetForegroundWindow();
        input::settle();
        changes.clear();
    }
    ~TreeDialog() override { DestroyWindow(); }

    std::string name(HTREEITEM h) const
    {
        for (const auto &e : item) {
            if (e.second == h) {
                return e.first;
            }
        }
        return h == nullptr ? "(none)" : "(unknown)";
    }
    Labels selection() const
    {
        CTypedPtrArray<CPtrArray, HTREEITEM> items;
        tree.GetSelectedItems(items);
        Labels out;
        for (INT_PTR i = 0; i < items.GetSize(); i++) {
            out.push_back(name(items[i]));
        }
        return out;
    }
    // The items whose TVIS_SELECTED bit is set, in tree order.
    Labels stateBits() const
    {
        Labels out;
        for (const char *n : {"alpha", "alpha1", "alpha2", "beta", "beta1", "gamma", "delta"}) {
            if (tree.GetItemState(item.at(n), TVIS_SELECTED) & TVIS_SELECTED) {
                out.push_back(n);
            }
        }
        return out;
    }
    std::string caret() const { return name(tree.GetSelectedItem()); }

    // Clicks on the item's label; two clicks in a row land apart, as two clicks and not as a
    // double click.
    void click(const char *label, std::initializer_list<WORD> modifiers = {})
    {
        RECT r;
        ASSERT_TRUE(tree.GetItemRect(item[label], &r, TRUE)) << label;
        side = !side;
        int x = side ? r.left + (r.right - r.left) / 4 : r.right - (r.right - r.left) / 4;
        input::click(tree.m_hWnd, POINT{x, (r.top + r.bottom) / 2}, modifiers);
    }
    bool side = false;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        BOOL handled = CDialog::OnNotify(wParam, lParam, pResult);
        auto *nm = reinterpret_cast<NMTREEVIEWA *>(lParam);
        if (nm->hdr.code == TVN_SELCHANGEDA || nm->hdr.code == TVN_SELCHANGEDW) {
            changes.push_back(Change{nm->itemOld.hItem, nm->itemNew.hItem});
        }
        return handled;
    }
};

#define EXPECT_SELECTED(dialog, ...)                                                                                  \
    do {                                                                                                               \
        EXPECT_EQ((dialog).selection(), (Labels{__VA_ARGS__}));                                                        \
        EXPECT_EQ((dialog).stateBits(), (Labels{__VA_ARGS__})) << "the state bits follow the set";                     \
    } while (0)

TEST(MultiTreeMouse, ClicksControlClicksAndShiftRangesFromTheAnchor)
{
    TreeDialog d;
    d.click("alpha1");
    EXPECT_SELECTED(d, "alpha1");
    EXPECT_EQ(GetFocus(), d.tree.m_hWnd) << "a click takes the focus";

    // Whatever the order of the clicks, the set comes in display order.
    d.click("gamma", {VK_CONTROL});
    d.click("alpha", {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha", "alpha1", "gamma");
    EXPECT_EQ(d.caret(), "alpha");

    d.click("alpha2");
    d.click("delta", {VK_SHIFT});
    EXPECT_SELECTED(d, "alpha2", "beta", "gamma", "delta");
    EXPECT_EQ(d.caret(), "delta");
    d.click("beta", {VK_SHIFT}); // the anchor stays where the plain click was
    EXPECT_SELECTED(d, "alpha2", "beta");
    d.click("alpha", {VK_SHIFT}); // ranges run upwards too
    EXPECT_SELECTED(d, "alpha", "alpha1", "alpha2");

    d.click("gamma");
    EXPECT_SELECTED(d, "gamma");
}

TEST(MultiTreeMouse, ControlClickTogglesOneItemAndTellsTheParentOnce)
{
    TreeDialog d;
    d.click("alpha");
    d.click("gamma", {VK_CONTROL});
    d.click("delta", {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha", "gamma", "delta");

    d.changes.clear();
    d.click("gamma", {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha", "delta");
    int left = 0;
    for (const Change &c : d.changes) {
        left += c.oldItem == d.item["gamma"];
    }
    EXPECT_EQ(left, 1) << "gamma left the set with one notification";

    d.changes.clear();
    d.click("gamma", {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha", "gamma", "delta");
    ASSERT_FALSE(d.changes.empty());
    bool joined = false;
    for (const Change &c : d.changes) {
        joined = joined || c.newItem == d.item["gamma"];
    }
    EXPECT_TRUE(joined);
}

TEST(MultiTreeKeyboard, ShiftExtendsControlMovesTheCaretOnlyAndSpaceToggles)
{
    TreeDialog d;
    d.click("alpha1");
    input::press(VK_DOWN, {VK_SHIFT});
    input::press(VK_DOWN, {VK_SHIFT});
    EXPECT_SELECTED(d, "alpha1", "alpha2", "beta");
    EXPECT_EQ(d.caret(), "beta");
    input::press(VK_UP, {VK_SHIFT});
    EXPECT_SELECTED(d, "alpha1", "alpha2");

    input::press(VK_DOWN, {VK_CONTROL});
    input::press(VK_DOWN, {VK_CONTROL});
    EXPECT_EQ(d.caret(), "gamma");
    EXPECT_SELECTED(d, "alpha1", "alpha2");

    input::press(VK_SPACE, {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha1", "alpha2", "gamma");
    EXPECT_EQ(d.caret(), "gamma") << "Control+Space is no incremental search";
    input::press(VK_UP, {VK_CONTROL});
    input::press(VK_SPACE, {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha1", "alpha2", "beta", "gamma");
    input::press(VK_SPACE, {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha1", "alpha2", "gamma");

    // Plain keys move to a single selection.
    input::press(VK_DOWN);
    EXPECT_SELECTED(d, "gamma");
    input::press(VK_END);
    EXPECT_SELECTED(d, "delta");
    input::press(VK_HOME, {VK_CONTROL});
    EXPECT_SELECTED(d, "alpha");
    EXPECT_EQ(d.caret(), "alpha");
    input::press(VK_DOWN, {VK_SHIFT}); // the anchor follows the keyboard
    EXPECT_SELECTED(d, "alpha", "alpha1");
}

TEST(MultiTreeSet, HiddenItemsSortAfterTheirParentAndDeletedOnesLeave)
{
    TreeDialog d;
    d.tree.SelectAll(TVIS_SELECTED);
    EXPECT_SELECTED(d, "alpha", "alpha1", "alpha2", "beta", "beta1", "gamma", "delta");
    EXPECT_EQ(d.changes.size(), 7u) << "one notification per item";

    d.changes.clear();
    d.tree.SelectAll(0);
    EXPECT_SELECTED(d);
    EXPECT_EQ(d.caret(), "(none)");
    EXPECT_LE(d.changes.size(), 1u) << "only the control's own caret change is announced";

    d.click("delta");
    d.click("alpha2", {VK_CONTROL});
    d.tree.SetItemStateEx(d.item["beta1"], TVIS_SELECTED, TVIS_SELECTED);
    EXPECT_SELECTED(d, "alpha2", "beta1", "delta");
    d.tree.DeleteItem(d.item["beta"]);
    d.item.erase("beta");
    d.item.erase("beta1");
    EXPECT_EQ(d.selection(), (Labels{"alpha2", "delta"}));
}

TEST(MultiTreeSet, FocusingTheTreeSelectsNothingByItself)
{
    TreeDialog d;
    ASSERT_EQ(d.caret(), "(none)");
    d.GotoDlgCtrl(&d.tree);
    input::settle();
    EXPECT_EQ(GetFocus(), d.tree.m_hWnd);
    EXPECT_SELECTED(d);
}

TEST(MultiTreeOff, APlainTreeSelectsOneItem)
{
    TreeDialog d(FALSE);
    d.click("alpha1");
    d.click("gamma", {VK_CONTROL});
    EXPECT_SELECTED(d, "gamma");
    d.click("alpha", {VK_SHIFT});
    EXPECT_SELECTED(d, "alpha");
    input::press(VK_DOWN, {VK_SHIFT});
    EXPECT_SELECTED(d, "alpha1");
    d.tree.SelectAll(TVIS_SELECTED);
    EXPECT_SELECTED(d, "alpha1");
}

} // namespace
