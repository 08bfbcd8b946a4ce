// The MIB selector's rules against the compiled standard MIB, over a panel kept in memory that
// behaves as a toolkit's does: a selection made "with notification" and every change of the name
// field are reported back to the selector, the way the list box and the edit control report them.
#include "mibSelCore.h"

#include "cvsnmp.h"
#include "testenv.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Labels = std::vector<std::string>;

class Panel : public MsSelView {
public:
    std::string name;
    Labels items;
    std::set<size_t> selected;
    std::map<MsControl, bool> sensitive;
    std::map<MsControl, bool> editable;
    std::string idLabel;
    bool expressionShown = false;
    bool hasLabel = false;
    std::string label;
    Labels messages;
    Labels treeRequests;
    bool multi = false; // an extended-selection list; otherwise a selection replaces the last

    // The user edits the name field.
    void type(const std::string &text)
    {
        name = text;
        msNameFieldChanged();
    }
    // The user selects items by label (control-click style: added to the selection).
    void click(std::initializer_list<const char *> labels)
    {
        if (!multi) {
            selected.clear();
        }
        for (const char *l : labels) {
            for (size_t i = 0; i < items.size(); i++) {
                if (items[i] == l) {
                    selected.insert(i);
                }
            }
        }
        msListSelectionChanged();
    }

    bool hasNameField() override { return true; }
    std::string nameText() override { return name; }
    void setNameText(const char *text) override { type(text); } // the field reports every change
    bool hasList() override { return true; }
    void listClear() override { items.clear(), selected.clear(); }
    void listAppend(const char *l) override { items.push_back(l); }
    void listAddSorted(const char *l) override { items.insert(std::upper_bound(items.begin(), items.end(), l), l); }
    int listCount() override { return static_cast<int>(items.size()); }
    Labels listSelected() override
    {
        Labels out;
        for (size_t i : selected) {
            out.push_back(items[i]);
        }
        return out;
    }
    void listSelectPos(int pos, bool notify) override
    {
        if (!multi) {
            selected.clear();
        }
        selected.insert(static_cast<size_t>(pos - 1));
        if (notify) {
            msListSelectionChanged();
        }
    }
    void listSelectItem(const char *l, bool notify) override
    {
        auto it = std::find(items.begin(), items.end(), l);
        if (it != items.end()) {
            listSelectPos(static_cast<int>(it - items.begin()) + 1, notify);
        }
    }
    void listShowAtTop(const char *) override {}
    void treeSelect(const char *n) override { treeRequests.push_back(n != nullptr ? n : "(null)"); }
    void setSensitive(MsControl c, bool s) override { sensitive[c] = s; }
    void setEditable(MsControl c, bool e) override { editable[c] = e; }
    void showMode(bool expression) override { expressionShown = expression; }
    void setIdLabel(const char *text) override { idLabel = text; }
    void setToggles(bool) override {}
    bool hasLabelField() override { return hasLabel; }
    std::string labelText() override { return label; }
    void setLabelText(const char *text) override { label = text; }
    int clearMessages() override { return messages.clear(), 0; }
    int addMessage(const char *text) override { return messages.push_back(text), 0; }
};

std::vector<int> states;

std::string str(const char *s)
{
    return s != nullptr ? s : "(null)";
}

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
        ASSERT_EQ(CVmib_load_mib(), 0) << CVmib_load_error();
        states.clear();
    }
    void attach(unsigned flags, bool dialog = true)
    {
        view = Panel();
        view.hasLabel = (flags & MS_LABEL) != 0;
        view.multi = (flags & MS_MULTIPLE_SELECT) != 0;
        msCoreAttach(&view, flags, dialog, nullptr, [](int state) { states.push_back(state); });
        msCoreSetResources(nullptr, false);
    }
    Panel view;
};

const char system_[] = ".iso.org.dod.internet.mgmt.mib-2.system";

