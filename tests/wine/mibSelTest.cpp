// The MIB selector in a tool's dialog under Wine: the standard MIB in the tree, walked with the
// mouse and the keyboard as a user walks it, objects chosen there and their names read back, both
// from the selector and from the dialog's message list.
#include "kelMibSel.h"
#include "kelwlib.h"

#include "cvsnmp.h"
#include "support/input.h"
#include "support/mibSelHost.h"
#include "support/watch.h"
#include "testenv.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

using Labels = std::vector<std::string>;

const char internet[] = ".iso.org.dod.internet";
const char system_[] = ".iso.org.dod.internet.mgmt.mib-2.system";

Labels chosen()
{
    Labels out;
    for (char *n = msGetFirstObjectName(); n != nullptr; n = msGetNextObjectName()) {
        out.push_back(n);
    }
    return out;
}

class Selector : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(useStandardMib());
        open();
    }
    void open(unsigned flags = MibSelHost::defaultFlags)
    {
        host.reset();
        host = std::make_unique<MibSelHost>(flags);
        host->SetWindowPos(nullptr, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        host->ShowWindow(SW_SHOWNORMAL);
        host->UpdateWindow();
        host->SetForegroundWindow();
        input::settle();
        tree = KelMibTreeControl();
    }

    // The control's item of a dotted name, found by reading the control.
    HTREEITEM itemOf(const std::string &dotted)
    {
        HTREEITEM level = tree->GetRootItem();
        HTREEITEM found = nullptr;
        size_t start = 1;
        while (start <= dotted.size()) {
            size_t end = dotted.find('.', start);
            std::string component = dotted.substr(start, end == std::string::npos ? std::string::npos : end - start);
            for (found = level; found != nullptr && std::string(tree->GetItemText(found)) != component;
                 found = tree->GetNextSiblingItem(found)) {
            }
            if (found == nullptr || end == std::string::npos) {
                break;
            }
            level = tree->GetChildItem(found);
            start = end + 1;
        }
        return found;
    }
    Labels treeSelection()
    {
        CTypedPtrArray<CPtrArray, HTREEITEM> items;
        tree->GetSelectedItems(items);
        Labels out;
        for (INT_PTR i = 0; i < items.GetSize(); i++) {
            out.push_back(static_cast<const char *>(tree->GetItemText(items[i])));
        }
        return out;
    }
    std::string nameField() { return windowText(host->item(IDC_KEL_MS_NAME)); }
    Labels messages() { return listItems(host->item(IDC_KEL_MS_MESSAGES)); }
    void click(const std::string &dotted, std::initializer_list<WORD> modifiers = {})
    {
        HTREEITEM h = itemOf(dotted);
        ASSERT_NE(h, nullptr) << dotted;
        tree->EnsureVisible(h);
        RECT r;
        ASSERT_TRUE(tree->GetItemRect(h, &r, TRUE)) << dotted;
        // Two clicks in a row land apart, so that they are not taken for a double click.
        side = !side;
        int x = side ? r.left + (r.right - r.left) / 4 : r.right - (r.right - r.left) / 4;
        input::click(tree->m_hWnd, POINT{x, (r.top + r.bottom) / 2}, modifiers);
    }
    bool side = false;
    void clickButton(int id)
    {
        RECT r;
        ::GetClientRect(host->item(id), &r);
        input::click(host->item(id), POINT{r.right / 2, r.bottom / 2});
    }

    std::unique_ptr<MibSelHost> host;
    CMultiTreeCtrl *tree = nullptr;
};

TEST_F(Selector, TheTreeHoldsTheWholeMibInPreOrder)
{
    ASSERT_EQ(host->attached, 1);
    size_t nodes = 0;
    for (CVmibNode *n = Mib; n != nullptr;) {
        nodes++;
        if (n->child != nullptr) {
            n = n->child;
            continue;
        }
        while (n != nullptr && n->next == nullptr) {
            n = n->parent;
        }
        n = n != nullptr ? n->next : nullptr;
    }
    EXPECT_GT(nodes, 500u);
    EXPECT_EQ(tree->GetCount(), nodes);

    // Children in MIB order, and each item's data its place in a pre-order walk.
    HTREEITEM mgmt = itemOf(".iso.org.dod.internet.mgmt");
    Labels children;
    for (HTREEITEM h = tree->GetChildItem(itemOf(internet)); h != nullptr; h = tree->GetNextSiblingItem(h)) {
        children.push_back(static_cast<const char *>(tree->GetItemText(h)));
    }
    EXPECT_EQ(children, (Labels{"directory", "mgmt", "experimental", "private", "security", "snmpV2"}));
    EXPECT_EQ(tree->GetItemData(tree->GetChildItem(mgmt)), tree->GetItemData(mgmt) + 1);
    EXPECT_EQ(tree->GetItemData(tree->GetRootItem()), 0u);

    // The selector starts at the default object, with its first child chosen in the tree.
    EXPECT_EQ(nameField(), internet);
    EXPECT_EQ(treeSelection(), Labels{"directory"});
    EXPECT_EQ(chosen(), Labels{".iso.org.dod.internet.directory"});
    EXPECT_FALSE(IsWindowVisible(host->item(IDC_KEL_MS_LIST))) << "the tree stands in for the list";
}

