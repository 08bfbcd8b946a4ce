// The MIB browser as a user works it: opening nodes with the mouse and the keyboard, choosing
// several objects, describing one, and the database rewritten by the MIB tool while the browser
// runs. The steps build on each other, in the order a user takes them.
#include "dialogSupport.h"
#include "testenv.h"

#include "browser.h"
#include "cvMibSel.h"

#include <X11/keysym.h>
#include <Xm/Container.h>
#include <Xm/FileSB.h>
#include <Xm/IconG.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/Text.h>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

namespace {

Browser *shown;
bool quitCalled;
std::string dbDir;

void quit(Widget, XtPointer, XtPointer)
{
    quitCalled = true;
}

Widget tree()
{
    return XtNameToWidget(shown->selector, "*mibTree");
}

// The tree's item of a path of labels ("iso.org.dod"), or null while it is not made.
Widget item(const std::string &path)
{
    Widget parent = nullptr;
    std::istringstream parts(path);
    for (std::string label; std::getline(parts, label, '.');) {
        Widget found = nullptr;
        for (Widget w : motif::children(tree())) {
            if (found == nullptr && XmIsIconGadget(w) && motif::value<Widget>(w, XmNentryParent) == parent &&
                motif::labelText(w) == label) {
                found = w;
            }
        }
        if (found == nullptr) {
            return nullptr;
        }
        parent = found;
    }
    return parent;
}

unsigned char outlineState(Widget w)
{
    return motif::value<unsigned char>(w, XmNoutlineState);
}

// Runs what the user does with the Control key held down when control is true.
void withControl(bool control, const std::function<void()> &act)
{
    Display *d = motif::app().display;
    KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L);
    if (control) {
        XTestFakeKeyEvent(d, ctrl, True, CurrentTime);
    }
    act();
    if (control) {
        XTestFakeKeyEvent(d, ctrl, False, CurrentTime);
    }
    motif::pump();
}

// Clicks a point of a gadget's row in the container, x pixels from the gadget's left edge.
void clickAt(Widget gadget, int dx, bool control = false)
{
    Display *d = XtDisplayOfObject(gadget);
    Position gx = motif::value<Position>(gadget, XmNx), gy = motif::value<Position>(gadget, XmNy);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(d, XtWindow(tree()), DefaultRootWindow(d), gx + dx,
                          gy + motif::value<Dimension>(gadget, XmNheight) / 2, &x, &y, &child);
    withControl(control, [&] {
        XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(d, 1, True, CurrentTime);
        XTestFakeButtonEvent(d, 1, False, CurrentTime);
    });
}

void key(KeySym sym, bool control)
{
    Display *d = motif::app().display;
    withControl(control, [&] {
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), True, CurrentTime);
        XTestFakeKeyEvent(d, XKeysymToKeycode(d, sym), False, CurrentTime);
    });
}

std::vector<std::string> chosen()
{
    std::vector<std::string> names;
    for (char *n = msGetFirstObjectName(); n != nullptr; n = msGetNextObjectName()) {
        names.emplace_back(n);
    }
    return names;
}

std::string nameField()
{
    return motif::textOf(XtNameToWidget(shown->selector, "*objectName"));
}

std::vector<std::string> messages()
{
    return dialogs::listItems(XtNameToWidget(shown->selector, "*messages"));
}

