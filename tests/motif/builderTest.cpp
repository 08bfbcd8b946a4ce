// The simple builders on real Motif: names, staged resources, the label rule, containers.
#include "motifHarness.h"

#include <Xm/ArrowB.h>
#include <Xm/BulletinB.h>
#include <Xm/DialogS.h>
#include <Xm/DrawingA.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/MainW.h>
#include <Xm/PanedW.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <Xm/ToggleB.h>
#include <functional>

using motif::app;
using motif::labelText;
using motif::value;

namespace {

Widget parentForm()
{
    static Widget form = nullptr;
    if (form == nullptr) {
        form = XmCreateForm(app().shell, const_cast<char *>("testParent"), nullptr, 0);
        XtManageChild(form);
    }
    return form;
}

// Resources that a resource file gives some of the widgets these tests build.
struct ResourceFile {
    ResourceFile()
    {
        motif::fallbackResources() = {
            "*labelFromFile.labelString: From the resource file",
            "*toggleFromFile.labelString: Toggle from file",
        };
    }
} resourceFile;

struct BuilderCase {
    const char *builder;
    std::function<Widget(const char *name)> build;
    const char *defaultName;
    WidgetClass widgetClass;
};

std::vector<BuilderCase> builders()
{
    Widget p = parentForm();
    return {
        {"AddAButton", [p](const char *n) { return AddAButton(p, nullptr, n, nullptr, nullptr); }, "arrowButton", xmArrowButtonWidgetClass},
        {"AddBBoard", [p](const char *n) { return AddBBoard(p, n); }, "bboard", xmBulletinBoardWidgetClass},
        {"AddBBoardD", [p](const char *n) { return AddBBoardD(p, n, "t"); }, "bboardD", xmBulletinBoardWidgetClass},
        {"AddDiagSh", [p](const char *n) { return AddDiagSh(p, n); }, "dialog", xmDialogShellWidgetClass},
        {"AddPopupDialog", [p](const char *n) { return AddPopupDialog(p, "t", n); }, "topDiag", topLevelShellWidgetClass},
        {"AddMotifForm", [p](const char *n) { return AddMotifForm(p, n); }, "form", xmFormWidgetClass},
        {"AddMotifFormD", [p](const char *n) { return AddMotifFormD(p, n, "t"); }, "form_d", xmFormWidgetClass},
        {"AddDraw", [p](const char *n) { return AddDraw(p, n); }, "draw", xmDrawingAreaWidgetClass},
        {"AddFrame", [p](const char *n) { return AddFrame(p, n, 1); }, "frame", xmFrameWidgetClass},
        {"AddLabel", [p](const char *n) { return AddLabel(p, n, "x", 0); }, "label", xmLabelWidgetClass},
        {"AddSText", [p](const char *n) { return AddSText(p, n, "x"); }, "staticText", xmLabelWidgetClass},
        {"AddMWin", [p](const char *n) { return AddMWin(p, n); }, "mainWindow", xmMainWindowWidgetClass},
        {"AddVPane", [p](const char *n) { return AddVPane(p, n, True); }, "panedWindow", xmPanedWindowWidgetClass},
        {"AddRowCol", [p](const char *n) { return AddRowCol(p, n); }, "rowCol", xmRowColumnWidgetClass},
        {"AddHRowCol", [p](const char *n) { return AddHRowCol(p, n); }, "hRowCol", xmRowColumnWidgetClass},
        {"AddButtonBox", [p](const char *n) { return AddButtonBox(p, n, 0x4305); }, "buttonBox", xmRowColumnWidgetClass},
        {"AddRadioBox", [p](const char *n) { return AddRadioBox(p, n); }, "radioBox", xmRowColumnWidgetClass},
        {"AddSBar", [p](const char *n) { return AddSBar(p, n); }, "scrollBar", xmScrollBarWidgetClass},
        {"AddSWin", [p](const char *n) { return AddSWin(p, n); }, "scrolledWindow", xmScrolledWindowWidgetClass},
        {"AddText", [p](const char *n) { return AddText(p, n); }, "text", xmTextWidgetClass},
        {"AddTEdit", [p](const char *n) { return AddTEdit(p, n); }, "textEdit", xmTextWidgetClass},
        {"AddSEdit", [p](const char *n) { return AddSEdit(p, n); }, "scrolledEdit", xmTextWidgetClass},
        {"AddMTButton", [p](const char *n) { return AddMTButton(p, "x", n, False, nullptr, nullptr); }, "tbutton", xmToggleButtonWidgetClass},
        {"AddMTButtonG", [p](const char *n) { return AddMTButtonG(p, "x", n, False, nullptr, nullptr); }, "tbutton", xmToggleButtonWidgetClass},
    };
}

} // namespace

