// The Motif MIB selector panel in a dialog of its own: the mode toggles, typed names, the label
// field and the done buttons, driven through the toolkit as a user drives them.
#include "dialogSupport.h"

#include "cvMibSel.h"

#include <Xm/List.h>
#include <Xm/Text.h>
#include <Xm/ToggleB.h>
#include <algorithm>

namespace {

Widget panel;
std::vector<long> reasons;

void done(Widget w, XtPointer reason, XtPointer)
{
    EXPECT_EQ(w, panel);
    reasons.push_back(reinterpret_cast<long>(reason));
}

Widget child(const char *name)
{
    return XtNameToWidget(panel, name);
}

std::string text(const char *name)
{
    return motif::textOf(child(name));
}

// Types into the name field as a user does, then presses Enter.
void typeName(const std::string &name)
{
    Widget field = child("*objectName");
    dialogs::retype(field, name);
    XEvent e = motif::keyEvent(field);
    XtCallActionProc(field, const_cast<char *>("activate"), &e, nullptr, 0);
    motif::pump();
}

class Panel : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("CVEXPRFILE", (std::string(getenv("CVGUI_SOURCE_DIR")) + "/suite/cvutil/data/expressions.txt").c_str(), 1);
        Widget shell = motif::newTopLevel("selectorShell");
        panel = msCreateMibSelector(shell, nullptr, MS_LABEL | MS_APPLY | MS_EXPRESSIONS | MS_ACCEPT_ANY, nullptr,
                                    nullptr, done);
        XtManageChild(panel);
        motif::popUp(shell);
    }
};

TEST_F(Panel, TypedNamesGoToTheirNodeAndBadOnesAreRefused)
{
    EXPECT_EQ(XtName(panel), std::string("mibSelector"));
    typeName("  .iso.org.dod.internet.mgmt.mib-2.system  ");
    EXPECT_EQ(text("*objectName"), ".iso.org.dod.internet.mgmt.mib-2.system");
    EXPECT_EQ(msGetObjectName(), std::string(".iso.org.dod.internet.mgmt.mib-2.system.sysDescr"));
    // A leaf accepted: OK and Apply on, the label field offers the leaf's name.
    EXPECT_TRUE(XtIsSensitive(child("*ok")));
    EXPECT_TRUE(XtIsSensitive(child("*apply")));
    EXPECT_EQ(text("*labelField"), "sysDescr");
    EXPECT_TRUE(XmTextGetEditable(child("*labelField")));

    typeName(".iso org");
    auto said = dialogs::listItems(child("*messages"));
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), "invalid MIB object .iso org");
}

TEST_F(Panel, TheExpressionToggleShowsTheExpressions)
{
    motif::press(child("*expressions"));
    Widget list = child("*itemList");
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(list); }));
    EXPECT_FALSE(motif::isViewable(child("*mibTree")));
    EXPECT_FALSE(XtIsManaged(child("*objectName")));
    EXPECT_EQ(motif::labelText(child("*idLabel")), "Expression ID");
    auto names = dialogs::listItems(list);
    ASSERT_GE(names.size(), 4u);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_FALSE(XtIsSensitive(child("*describe")));

    XmString chosen = XmStringCreateLocalized(const_cast<char *>("ifInUtilization"));
    XmListSelectItem(list, chosen, True); // the list's own selection, as a click makes it
    XmStringFree(chosen);
    motif::pump();
    EXPECT_TRUE(XtIsSensitive(child("*describe")));
    EXPECT_EQ(text("*labelField"), "ifInUtilization");
    EXPECT_EQ(msDescribeChosen(), 1);
    Widget window = dialogs::newestDialog(toplevel, "describeMibForm");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(dialogs::windowTitle(XtParent(window)), "Describe Expression");
    msCloseDescriptions();

    motif::press(child("*mibObjects"));
    ASSERT_TRUE(motif::pumpUntil([] { return motif::isViewable(child("*mibTree")); }));
    EXPECT_FALSE(motif::isViewable(child("*itemList")));
    EXPECT_EQ(text("*objectName"), ".iso.org.dod.internet");
}

TEST_F(Panel, TheDoneButtonsTellTheirReasons)
{
    typeName(".iso.org.dod.internet.mgmt.mib-2.system");
    reasons.clear();
    motif::press(child("*ok"));
    motif::press(child("*apply"));
    motif::press(child("*cancel"));
    EXPECT_EQ(reasons, (std::vector<long>{1, 2, 0}));
}

} // namespace