TEST_F(Selector, NamesInEveryForm)
{
    attach(0);
    const char sysDescr[] = ".iso.org.dod.internet.mgmt.mib-2.system.sysDescr";
    EXPECT_EQ(str(msGetObjectNumericName(sysDescr)), ".1.3.6.1.2.1.1.1");
    EXPECT_EQ(str(msGetObjectNumericName("sysDescr.0")), ".1.3.6.1.2.1.1.1.0");
    EXPECT_EQ(str(msGetObjectNameByNumericName(".1.3.6.1.2.1.1.1")), sysDescr);
    EXPECT_EQ(str(msGetObjectNameByNumericName("1.3.6.1.4.1.99999.7")), ".iso.org.dod.internet.private.enterprises.99999.7");
    EXPECT_EQ(str(msGetObjectBaseName(sysDescr)), "sysDescr");
    EXPECT_EQ(str(msGetObjectDirName(sysDescr)), system_);
    EXPECT_EQ(str(msGetObjectDirName(".iso")), "");
    EXPECT_EQ(str(msGetObjectDirName("iso")), "iso");
    EXPECT_EQ(str(msGetObjectBaseName("iso")), "iso");
    EXPECT_EQ(msGetObjectDirName(nullptr), nullptr);
    EXPECT_EQ(str(msJoinName(system_, "sysName")), std::string(system_) + ".sysName");

    // Each operation keeps its own buffer: one result survives calls of the others.
    char *base = msGetObjectBaseName(".a.b");
    msGetObjectDirName(".x.y.z");
    EXPECT_STREQ(base, "b");
}

TEST_F(Selector, UnreadableNamesGiveNullNeverAnOverrun)
{
    attach(0);
    std::string deep = ".1.3.6.1.4.1";
    for (int i = 0; i < 294; i++) {
        deep += ".7";
    }
    EXPECT_EQ(msGetObjectNumericName(deep.c_str()), nullptr) << "300 sub-identifiers";
    EXPECT_EQ(msGetObjectNameByNumericName(deep.c_str()), nullptr);
    EXPECT_EQ(msGetObjectNumericName(".iso.org.noSuchLabel"), nullptr);
    EXPECT_EQ(msGetObjectNumericName(""), nullptr);
    EXPECT_EQ(msGetObjectNumericName(nullptr), nullptr);

    // The longest readable identifier, of the largest numbers, fits its buffer whole.
    std::string longest = ".1.3.6.1.4.1";
    for (int i = 0; i < 250; i++) {
        longest += ".4294967295";
    }
    EXPECT_EQ(str(msGetObjectNumericName(longest.c_str())), longest);
    std::string symbolic = str(msGetObjectNameByNumericName(longest.c_str()));
    EXPECT_EQ(symbolic.substr(0, 40), ".iso.org.dod.internet.private.enterprise");
    EXPECT_EQ(symbolic.size(), std::string(".iso.org.dod.internet.private.enterprises").size() + 250 * 11);
}

TEST_F(Selector, ShowingANodeListsItsChildrenAndChoosesTheFirst)
{
    attach(MS_ACCEPT_ANY);
    msShowNode(".iso.org.dod.internet", 1);
    EXPECT_EQ(view.name, ".iso.org.dod.internet");
    EXPECT_EQ(view.items, (Labels{"directory", "mgmt", "experimental", "private", "security", "snmpV2"}));
    EXPECT_EQ(view.treeRequests, Labels{".iso.org.dod.internet"});
    EXPECT_EQ(str(msGetObjectName()), ".iso.org.dod.internet.directory");
    EXPECT_EQ(msCoreState(), MS_STATE_LEAF);
    EXPECT_TRUE(view.sensitive[MS_CTL_OK]) << "a leaf is accepted";

    msCoreSetResources(nullptr, true);
    msShowNode(system_, 0);
    EXPECT_TRUE(std::is_sorted(view.items.begin(), view.items.end()));
    EXPECT_EQ(view.items.front(), "sysContact");
    EXPECT_EQ(msCoreState(), MS_STATE_LEAF);

    msShowNode(".iso", 0);
    EXPECT_EQ(msCoreState(), MS_STATE_ROOT);
    msShowNode(".iso.org.dod.internet.mgmt", 0);
    EXPECT_EQ(msCoreState(), MS_STATE_NODE);
    EXPECT_FALSE(view.sensitive[MS_CTL_OK]);

    // A node without children, and a name the MIB does not hold.
    msShowNode(".iso.org.dod.internet.mgmt.mib-2.system.sysDescr", 0);
    EXPECT_TRUE(view.items.empty());
    EXPECT_EQ(msCoreState(), MS_STATE_NONE);
    EXPECT_FALSE(view.sensitive[MS_CTL_DESCRIBE]);
    msShowNode(".iso.org.noSuchNode", 0);
    EXPECT_TRUE(view.items.empty());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find(".iso.org.noSuchNode"), std::string::npos);
    EXPECT_EQ(states.back(), MS_STATE_NONE) << "the state callback hears each state";
}