TEST(Builders, NameWidgetsByTheNamingRuleAndLeaveNoStagedArguments)
{
    for (const BuilderCase &c : builders()) {
        SCOPED_TRACE(c.builder);
        Widget w = c.build(nullptr);
        ASSERT_NE(w, nullptr);
        EXPECT_STREQ(XtName(w), c.defaultName) << "null name";
        EXPECT_TRUE(XtIsSubclass(w, c.widgetClass));
        EXPECT_EQ(widgetArgCnt, 0u);

        EXPECT_STREQ(XtName(c.build("")), c.defaultName) << "empty name";
        EXPECT_STREQ(XtName(c.build("given")), "given");
        EXPECT_STREQ(_nptr, "given");
        EXPECT_EQ(widgetArgCnt, 0u);
    }
}

TEST(Builders, ManageOnlyWhereTheNameSaysSo)
{
    Widget p = parentForm();
    EXPECT_FALSE(XtIsManaged(AddLabel(p, nullptr, "l", 0)));
    EXPECT_TRUE(XtIsManaged(AddMLabel(p, nullptr, "l")));
    EXPECT_FALSE(XtIsManaged(AddAButton(p, nullptr, nullptr, nullptr, nullptr)));
    EXPECT_TRUE(XtIsManaged(AddMAButton(p, nullptr, nullptr, nullptr, nullptr)));
    EXPECT_FALSE(XtIsManaged(AddSText(p, nullptr, "s")));
    // Toggle buttons come managed.
    EXPECT_TRUE(XtIsManaged(AddMTButton(p, "t", nullptr, True, nullptr, nullptr)));
}

TEST(Builders, LongNamesAreCutToTheNameBuffer)
{
    std::string longName(200, 'n');
    Widget w = AddRowCol(parentForm(), longName.c_str());
    EXPECT_EQ(std::string(XtName(w)), std::string(79, 'n'));
}

TEST(StagedArguments, CallersResourcesApplyAndTheBuildersOwnWin)
{
    Widget p = parentForm();
    XtSetArg(widgetArgs[widgetArgCnt], XmNmarginWidth, 13), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNalignment, XmALIGNMENT_END), widgetArgCnt++;
    Widget text = AddSText(p, nullptr, "left");
    EXPECT_EQ(value<unsigned char>(text, XmNalignment), XmALIGNMENT_BEGINNING);
    EXPECT_EQ(value<Dimension>(text, XmNmarginWidth), 13);
    EXPECT_EQ(widgetArgCnt, 0u);

    XtSetArg(widgetArgs[widgetArgCnt], XmNshadowType, XmSHADOW_ETCHED_OUT), widgetArgCnt++;
    EXPECT_EQ(value<unsigned char>(AddFrame(p, nullptr, 1), XmNshadowType), XmSHADOW_IN);
    XtSetArg(widgetArgs[widgetArgCnt], XmNorientation, XmVERTICAL), widgetArgCnt++;
    EXPECT_EQ(value<unsigned char>(AddHRowCol(p, nullptr), XmNorientation), XmHORIZONTAL);
    XtSetArg(widgetArgs[widgetArgCnt], XmNset, False), widgetArgCnt++;
    EXPECT_TRUE(value<Boolean>(AddMTButton(p, "t", nullptr, True, nullptr, nullptr), XmNset));
}

TEST(LabelRule, LabelGivenInTheCallAppliesUnlessTheResourceFileGivesOne)
{
    Widget p = parentForm();
    EXPECT_EQ(labelText(AddLabel(p, "plainLabel", "Call label", 0)), "Call label");
    EXPECT_EQ(labelText(AddLabel(p, "labelFromFile", "Call label", 0)), "From the resource file");
    EXPECT_EQ(labelText(AddMLabel(p, "multi", "two\nlines")), "two\nlines");
    // Without a label the widget keeps Motif's own: its name.
    EXPECT_EQ(labelText(AddLabel(p, "noLabel", nullptr, 0)), "noLabel");

    EXPECT_EQ(labelText(AddMTButton(p, "Toggle", "plainToggle", False, nullptr, nullptr)), "Toggle");
    EXPECT_EQ(labelText(AddMTButton(p, "Toggle", "toggleFromFile", False, nullptr, nullptr)), "Toggle from file");
    EXPECT_EQ(labelText(AddSText(p, nullptr, "Static")), "Static");
}