TEST_F(Selector, AUserWalksTheMibAndChoosesSeveralObjects)
{
    click(".iso.org.dod.internet.mgmt");
    EXPECT_EQ(chosen(), Labels{".iso.org.dod.internet.mgmt"});
    input::press(VK_RIGHT); // expands mgmt
    input::press(VK_DOWN);
    EXPECT_EQ(treeSelection(), Labels{"mib-2"});
    EXPECT_EQ(nameField(), ".iso.org.dod.internet.mgmt");
    input::press(VK_RIGHT);
    input::press(VK_DOWN);
    input::press(VK_RIGHT);
    input::press(VK_DOWN);
    EXPECT_EQ(nameField(), system_);
    EXPECT_EQ(chosen(), Labels{std::string(system_) + ".sysDescr"});
    EXPECT_EQ(mibSelHostState, MS_STATE_LEAF);

    input::press(VK_DOWN, {VK_SHIFT});
    input::press(VK_DOWN, {VK_SHIFT});
    click(std::string(system_) + ".sysName", {VK_CONTROL});
    EXPECT_EQ(treeSelection(), (Labels{"sysDescr", "sysObjectID", "sysUpTime", "sysName"}));
    EXPECT_EQ(chosen(), (Labels{std::string(system_) + ".sysDescr", std::string(system_) + ".sysObjectID",
                                std::string(system_) + ".sysUpTime", std::string(system_) + ".sysName"}));
    EXPECT_EQ(mibSelHostState, MS_STATE_LEAVES);
    EXPECT_TRUE(IsWindowEnabled(host->item(IDOK)));
    EXPECT_TRUE(IsWindowEnabled(host->item(IDC_KEL_MS_DESCRIBE)));

    // Taking one back.
    click(std::string(system_) + ".sysObjectID", {VK_CONTROL});
    EXPECT_EQ(chosen().size(), 3u);

    clickButton(IDOK);
    Labels shown = messages();
    ASSERT_EQ(shown.size(), 9u);
    EXPECT_EQ(shown[0], std::string("sysDescr in ") + system_);
    EXPECT_EQ(shown[1], std::string("  ") + system_ + ".sysDescr");
    EXPECT_EQ(shown[2], "  .1.3.6.1.2.1.1.1");
    EXPECT_EQ(shown[3], std::string("sysUpTime in ") + system_);
    EXPECT_EQ(shown[8], "  .1.3.6.1.2.1.1.5");
}

TEST_F(Selector, ItemsOfTwoParentsChooseNothingNew)
{
    click(std::string(internet) + ".private");
    input::press(VK_RIGHT); // opens private
    input::press(VK_DOWN);
    EXPECT_EQ(chosen(), Labels{std::string(internet) + ".private.enterprises"});
    // experimental, above it in the tree and of another parent, joins the tree's selection only.
    input::press(VK_UP, {VK_CONTROL});
    input::press(VK_UP, {VK_CONTROL});
    input::press(VK_SPACE, {VK_CONTROL});
    EXPECT_EQ(treeSelection(), (Labels{"experimental", "enterprises"}));
    EXPECT_EQ(chosen(), Labels{std::string(internet) + ".private.enterprises"});
    EXPECT_EQ(nameField(), std::string(internet) + ".private");
}