TEST_F(Selector, SeveralChosenObjectsAndTheSensitivityTheyGive)
{
    attach(MS_MULTIPLE_SELECT | MS_ACCEPT_INTEGER | MS_APPLY);
    msShowNode(system_, 0);
    EXPECT_EQ(str(msGetObjectName()), std::string(system_) + ".sysDescr");
    EXPECT_FALSE(view.sensitive[MS_CTL_OK]) << "sysDescr is a string";
    EXPECT_EQ(msAllInteger(), 0);

    view.selected.clear();
    view.click({"sysUpTime", "sysServices"});
    EXPECT_EQ(chosen(), (Labels{std::string(system_) + ".sysUpTime", std::string(system_) + ".sysServices"}));
    EXPECT_EQ(msCoreState(), MS_STATE_LEAVES);
    EXPECT_EQ(msAllInteger(), 1);
    EXPECT_TRUE(view.sensitive[MS_CTL_OK]);
    EXPECT_TRUE(view.sensitive[MS_CTL_APPLY]) << "Apply follows OK";

    view.click({"sysORTable"});
    EXPECT_EQ(msCoreState(), MS_STATE_NODES);
    EXPECT_FALSE(view.sensitive[MS_CTL_OK]);

    // Down Tree with several chosen: a message, then the first one becomes the current node.
    msDownTree();
    EXPECT_EQ(view.messages, Labels{"too many items selected"});
    EXPECT_EQ(view.name, std::string(system_) + ".sysUpTime");
    EXPECT_EQ(msCoreState(), MS_STATE_NONE);

    // Without a dialog, OK and Apply are not the selector's to set.
    attach(MS_ACCEPT_ANY, false);
    msShowNode(system_, 0);
    EXPECT_EQ(view.sensitive.count(MS_CTL_OK), 0u);
    msDisableOkApply();
    EXPECT_EQ(view.sensitive.count(MS_CTL_OK), 0u) << "only with MS_APPLY";
}

TEST_F(Selector, TheLabelFieldFollowsAnAcceptedLeaf)
{
    attach(MS_LABEL | MS_ACCEPT_ANY);
    msShowNode(system_, 0);
    EXPECT_EQ(view.label, "sysDescr");
    EXPECT_TRUE(view.editable[MS_CTL_LABEL]);
    msShowNode(".iso.org.dod.internet.mgmt", 0);
    EXPECT_EQ(view.label, "");
    EXPECT_FALSE(view.editable[MS_CTL_LABEL]);
    msSetLabel("uplink");
    EXPECT_EQ(str(msGetLabel()), "uplink");

    msDisableSelectionEnableLabel(".1.3.6.1.2.1.1.5", "router name");
    EXPECT_EQ(view.name, system_);
    EXPECT_EQ(view.listSelected(), Labels{"sysName"});
    EXPECT_EQ(view.label, "router name");
    EXPECT_TRUE(view.editable[MS_CTL_LABEL]);
    EXPECT_FALSE(view.sensitive[MS_CTL_LIST]);
    EXPECT_FALSE(view.sensitive[MS_CTL_NAME]);
    EXPECT_TRUE(view.sensitive[MS_CTL_OK]);
    EXPECT_FALSE(view.sensitive[MS_CTL_APPLY]);

    view.messages.clear();
    msDisableSelectionEnableLabel("nodots", "x");
    EXPECT_EQ(view.messages, Labels{"Invalid object: nodots"});
}