TEST(Containers, FrameShadowFollowsTheType)
{
    Widget p = parentForm();
    unsigned char motifDefault = value<unsigned char>(XmCreateFrame(p, const_cast<char *>("f"), nullptr, 0), XmNshadowType);
    EXPECT_EQ(value<unsigned char>(AddFrame(p, nullptr, 1), XmNshadowType), XmSHADOW_IN);
    EXPECT_EQ(value<unsigned char>(AddFrame(p, nullptr, 2), XmNshadowType), XmSHADOW_OUT);
    EXPECT_EQ(value<unsigned char>(AddFrame(p, nullptr, 0), XmNshadowType), motifDefault);
    EXPECT_EQ(value<unsigned char>(AddFrame(p, nullptr, 3), XmNshadowType), motifDefault);
}

// The flags word: 0x8000 horizontal, 0x4000 packed in columns with their count in bits 8-11,
// spacing in the low byte; what a flag leaves out stays as a plain row column has it.
TEST(Containers, ButtonBoxReadsItsFlagsBitWise)
{
    Widget p = parentForm();
    Widget plain = AddRowCol(p, nullptr);
    const unsigned char vertical = value<unsigned char>(plain, XmNorientation), tight = value<unsigned char>(plain, XmNpacking);
    const short columns = value<short>(plain, XmNnumColumns);
    const Dimension spacing = value<Dimension>(plain, XmNspacing);
    struct Case {
        int flags;
        unsigned char orientation, packing;
        short numColumns;
        Dimension spacing;
    };
    for (const Case &c : {Case{0, vertical, tight, columns, spacing}, Case{0x8000, XmHORIZONTAL, tight, columns, spacing},
                          Case{0x4000, vertical, XmPACK_COLUMN, columns, spacing}, Case{0x4300, vertical, XmPACK_COLUMN, 3, spacing},
                          Case{0x0300, vertical, tight, columns, spacing} /* column bits without the column flag */,
                          Case{0x8011, XmHORIZONTAL, tight, columns, 17}}) {
        SCOPED_TRACE(c.flags);
        Widget box = AddButtonBox(p, nullptr, c.flags);
        EXPECT_EQ(value<unsigned char>(box, XmNorientation), c.orientation);
        EXPECT_EQ(value<unsigned char>(box, XmNpacking), c.packing);
        EXPECT_EQ(value<short>(box, XmNnumColumns), c.numColumns);
        EXPECT_EQ(value<Dimension>(box, XmNspacing), c.spacing);
    }
}

TEST(Containers, PanedWindowCanHideItsSashes)
{
    Widget p = parentForm();
    Widget hidden = AddVPane(p, nullptr, True);
    EXPECT_EQ(value<Dimension>(hidden, XmNsashHeight), 1);
    EXPECT_FALSE(value<Boolean>(hidden, XmNseparatorOn));
    Widget shown = AddVPane(p, nullptr, False);
    EXPECT_GT(value<Dimension>(shown, XmNsashHeight), 1);
    EXPECT_TRUE(value<Boolean>(shown, XmNseparatorOn));
}

TEST(DialogBuilders, MakeTheContainerInADialogShellWithItsTitle)
{
    Widget p = parentForm();
    Widget board = AddBBoardD(p, "board", "Board Title");
    ASSERT_TRUE(XmIsDialogShell(XtParent(board)));
    EXPECT_EQ(std::string(value<char *>(XtParent(board), XmNtitle)), "Board Title");

    // Without a title the bulletin board dialog is titled with its name.
    EXPECT_EQ(std::string(value<char *>(XtParent(AddBBoardD(p, "untitledBoard", nullptr)), XmNtitle)), "untitledBoard");
    EXPECT_EQ(std::string(value<char *>(XtParent(AddBBoardD(p, nullptr, nullptr)), XmNtitle)), "bboardD");

    Widget form = AddMotifFormD(p, "formDialog", "Form Title");
    ASSERT_TRUE(XmIsDialogShell(XtParent(form)));
    EXPECT_EQ(std::string(value<char *>(XtParent(form), XmNtitle)), "Form Title");
    EXPECT_EQ(std::string(value<char *>(XtParent(AddMotifFormD(p, "namedForm", nullptr)), XmNtitle)), "namedForm");
    // Neither name nor title: the form dialog sets no title, the shell keeps its own.
    Widget anonymous = AddMotifFormD(p, nullptr, nullptr);
    std::string shellTitle = value<char *>(XtParent(anonymous), XmNtitle);
    EXPECT_EQ(shellTitle, XtName(XtParent(anonymous)));
}