bool saysSomething(const std::string &part)
{
    for (const std::string &m : messages()) {
        if (m.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// The value beside a label of a description's rows.
std::string rowValue(Widget pane, const char *label)
{
    std::vector<Widget> rows = motif::children(XtNameToWidget(pane, "form"));
    for (size_t i = 0; i + 1 < rows.size(); i++) {
        if (XmIsLabel(rows[i]) && motif::labelText(rows[i]) == label) {
            return motif::textOf(rows[i + 1]);
        }
    }
    return "(no row)";
}

// Whether a pane's rows form is tall enough to show its last row.
bool rowsFit(Widget pane)
{
    Widget form = XtNameToWidget(pane, "form");
    Cardinal count = motif::value<Cardinal>(form, XmNnumChildren);
    if (count == 0) {
        return false;
    }
    Widget last = motif::value<WidgetList>(form, XmNchildren)[count - 1];
    Dimension h = motif::value<Dimension>(last, XmNheight);
    return motif::value<Position>(last, XmNy) + h <= motif::value<Dimension>(form, XmNheight) && h > 1;
}

std::string mibtool(const std::string &args, const std::string &database = dbDir + "/mib.db")
{
    const char *tool = getenv("MIBTOOL");
    const char *cache = getenv("CVGUI_MIB_CACHE");
    std::string cmd = std::string(tool) + " -q -f " + database + " -M " + cache + "/ietf -M " + cache + "/npm " +
                      args + " 2>&1";
    std::string out;
    FILE *pipe = popen(cmd.c_str(), "r");
    for (char buf[256]; pipe != nullptr && fgets(buf, sizeof buf, pipe) != nullptr;) {
        out += buf;
    }
    int status = pipe != nullptr ? pclose(pipe) : -1;
    return status == 0 ? "" : "mibtool failed: " + out;
}

// A copy of the standard database at path, and the test module the MIB tool adds to it.
void copyStandardDatabase(const std::string &path)
{
    std::ifstream in(getenv("CVGUI_STANDARD_MIBDB"), std::ios::binary);
    std::ofstream(path, std::ios::binary) << in.rdbuf();
}
std::string testModule()
{
    return std::string(getenv("CVGUI_SOURCE_DIR")) + "/tests/mib/modules/CVGUI-TEST-MIB.mib";
}

class MibBrowser : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char dir[] = "/tmp/cvgui-browser-XXXXXX";
        dbDir = mkdtemp(dir);
        copyStandardDatabase(dbDir + "/mib.db");
        setenv("CVMIBFILE", (dbDir + "/mib.db").c_str(), 1);
        Widget shell = motif::app().shell;
        XtVaSetValues(shell, XmNwidth, 1100, XmNheight, 640, nullptr);
        shown = &buildBrowser(shell, quit);
        motif::showShell(shell);
    }
    static void TearDownTestSuite()
    {
        std::string cmd = "rm -rf '" + dbDir + "'";
        if (system(cmd.c_str()) != 0) {
            fprintf(stderr, "could not remove %s\n", dbDir.c_str());
        }
    }
};

const std::string system_ = ".iso.org.dod.internet.mgmt.mib-2.system";

TEST_F(MibBrowser, StartsOnTheDefaultObjectWithItsFirstChildChosen)
{
    EXPECT_EQ(nameField(), ".iso.org.dod.internet");
    Widget directory = item("iso.org.dod.internet.directory");
    ASSERT_NE(directory, nullptr);
    EXPECT_EQ(chosen(), std::vector<std::string>{".iso.org.dod.internet.directory"});
    EXPECT_EQ(rowValue(shown->description, "Object ID"), ".1.3.6.1.1");
    // Nothing below internet's children is made before it is opened.
    EXPECT_EQ(item("iso.org.dod.internet.mgmt.mib-2"), nullptr);
}

TEST_F(MibBrowser, OpensNodesWithTheMouseAndTheKeyboard)
{
    Widget mgmt = item("iso.org.dod.internet.mgmt");
    ASSERT_NE(mgmt, nullptr);
    clickAt(mgmt, -10); // the outline button left of the label
    ASSERT_TRUE(motif::pumpUntil([] { return item("iso.org.dod.internet.mgmt.mib-2") != nullptr; }));
    EXPECT_EQ(outlineState(mgmt), XmEXPANDED);

    // Clicking a label chooses it; Control+Right opens it.
    Widget mib2 = item("iso.org.dod.internet.mgmt.mib-2");
    clickAt(mib2, 8);
    EXPECT_EQ(chosen(), std::vector<std::string>{".iso.org.dod.internet.mgmt.mib-2"});
    EXPECT_EQ(nameField(), ".iso.org.dod.internet.mgmt");
    key(XK_Right, true);
    ASSERT_TRUE(motif::pumpUntil([] { return item("iso.org.dod.internet.mgmt.mib-2.system") != nullptr; }));
    EXPECT_EQ(outlineState(mib2), XmEXPANDED);
    key(XK_Left, true);
    EXPECT_EQ(outlineState(mib2), XmCOLLAPSED);
    key(XK_Right, true);
    EXPECT_EQ(outlineState(mib2), XmEXPANDED);
}

TEST_F(MibBrowser, ChoosesSeveralObjectsOfOneNode)
{
    Widget system = item("iso.org.dod.internet.mgmt.mib-2.system");
    ASSERT_NE(system, nullptr);
    clickAt(system, -10);
    ASSERT_TRUE(motif::pumpUntil([] { return item("iso.org.dod.internet.mgmt.mib-2.system.sysName") != nullptr; }));
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.system.sysName"), 8);
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.system.sysDescr"), 8, true);
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.system.sysContact"), 8, true);
    EXPECT_EQ(nameField(), system_);
    // In MIB order, whatever the order of the clicks.
    EXPECT_EQ(chosen(), (std::vector<std::string>{system_ + ".sysDescr", system_ + ".sysContact", system_ + ".sysName"}));
    EXPECT_EQ(motif::labelText(shown->status), system_ + ".sysDescr (and 2 more)");
    // The description follows the first of them.
    EXPECT_EQ(rowValue(shown->description, "Name"), system_ + ".sysDescr");

    // An object of another node next to them does not make a choice across two nodes.
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.interfaces"), 8, true);
    EXPECT_EQ(chosen().size(), 3u);

    // The View menu shows numbers.
    Widget sysName = item("iso.org.dod.internet.mgmt.mib-2.system.sysName");
    motif::press(shown->numericEntry);
    EXPECT_EQ(motif::labelText(shown->status), ".1.3.6.1.2.1.1.1 (and 2 more)");
    EXPECT_EQ(motif::labelText(sysName), "sysName (5)");
    motif::press(shown->symbolicEntry);
    EXPECT_EQ(motif::labelText(sysName), "sysName");
}

TEST_F(MibBrowser, DescribesTheChosenObjectInAWindowOfItsOwn)
{
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.system.sysName"), 8);
    ASSERT_EQ(chosen(), std::vector<std::string>{system_ + ".sysName"});
    // The pane in the main window shows every row of the new object, not the old one's height.
    EXPECT_TRUE(rowsFit(shown->description));
    motif::press(XtNameToWidget(shown->selector, "*describe"));
    Widget window = dialogs::newestDialog(toplevel, "describeMibForm");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(dialogs::shown(window));
    EXPECT_EQ(dialogs::windowTitle(XtParent(window)), "Describe MIB Variable");
    Widget pane = XtNameToWidget(window, "description");
    EXPECT_EQ(rowValue(pane, "Name"), system_ + ".sysName");
    EXPECT_EQ(rowValue(pane, "Type"), "DisplayString  (Display String) (SIZE (0..255))");
    EXPECT_EQ(rowValue(pane, "Access"), "Read-Write");
    EXPECT_NE(motif::textOf(XtNameToWidget(pane, "*descriptionText")).find("administratively-assigned name"),
              std::string::npos);
    if (const char *shots = getenv("CVGUI_SHOTS")) {
        motif::screenshot(std::string(shots) + "/motif-mibbrowser-describe.png");
    }

    dialogs::DestroyWatch closed(XtParent(window));
    motif::click(XtNameToWidget(window, "*close"));
    EXPECT_TRUE(closed.await());
}

using dialogs::saveShell;

// Types a name into the save dialog's field, replacing what was there, and presses Save.
void saveAs(const std::string &name)
{
    dialogs::retype(XtNameToWidget(saveShell(), "*mEditText"), name);
    motif::press(dialogs::findButton(saveShell(), "Save"));
}

TEST_F(MibBrowser, SavesTheShownDescriptionThroughTheSaveDialog)
{
    ASSERT_EQ(chosen(), std::vector<std::string>{system_ + ".sysName"});
    motif::press(shown->saveEntry);
    ASSERT_TRUE(motif::pumpUntil([] { return saveShell() != nullptr && motif::isViewable(saveShell()); }));
    EXPECT_EQ(dialogs::windowTitle(saveShell()), "Save Description");

    saveAs(dbDir + "/sysName.txt");
    std::string saved = readFile(dbDir + "/sysName.txt");
    EXPECT_EQ(saved.rfind("Name: " + system_ + ".sysName\nObject ID: .1.3.6.1.2.1.1.5\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("\nAccess: Read-Write\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Description:\n    An administratively-assigned name"), std::string::npos) << saved;

    // A file that exists is kept until Save is pressed a second time for it.
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.system.sysContact"), 8);
    ASSERT_TRUE(motif::pumpUntil([] { return rowValue(shown->description, "Name") == system_ + ".sysContact"; }));
    std::ofstream(dbDir + "/old.txt") << "old";
    saveAs(dbDir + "/old.txt");
    EXPECT_EQ(readFile(dbDir + "/old.txt"), "old");
    saveAs(dbDir + "/old.txt");
    EXPECT_EQ(readFile(dbDir + "/old.txt").rfind("Name: " + system_ + ".sysContact\n", 0), 0u)
        << "the description shown when Save is pressed";
    dialogs::shot(saveShell(), "motif-mibbrowser-save.png");
    motif::press(dialogs::findButton(saveShell(), "Close"));
    EXPECT_TRUE(motif::pumpUntil([] { return !motif::isViewable(saveShell()); }));
    clickAt(item("iso.org.dod.internet.mgmt.mib-2.system.sysName"), 8);
}

TEST_F(MibBrowser, FollowsTheDatabaseWhenTheMibToolRewritesIt)
{
    ASSERT_EQ(chosen(), std::vector<std::string>{system_ + ".sysName"});
    ASSERT_EQ(mibtool("add " + testModule()), "");
    // The browser notices by itself, says so and keeps the user's node and choice.
    ASSERT_TRUE(motif::pumpUntil([] { return saysSomething("has changed: loaded again"); }, 10000));
    EXPECT_EQ(nameField(), system_);
    EXPECT_EQ(chosen(), std::vector<std::string>{system_ + ".sysName"});
    msSetObjectName(".iso.org.dod.internet.private.enterprises.cvTestMIB");
    EXPECT_NE(item("iso.org.dod.internet.private.enterprises.cvTestMIB.cvTestObjects"), nullptr);
    EXPECT_EQ(nameField(), ".iso.org.dod.internet.private.enterprises.cvTestMIB");

    // The module goes again while its node is shown: the default object takes its place.
    ASSERT_EQ(mibtool("remove CVGUI-TEST-MIB"), "");
    ASSERT_TRUE(motif::pumpUntil([] { return saysSomething("is no longer in the MIB"); }, 10000));
    EXPECT_EQ(nameField(), ".iso.org.dod.internet");
    EXPECT_EQ(item("iso.org.dod.internet.private.enterprises.cvTestMIB"), nullptr);
}

// Chooses a file in File > Open Database as a user types it into the dialog's selection field.
Widget openDatabase(const std::string &file)
{
    motif::press(shown->openEntry);
    Widget dialog = XtNameToWidget(shown->form, "*openDatabase");
    if (dialog == nullptr || !motif::pumpUntil([&] { return motif::isViewable(XtParent(dialog)); })) {
        return nullptr;
    }
    // The name typed into the selection field, then Enter, which is the dialog's OK.
    Widget field = XmFileSelectionBoxGetChild(dialog, XmDIALOG_TEXT);
    XmTextSetString(field, const_cast<char *>(file.c_str()));
    XEvent e = motif::keyEvent(field);
    XtCallActionProc(field, const_cast<char *>("activate"), &e, nullptr, 0);
    motif::pump();
    return dialog;
}

TEST_F(MibBrowser, OpensAnotherDatabaseAndRefusesOneThatIsNot)
{
    copyStandardDatabase(dbDir + "/other.db");
    ASSERT_EQ(mibtool("add " + testModule(), dbDir + "/other.db"), "");
    Widget dialog = openDatabase(dbDir + "/other.db");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(XtIsManaged(dialog));
    EXPECT_EQ(std::string(getenv("CVMIBFILE")), dbDir + "/other.db");
    EXPECT_TRUE(saysSomething("other.db\" has changed: loaded again"));
    msSetObjectName(".iso.org.dod.internet.private.enterprises.cvTestMIB");
    EXPECT_NE(item("iso.org.dod.internet.private.enterprises.cvTestMIB.cvTestObjects"), nullptr);

    // A file that is no database: the user is told, and the MIB shown stays.
    std::ofstream(dbDir + "/garbage.db") << "not a MIB database";
    openDatabase(dbDir + "/garbage.db");
    Widget error = dialogs::newestDialog(toplevel, "Error");
    ASSERT_NE(error, nullptr);
    EXPECT_NE(dialogs::messageText(error).find("garbage.db"), std::string::npos);
    EXPECT_TRUE(XtIsManaged(dialog)); // the user may choose again
    EXPECT_EQ(std::string(getenv("CVMIBFILE")), dbDir + "/other.db");
    EXPECT_NE(item("iso.org.dod.internet.private.enterprises.cvTestMIB"), nullptr);
}

TEST_F(MibBrowser, ShowsTheVersionReportFromTheHelpMenu)
{
    Widget pane = XtNameToWidget(shown->menuBar, "*helpPane");
    ASSERT_NE(pane, nullptr);
    Widget about = dialogs::findButton(pane, "About MIB Browser");
    ASSERT_NE(about, nullptr);
    motif::press(about);
    Widget box = dialogs::newestDialog(toplevel, "Information");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    std::string report = dialogs::messageText(box);
    EXPECT_EQ(report.rfind("MIB Browser (mibbrowser)", 0), 0u) << report;
    EXPECT_NE(report.find("Running on"), std::string::npos) << report;
    dialogs::shot(XtParent(box), "motif-mibbrowser-about.png");
}

TEST_F(MibBrowser, QuitsFromTheFileMenu)
{
    motif::press(shown->quitEntry);
    EXPECT_TRUE(quitCalled);
}

} // namespace