TEST_F(Selector, TypedNamesAreCheckedWhenTheyAreRead)
{
    attach(MS_ACCEPT_ANY);
    msShowNode(system_, 0);
    view.type("  .iso.org.dod.internet.mgmt ");
    EXPECT_TRUE(view.items.empty()) << "typing empties the list";
    EXPECT_EQ(msCoreState(), MS_STATE_TYPED);
    EXPECT_EQ(view.treeRequests.back(), "(null)") << "and clears the tree's selection";
    EXPECT_TRUE(view.sensitive[MS_CTL_OK]);
    // Reading the name drops the blanks and shows the node.
    EXPECT_EQ(str(msGetObjectName()), ".iso.org.dod.internet.mgmt");
    EXPECT_EQ(view.name, ".iso.org.dod.internet.mgmt");
    EXPECT_EQ(view.items, Labels{"mib-2"});

    view.type(".iso org");
    EXPECT_EQ(msGetObjectName(), nullptr);
    EXPECT_EQ(view.messages, Labels{"invalid MIB object .iso org"});

    // Only the user's first edit counts until the selector shows a node again.
    view.name = "";
    EXPECT_EQ(str(msGetFirstObjectName()), ".iso.org.dod.internet");
    EXPECT_EQ(msGetNextObjectName(), nullptr);
    EXPECT_EQ(view.messages.back(), "no MIB object, restoring default");
    EXPECT_EQ(view.name, ".iso.org.dod.internet");

    EXPECT_EQ(msCheckDefaultObject("  .iso.org  "), ".iso.org");
    EXPECT_EQ(msCheckDefaultObject(".iso org"), ".iso.org.dod.internet");
    EXPECT_EQ(msCheckDefaultObject(""), ".iso.org.dod.internet");
}

TEST_F(Selector, UpTreeWalksToTheRootAndNoFurther)
{
    attach(0);
    msShowNode(".iso.org", 0);
    msUpTree();
    EXPECT_EQ(view.name, ".iso");
    EXPECT_EQ(view.items, (Labels{"org"}));
    msUpTree();
    EXPECT_EQ(view.name, "");
    EXPECT_TRUE(view.items.empty());
    EXPECT_EQ(msCoreState(), MS_STATE_NONE);

    view.type("iso");
    msUpTree();
    EXPECT_EQ(view.name, "iso") << "a name without a dot stays";

    view.type(".iso .org");
    msUpTree();
    EXPECT_EQ(view.messages.back(), "Cannot go up tree, no \".\" in tree");
}

TEST_F(Selector, ExpressionModeListsTheExpressionLibrary)
{
    attach(MS_ACCEPT_ANY);
    msSetObjectName("ifErrorRate");
    EXPECT_FALSE(msCoreExpressionMode()) << "without the toggles nothing changes";

    attach(MS_EXPRESSIONS | MS_APPLY | MS_LABEL | MS_ACCEPT_ANY);
    msSetObjectName("ifErrorRate");
    EXPECT_TRUE(msCoreExpressionMode());
    EXPECT_TRUE(view.expressionShown);
    EXPECT_EQ(view.idLabel, "Expression ID");
    EXPECT_EQ(view.items, (Labels{"ifErrorRate", "ifInDiscardRate", "ifInUtilization", "ifOutUtilization"}));
    EXPECT_FALSE(view.sensitive[MS_CTL_DESCRIBE]);
    view.click({"ifInUtilization"});
    EXPECT_EQ(str(msGetObjectName()), "ifInUtilization");
    EXPECT_EQ(view.label, "ifInUtilization");
    EXPECT_TRUE(view.sensitive[MS_CTL_DESCRIBE]);
    EXPECT_TRUE(view.sensitive[MS_CTL_OK]);

    msSetObjectName(".iso.org.dod.internet.mgmt.mib-2");
    EXPECT_FALSE(msCoreExpressionMode());
    EXPECT_EQ(view.idLabel, "MIB Object ID");
    EXPECT_EQ(view.name, ".iso.org.dod.internet.mgmt.mib-2");
    EXPECT_EQ(str(msGetObjectName()), ".iso.org.dod.internet.mgmt.mib-2.system");
}

TEST_F(Selector, AMibFileThatCannotBeLoadedIsReported)
{
    attach(0);
    std::string bad = treeDir("CVGUI_BINARY_DIR") + "/mibsel-broken.db";
    FILE *f = fopen(bad.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("not a MIB database", f);
    fclose(f);
    setEnv("CVMIBFILE", bad.c_str());
    EXPECT_NE(msLoadMib(), 0);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Warning: could not load MIB file \"" + bad +
                                    "\".\n  Verify the MIB file by using the \"Load/Unload MIBs\" utility.");
    // What was loaded before still answers.
    msShowNode(system_, 0);
    EXPECT_EQ(view.items.size(), 9u);
    remove(bad.c_str());
}

} // namespace
