// "Describe Event" on the Motif half, as a user meets it: shown by mwm with the event's rows and
// description, closed and asked for help through its buttons.
#include "cvDescEvent.h"
#include "dialogSupport.h"

#include <X11/CompositeP.h>
#include <Xm/Text.h>

using dialogs::DestroyWatch;
using dialogs::windowTitle;
using motif::app;
using motif::labelText;
using motif::textOf;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// The newest "describeEvent" shell among parent's popups.
Widget newestDescription(Widget parent)
{
    return dialogs::newestDialog(parent, "describeEvent");
}

// The rows of the label/edit form, the first child of the dialog's form: labels and fields
// alternate.
Rows rowsShown(Widget shell, std::vector<Widget> *labels = nullptr, std::vector<Widget> *fields = nullptr)
{
    CompositeWidget form = reinterpret_cast<CompositeWidget>(XtNameToWidget(shell, "describeEventForm"));
    CompositeWidget rowForm = reinterpret_cast<CompositeWidget>(form->composite.children[0]);
    Rows rows;
    for (Cardinal i = 0; i + 1 < rowForm->composite.num_children; i += 2) {
        Widget label = rowForm->composite.children[i], field = rowForm->composite.children[i + 1];
        rows.emplace_back(labelText(label), textOf(field));
        if (labels != nullptr) {
            labels->push_back(label);
            fields->push_back(field);
        }
    }
    return rows;
}

char *nodes[] = {const_cast<char *>("router-1"), const_cast<char *>("10.2.*.*")};

trap_record agentUp()
{
    trap_record t = {};
    t.name = const_cast<char *>("Agent up");
    t.description = const_cast<char *>("The agent has started.\nIt polls its sources again.");
    t.severity = EV_SEV_MAJOR;
    t.nodeCount = 2;
    t.nodes = nodes;
    return t;
}

} // namespace

TEST(DescribeEventDialog, ShowsTheRowsTheDescriptionAndClosesOnClose)
{
    app();
    trap_record trap = agentUp();
    popupDescribeEvent(nullptr, &trap, ".1.3.6.1.4.1.8072.4.0.99", True, "linkUp", 17, "operator",
                       "5f0c2a10-11ee");
    Widget shell = newestDescription(app().shell);
    ASSERT_NE(shell, nullptr);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    EXPECT_EQ(windowTitle(shell), "Describe Event Agent up");

    std::vector<Widget> labels, fields;
    Rows rows = rowsShown(shell, &labels, &fields);
    const std::string prefix = ".iso.org.dod.internet.private.enterprises.netSnmp.netSnmpNotificationPrefix";
    EXPECT_EQ(rows, (Rows{{"Event Name", "Agent up"},
                          {"Severity", "Major"},
                          {"Sources", "router-1, 10.2.*.*"},
                          {"Event Identifier", prefix + ".netSnmpNotifications.99"},
                          {"Event Identifier (Numeric)", ".1.3.6.1.4.1.8072.4.0.99"},
                          {"Generic Trap Name (Number)", "enterpriseSpecific (6)"},
                          {"Specific Trap Number", "99"},
                          {"Specific Trap (Hex)", "0x00000063"},
                          {"Enterprise ID", prefix},
                          {"Enterprise ID (Numeric)", ".1.3.6.1.4.1.8072.4"},
                          {"Received Event Type", ".1.3.6.1.6.3.1.1.5.4"},
                          {"Received Generic Trap Number", "3"},
                          {"Received Specific Trap Number", "0"},
                          {"Received Enterprise ID", ".1.3.6.1.6.3.1.1.5"},
                          {"Corvane Object Identifier", "17"},
                          {"Acknowledged By", "operator"},
                          {"Event Instance (UUID)", "5f0c2a10-11ee"}}));
    // Values are read-only and line up right of labels of one width.
    for (size_t i = 0; i < fields.size(); i++) {
        EXPECT_FALSE(XmTextGetEditable(fields[i])) << i;
        EXPECT_EQ(fields[i]->core.x, fields[0]->core.x) << i;
        EXPECT_EQ(labels[i]->core.width, labels[0]->core.width) << i;
    }

    Widget description = XtNameToWidget(shell, "*description");
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(textOf(description), "The agent has started.\nIt polls its sources again.");
    EXPECT_FALSE(XmTextGetEditable(description));
    EXPECT_EQ(labelText(XtNameToWidget(shell, "*descriptionLabel")), "Event description:");

    const char *shot = getenv("CVGUI_SCREENSHOT");
    if (shot != nullptr) {
        motif::screenshot(shot);
    }

    // Close goes through the server, as its callback destroys its own dialog.
    Widget close = XtNameToWidget(shell, "*close");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(labelText(close), "Close");
    DestroyWatch watch(shell);
    motif::click(close);
    EXPECT_TRUE(watch.await());
    // The busy cursor no longer knows the dialog.
    setCursorForWaiting(True);
    setCursorForWaiting(False);
    motif::pump();
}

TEST(DescribeEventDialog, HelpShowsItsTopicAndAnUnreadableIdentifierOnlyWarns)
{
    dialogs::HelpViewer viewer;
    trap_record trap = agentUp();
    Widget parent = motif::newTopLevel("helpParent");
    ASSERT_TRUE(motif::popUp(parent));
    popupDescribeEvent(parent, &trap, "coldStart", False, nullptr, 0, nullptr, nullptr);
    Widget shell = newestDescription(parent);
    ASSERT_TRUE(shell != nullptr && motif::pumpUntil([&] { return motif::isViewable(shell); }));
    EXPECT_EQ(rowsShown(shell).size(), 8u);
    Widget help = XtNameToWidget(shell, "*help");
    EXPECT_EQ(labelText(help), "Help");
    motif::press(help);
    EXPECT_EQ(viewer.nextRequest(), (std::vector<std::string>{"volume", "zbr:EvnDescEvent.dbx"}));
    EXPECT_EQ(newestDescription(parent), shell) << "help leaves the dialog open";

    popupDescribeEvent(parent, &trap, "noSuchTrap.*", False, nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(newestDescription(parent), shell) << "no second dialog";
    Widget warning = dialogs::newestDialog(app().shell, "Warning");
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(dialogs::messageText(warning), "Could not convert event type in \"noSuchTrap.*\".");
}

TEST(DescribeEventDialog, ARecordWithMissingFieldsAndA64KilobyteDescription)
{
    std::string text;
    while (text.size() < 65536) {
        text += "Line " + std::to_string(text.size()) + " of a long description.\n";
    }
    text.resize(65536);
    trap_record trap = {};
    trap.description = &text[0];
    app();
    popupDescribeEvent(nullptr, &trap, "", False, nullptr, 0, nullptr, nullptr);
    Widget shell = newestDescription(app().shell);
    ASSERT_NE(shell, nullptr);
    ASSERT_TRUE(motif::pumpUntil([&] { return motif::isViewable(shell); }));
    EXPECT_EQ(windowTitle(shell), "Describe Event ");
    EXPECT_EQ(rowsShown(shell), (Rows{{"Event Name", ""}, {"Severity", "Normal"}, {"Sources", "All nodes"},
                                      {"Event Identifier", ""}}));
    EXPECT_EQ(textOf(XtNameToWidget(shell, "*description")), text);
}