TEST_F(Selector, NamesAreFoundThroughTheIndex)
{
    KelMibTreeSelectItem(system_);
    EXPECT_EQ(treeSelection(), Labels{"sysDescr"});
    EXPECT_EQ(nameField(), system_);
    KelMibTreeSelectItem((std::string(system_) + ".sysName").c_str());
    EXPECT_EQ(treeSelection(), Labels{"sysName"});
    EXPECT_EQ(nameField(), system_) << "a leaf is chosen under its parent";
    EXPECT_EQ(chosen(), Labels{std::string(system_) + ".sysName"});
    EXPECT_EQ(mibSelHostState, MS_STATE_LEAF);

    for (std::string name : {std::string(internet) + ".noSuchNode", std::string("iso.org.dod"),
                             std::string(internet) + ".", std::string(".") + std::string(300, 'x')}) {
        KelMibTreeSelectItem(name.c_str());
        EXPECT_EQ(treeSelection(), Labels{"sysName"}) << name;
    }
    KelMibTreeSelectItem(nullptr);
    EXPECT_TRUE(treeSelection().empty());

    // The selector's own navigation goes through the tree as well.
    msSetObjectName(".iso.org.dod.internet.mgmt.mib-2.interfaces");
    EXPECT_EQ(treeSelection(), Labels{"ifNumber"});
    EXPECT_EQ(chosen(), Labels{".iso.org.dod.internet.mgmt.mib-2.interfaces.ifNumber"});
}

TEST_F(Selector, TypingANameTakesOverFromTheTree)
{
    HWND field = host->item(IDC_KEL_MS_NAME);
    RECT r;
    ::GetClientRect(field, &r);
    input::click(field, POINT{r.right - 4, r.bottom / 2});
    SendMessageA(field, EM_SETSEL, 0, -1);
    for (char c : std::string(" .iso.org ")) {
        input::press(static_cast<WORD>(LOBYTE(VkKeyScanA(c))));
    }
    EXPECT_EQ(nameField(), " .iso.org ");
    EXPECT_EQ(mibSelHostState, MS_STATE_TYPED);
    EXPECT_TRUE(treeSelection().empty());
    EXPECT_STREQ(msGetObjectName(), ".iso.org");
    EXPECT_EQ(nameField(), ".iso.org") << "the blanks are gone";
    EXPECT_EQ(treeSelection(), Labels{"dod"});

    SendMessageA(field, EM_SETSEL, 0, -1);
    for (char c : std::string(".iso org")) {
        input::press(static_cast<WORD>(LOBYTE(VkKeyScanA(c))));
    }
    EXPECT_EQ(msGetObjectName(), nullptr);
    EXPECT_EQ(messages(), Labels{"invalid MIB object .iso org"});
}

TEST_F(Selector, TheExpressionToggleShowsTheExpressionLibrary)
{
    clickButton(IDC_KEL_MS_EXPR_TOGGLE);
    EXPECT_TRUE(IsWindowVisible(host->item(IDC_KEL_MS_LIST)));
    EXPECT_FALSE(IsWindowVisible(host->item(IDC_KEL_MS_TREE)));
    EXPECT_EQ(windowText(host->item(IDC_KEL_MS_LABEL)), "Expression ID");
    EXPECT_FALSE(IsWindowEnabled(host->item(IDC_KEL_MS_DESCRIBE)));
    RECT r;
    SendMessageA(host->item(IDC_KEL_MS_LIST), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    input::click(host->item(IDC_KEL_MS_LIST), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    EXPECT_EQ(chosen(), Labels{"ifInDiscardRate"});
    EXPECT_TRUE(IsWindowEnabled(host->item(IDC_KEL_MS_DESCRIBE)));

    clickButton(IDC_KEL_MS_MIB_TOGGLE);
    EXPECT_TRUE(IsWindowVisible(host->item(IDC_KEL_MS_TREE)));
    EXPECT_EQ(windowText(host->item(IDC_KEL_MS_LABEL)), "MIB Object ID");
    EXPECT_EQ(nameField(), internet);
}

TEST_F(Selector, AMibThatCannotBeLoadedLeavesTheTreeEmptyAndSaysSo)
{
    std::string bad = treeDir("CVGUI_BINARY_DIR") + "/mibsel-wine-broken.db";
    FILE *f = fopen(bad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("CVMIBDB but nothing more", f);
    fclose(f);
    setEnv("CVMIBFILE", bad.c_str());
    open();
    EXPECT_EQ(host->attached, 0);
    EXPECT_EQ(tree->GetCount(), 0u);
    Labels shown = messages();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown[0], "Warning: could not load MIB file \"" + bad + "\".");
    remove(bad.c_str());
}

} // namespace
