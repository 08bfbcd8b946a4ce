// Text fields, labelled edits and label/edit forms on real Motif: the colour that tells the user
// a field is editable, the keyboard focus that skips read-only fields, layouts that line up.
#include "motifHarness.h"
#include "isolated.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/PanedW.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <Xm/ToggleB.h>
#include <algorithm>
#include <dlfcn.h>
#include <string>
#include <vector>

using motif::app;
using motif::labelText;
using motif::value;

namespace {

// Every XtSetValues of the process, by widget.
std::vector<Widget> setValuesCalls;

Pixel background(Widget w)
{
    return value<Pixel>(w, XmNbackground);
}

// The select colour Motif derives from a background: what editable fields show.
Pixel selectColourOf(Widget w, Pixel bg)
{
    Pixel fg, top, bottom, select;
    XmGetColors(XtScreen(w), value<Colormap>(w, XmNcolormap), bg, &fg, &top, &bottom, &select);
    return select;
}

struct Window_ {
    Widget shell;
    Widget form;
};

// A shown top-level window with a form of the given width, for layout checks.
Window_ window(const char *name, Dimension width = 0)
{
    Window_ w;
    w.shell = motif::newTopLevel(name);
    w.form = XmCreateForm(w.shell, const_cast<char *>("content"), nullptr, 0);
    if (width != 0) {
        XtVaSetValues(w.form, XmNwidth, width, nullptr);
    }
    XtManageChild(w.form);
    return w;
}

Position x(Widget w)
{
    return value<Position>(w, XmNx);
}
Position y(Widget w)
{
    return value<Position>(w, XmNy);
}
Dimension width(Widget w)
{
    return value<Dimension>(w, XmNwidth);
}
Dimension height(Widget w)
{
    return value<Dimension>(w, XmNheight);
}

// What the user types, through the text's own action (which refuses what exceeds the maximum length).
void type(Widget text, const std::string &chars)
{
    XEvent e = motif::keyEvent(text);
    String params[1] = {const_cast<char *>(chars.c_str())};
    XtCallActionProc(text, const_cast<char *>("insert-string"), &e, params, 1);
}

// The labels among a container's children (and its texts too, when asked), in order.
std::vector<Widget> labelsOf(Widget parent, bool texts = false)
{
    std::vector<Widget> out;
    for (Widget w : motif::children(parent)) {
        if (XmIsLabel(w) || (texts && XmIsText(w))) {
            out.push_back(w);
        }
    }
    return out;
}

} // namespace

extern "C" void XtSetValues(Widget w, ArgList args, Cardinal count)
{
    using Real = void (*)(Widget, ArgList, Cardinal);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "XtSetValues"));
    setValuesCalls.push_back(w);
    real(w, args, count);
}

CHILD_TEST(ColourScenario, FirstTextFieldFixesBothColours)
{
    Widget form = XmCreateForm(app().shell, const_cast<char *>("f"), nullptr, 0);
    XColor blue{}, exact{};
    ASSERT_NE(XAllocNamedColor(app().display, DefaultColormap(app().display, 0), "#a0b0e0", &blue, &exact), 0);
    XtSetArg(widgetArgs[widgetArgCnt], XmNbackground, blue.pixel), widgetArgCnt++;
    Widget first = AddText(form, "first");
    Pixel edit = selectColourOf(first, blue.pixel);
    EXPECT_NE(edit, blue.pixel);
    EXPECT_EQ(background(first), edit);

    // A later field with a background of its own still gets the colours of the first.
    XColor green{};
    ASSERT_NE(XAllocNamedColor(app().display, DefaultColormap(app().display, 0), "#a0e0a0", &green, &exact), 0);
    XtSetArg(widgetArgs[widgetArgCnt], XmNbackground, green.pixel), widgetArgCnt++;
    Widget second = AddText(form, "second");
    EXPECT_EQ(background(second), edit);
    SetTextRO(second);
    EXPECT_EQ(background(second), blue.pixel);
}

TEST(TextColours, FirstTextFieldFixesBothColours)
{
    EXPECT_TRUE(runIsolated("ColourScenario.InChild_FirstTextFieldFixesBothColours"));
}

TEST(TextColours, EditableFieldsLookEditableAndTakeTheFocus)
{
    Widget form = XmCreateForm(app().shell, const_cast<char *>("colours"), nullptr, 0);
    Widget text = AddText(form, nullptr);
    EXPECT_FALSE(XtIsManaged(text));
    EXPECT_TRUE(XmTextGetEditable(text));
    Pixel edit = background(text);
    EXPECT_TRUE(value<Boolean>(text, XmNtraversalOn));

    SetTextRO(text);
    EXPECT_FALSE(XmTextGetEditable(text));
    Pixel normal = background(text);
    EXPECT_NE(normal, edit);
    EXPECT_EQ(selectColourOf(text, normal), edit);
    EXPECT_FALSE(value<Boolean>(text, XmNtraversalOn));

    // A field already read-only is left alone.
    setValuesCalls.clear();
    SetTextRO(text);
    EXPECT_EQ(std::count(setValuesCalls.begin(), setValuesCalls.end(), text), 0);

    setEditable(text, True);
    EXPECT_TRUE(XmTextGetEditable(text));
    EXPECT_EQ(background(text), edit);
    EXPECT_TRUE(value<Boolean>(text, XmNtraversalOn));
    setValuesCalls.clear();
    SetTextRW(text);
    EXPECT_EQ(std::count(setValuesCalls.begin(), setValuesCalls.end(), text), 0);
    setEditable(text, False);
    EXPECT_EQ(background(text), normal);

    // Created read-only, a field keeps the normal look.
    XtSetArg(widgetArgs[widgetArgCnt], XmNeditable, False), widgetArgCnt++;
    Widget readOnly = AddTEdit(form, nullptr);
    EXPECT_EQ(background(readOnly), normal);

    // The scrolled edit: an editable multi-line text in a scrolled window.
    Widget scrolled = AddSEdit(form, nullptr);
    EXPECT_TRUE(XmIsScrolledWindow(XtParent(scrolled)));
    EXPECT_EQ(value<int>(scrolled, XmNeditMode), XmMULTI_LINE_EDIT);
    EXPECT_FALSE(XtIsManaged(scrolled));
    EXPECT_TRUE(XmTextGetEditable(scrolled));
    EXPECT_EQ(background(scrolled), edit);
}

TEST(TextColours, KeyboardFocusSkipsReadOnlyFields)
{
    Window_ w = window("focusWindow");
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_FORM), widgetArgCnt++;
    Widget first = AddText(w.form, "first");
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_WIDGET), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopWidget, first), widgetArgCnt++;
    Widget middle = AddText(w.form, "middle");
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopAttachment, XmATTACH_WIDGET), widgetArgCnt++;
    XtSetArg(widgetArgs[widgetArgCnt], XmNtopWidget, middle), widgetArgCnt++;
    Widget last = AddText(w.form, "last");
    Widget all[] = {first, middle, last};
    XtManageChildren(all, 3);
    SetTextRO(middle);
    ASSERT_TRUE(motif::popUp(w.shell));

    XmProcessTraversal(first, XmTRAVERSE_CURRENT);
    ASSERT_TRUE(motif::pumpUntil([&] { return XmGetFocusWidget(w.form) == first; }));
    // Tab moves on to the next field, past the read-only one.
    XmProcessTraversal(first, XmTRAVERSE_NEXT_TAB_GROUP);
    motif::pump();
    EXPECT_NE(XmGetFocusWidget(w.form), middle);
    EXPECT_EQ(XmGetFocusWidget(w.form), last);
    XtDestroyWidget(w.shell);
}

TEST(LabelledTexts, TitleAboveTheTextInANamedForm)
{
    Window_ w = window("labelledWindow", 300);
    Widget text = AddLText(w.form, nullptr, "Community:");
    EXPECT_STREQ(XtName(text), "text");
    Widget form = XtParent(text);
    EXPECT_STREQ(XtName(form), "labeledText");
    EXPECT_TRUE(XtIsManaged(form));
    EXPECT_TRUE(XtIsManaged(text));
    Widget title = XtNameToWidget(form, "title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(labelText(title), "Community:");
    EXPECT_EQ(value<unsigned char>(title, XmNalignment), XmALIGNMENT_BEGINNING);

    Widget scrolled = AddLSText(w.form, "description", "Description:");
    EXPECT_TRUE(XmIsText(scrolled));
    Widget sform = XtParent(XtParent(scrolled));
    EXPECT_STREQ(XtName(sform), "description");
    XtVaSetValues(sform, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, form, XmNleftAttachment, XmATTACH_FORM,
                  XmNrightAttachment, XmATTACH_FORM, nullptr);
    XtVaSetValues(form, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, nullptr);
    ASSERT_TRUE(motif::popUp(w.shell));
    EXPECT_TRUE(motif::isViewable(scrolled));
    EXPECT_EQ(widgetArgCnt, 0u);

    // The text sits below its title and spans the form.
    EXPECT_GE(y(text), y(title) + static_cast<int>(height(title)));
    EXPECT_EQ(x(text), 0);
    EXPECT_EQ(width(text), width(form));
    EXPECT_EQ(labelText(XtNameToWidget(sform, "title")), "Description:");
    XtDestroyWidget(w.shell);
}

TEST(SingleEdits, FieldWidthAndLengthFollowTheColumns)
{
    Window_ w = window("oneLineWindow", 500);
    Widget stretched = add1LineLabelEdit(w.form, "Name:", "router", 0);
    Widget sform = XtParent(stretched);
    EXPECT_STREQ(XtName(sform), "1LineEform");
    XtVaSetValues(sform, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, nullptr);

    Widget fixed = add1LineLabelEdit(w.form, "Poll interval:", "30", 20);
    Widget fform = XtParent(fixed);
    XtVaSetValues(fform, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, sform, XmNleftAttachment, XmATTACH_FORM,
                  XmNrightAttachment, XmATTACH_FORM, nullptr);
    ASSERT_TRUE(motif::popUp(w.shell));

    EXPECT_STREQ(XtName(stretched), "mEditText");
    EXPECT_TRUE(XtIsManaged(stretched));
    EXPECT_EQ(motif::textOf(stretched), "router");
    Widget label = XtNameToWidget(sform, "1LineELabel");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(labelText(label), "Name:");
    // Beside its label, stretched to the right edge of its form.
    EXPECT_EQ(x(stretched), x(label) + static_cast<int>(width(label)));
    EXPECT_EQ(x(stretched) + width(stretched), width(sform));

    // 20 columns wide, at most 20 characters, not stretched.
    EXPECT_EQ(value<short>(fixed, XmNcolumns), 20);
    EXPECT_EQ(value<int>(fixed, XmNmaxLength), 20);
    EXPECT_LT(x(fixed) + width(fixed), width(fform));
    EXPECT_TRUE(XmTextGetEditable(fixed));
    XmTextSetString(fixed, const_cast<char *>(""));
    for (int i = 0; i < 25; i++) {
        type(fixed, "7");
    }
    EXPECT_EQ(motif::textOf(fixed), std::string(20, '7'));
    XtDestroyWidget(w.shell);
}

TEST(SingleEdits, TwoPairsInOneRow)
{
    Window_ w = window("twoPairsWindow", 600);
    Widget t1 = nullptr, t2 = nullptr;
    add1LineLabelEdits(w.form, "Retries:", "3", 4, &t1, "Timeout:", "5", 0, &t2);
    ASSERT_NE(t1, nullptr);
    ASSERT_NE(t2, nullptr);
    Widget form = XtParent(t1);
    EXPECT_STREQ(XtName(form), "1LineEsForm");
    XtVaSetValues(form, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, nullptr);
    ASSERT_TRUE(motif::popUp(w.shell));
    Widget l1 = XtNameToWidget(form, "1LineEsLabel1");
    Widget l2 = XtNameToWidget(form, "1LineEsLabel2");
    ASSERT_TRUE(l1 != nullptr && l2 != nullptr);
    EXPECT_EQ(labelText(l2), "Timeout:");
    // Left to right: label, field, label, field; the second field runs to the edge.
    EXPECT_EQ(x(l1), 0);
    EXPECT_EQ(x(t1), x(l1) + static_cast<int>(width(l1)));
    EXPECT_EQ(x(l2), x(t1) + static_cast<int>(width(t1)));
    EXPECT_EQ(x(t2), x(l2) + static_cast<int>(width(l2)));
    EXPECT_EQ(x(t2) + width(t2), width(form));
    EXPECT_EQ(value<int>(t1, XmNmaxLength), 4);
    EXPECT_EQ(motif::textOf(t2), "5");
    XtDestroyWidget(w.shell);
}

TEST(SingleEdits, LabelledEditsArePanesThatKeepTheirHeight)
{
    Widget shell = motif::newTopLevel("panedWindow");
    Widget paned = XmCreatePanedWindow(shell, const_cast<char *>("paned"), nullptr, 0);
    Widget field = addLabeledEdit(paned, "Host name:", "router-2", 20, 64);
    XtManageChild(paned);
    std::vector<Widget> panes = labelsOf(paned, true);
    ASSERT_EQ(panes.size(), 2u);
    EXPECT_STREQ(XtName(panes[0]), "labelELabel");
    EXPECT_EQ(labelText(panes[0]), "Host name:");
    EXPECT_EQ(value<unsigned char>(panes[0], XmNalignment), XmALIGNMENT_BEGINNING);
    EXPECT_EQ(panes[1], field);
    EXPECT_TRUE(value<Boolean>(field, XmNskipAdjust));
    EXPECT_EQ(value<int>(field, XmNmaxLength), 64);
    ASSERT_TRUE(motif::popUp(shell));

    // Growing the window grows the label pane; the field keeps its height.
    Dimension before = height(field);
    XtVaSetValues(shell, XmNheight, height(shell) + 100, nullptr);
    ASSERT_TRUE(motif::pumpUntil([&] { return height(paned) >= 100 + before; }));
    EXPECT_EQ(height(field), before);
    XtDestroyWidget(shell);
}

TEST(Labels, SetLabelChangesOnlyWhatDiffers)
{
    Widget form = XmCreateForm(app().shell, const_cast<char *>("labels"), nullptr, 0);
    Widget label = XmCreateLabel(form, const_cast<char *>("status"), nullptr, 0);
    setLabel(label, "Polling 10.0.0.1");
    EXPECT_EQ(labelText(label), "Polling 10.0.0.1");
    EXPECT_EQ(widgetArgCnt, 0u);
    setValuesCalls.clear();
    setLabel(label, "Polling 10.0.0.1");
    EXPECT_EQ(std::count(setValuesCalls.begin(), setValuesCalls.end(), label), 0);
    setLabel(label, "Two\nlines");
    EXPECT_EQ(labelText(label), "Two\nlines");
}

namespace {
struct Pressed {
    std::vector<XtPointer> data;
};
Pressed pressed;
void record(Widget, XtPointer data, XtPointer)
{
    pressed.data.push_back(data);
}
const char *fromCatalogue(XtPointer arg, int key, const char *label)
{
    static std::string text;
    text = std::string(static_cast<const char *>(arg)) + std::to_string(key) + ":" + label;
    return text.c_str();
}

// A shown row for buttons, which draw when pressed; realized when the first child is added.
Widget buttonRow(const char *name)
{
    Widget shell = motif::newTopLevel(name);
    Widget row = XmCreateRowColumn(shell, const_cast<char *>("row"), nullptr, 0);
    XtVaSetValues(row, XmNwidth, 200, XmNheight, 40, nullptr);
    XtManageChild(row);
    EXPECT_TRUE(motif::popUp(shell));
    return row;
}
} // namespace

TEST(ButtonRows, ButtonsFromRecordsWithTheirLabelsCallbacksAndToggleStates)
{
    Widget row = buttonRow("pushRow");
    int a = 1, b = 2;
    ButtonInfo items[] = {
        {35, "Save", "save", record, &a, False},
        {36, "Discard", "discard", record, &b, True},
    };
    Widget *handles = nullptr;
    addPushButtons(row, items, 2, fromCatalogue, const_cast<char *>("#"), &handles);
    ASSERT_NE(handles, nullptr);
    EXPECT_STREQ(XtName(handles[0]), "save");
    EXPECT_EQ(labelText(handles[0]), "#35:Save");
    EXPECT_EQ(labelText(handles[1]), "#36:Discard");
    EXPECT_STREQ(items[0].label, "Save") << "records keep their labels";
    EXPECT_TRUE(XtIsManaged(handles[1]));
    pressed.data.clear();
    motif::press(handles[1]);
    motif::press(handles[0]);
    EXPECT_EQ(pressed.data, (std::vector<XtPointer>{&b, &a}));
    XtFree(reinterpret_cast<char *>(handles));

    addPushButtons(row, items, 2, nullptr, nullptr, &handles);
    EXPECT_EQ(labelText(handles[1]), "Discard");
    XtFree(reinterpret_cast<char *>(handles));

    // Toggles start set by their default flag.
    items[0].isDefault = True;
    items[1].isDefault = False;
    addToggleButtons(row, items, 2, nullptr, nullptr, &handles);
    EXPECT_TRUE(XmIsToggleButton(handles[0]));
    EXPECT_TRUE(XmToggleButtonGetState(handles[0]));
    EXPECT_FALSE(XmToggleButtonGetState(handles[1]));
    EXPECT_EQ(labelText(handles[0]), "Save");
    pressed.data.clear();
    motif::press(handles[0]);
    EXPECT_EQ(pressed.data, (std::vector<XtPointer>{&a}));
    XtFree(reinterpret_cast<char *>(handles));
    XtDestroyWidget(XtParent(row));
}

namespace {
const char *upper(XtPointer, int id, const char *label)
{
    static std::string texts[8];
    texts[id] = std::string(label) + "!";
    return texts[id].c_str();
}
} // namespace

TEST(LabelEditForms, LabelsShareOneWidthAndFieldsLineUp)
{
    Window_ w = window("labelEditWindow", 400);
    label_edit_info rows[] = {
        {0, "Name:", "router-2", 0, True},
        {1, "Object identifier:", ".1.3.6.1", 12, False},
        {2, nullptr, nullptr, 0, True},
    };
    Widget *fields = nullptr;
    label_edit_form desc{3, rows, &fields, nullptr, nullptr};
    Widget form = CreateLabelEditForm2(w.form, &desc, 0, 6);
    EXPECT_TRUE(XtIsManaged(form));
    EXPECT_EQ(widgetArgCnt, 0u);
    ASSERT_NE(fields, nullptr);
    // Columns give the natural width; the form then stretches every field to its right edge.
    EXPECT_EQ(value<short>(fields[1], XmNcolumns), 12);
    XtVaSetValues(form, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, nullptr);
    ASSERT_TRUE(motif::popUp(w.shell));

    std::vector<Widget> labels = labelsOf(form);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labelText(labels[1]), "Object identifier:");
    EXPECT_EQ(labelText(labels[2]), "");
    for (int i = 0; i < 3; i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(width(labels[i]), width(labels[1])) << "the longest label's width";
        EXPECT_EQ(value<unsigned char>(labels[i], XmNalignment), XmALIGNMENT_END);
        // Fields 5 pixels right of the labels, to 3 pixels from the right edge.
        EXPECT_EQ(x(fields[i]), x(labels[i]) + static_cast<int>(width(labels[i])) + 5);
        EXPECT_EQ(x(fields[i]) + width(fields[i]) + 3, width(form));
        // Each label is centred on its field (by the first row's measure: all labels have text).
        if (i < 2) {
            EXPECT_LE(std::abs((y(labels[i]) + height(labels[i]) / 2) - (y(fields[i]) + height(fields[i]) / 2)), 1);
        }
    }
    EXPECT_EQ(y(fields[1]), y(fields[0]) + static_cast<int>(height(fields[0])) + 6);
    EXPECT_EQ(motif::textOf(fields[0]), "router-2");
    EXPECT_EQ(motif::textOf(fields[2]), "");
    EXPECT_EQ(XmTextGetInsertionPosition(fields[0]), 8);

    // A read-only row: not editable, normal look, still sensitive.
    EXPECT_FALSE(XmTextGetEditable(fields[1]));
    EXPECT_NE(background(fields[1]), background(fields[0]));
    EXPECT_TRUE(XtIsSensitive(fields[1]));
    XtFree(reinterpret_cast<char *>(fields));
    XtDestroyWidget(w.shell);
}

TEST(LabelEditForms, LabelFunctionRewritesTheRowsOnlyWithAnArgument)
{
    Window_ w = window("labelFunctionWindow");
    label_edit_info rows[] = {{0, "Name", "a", 0, True}, {1, "Address", "b", 0, True}};
    label_edit_form noArg{2, rows, nullptr, upper, nullptr};
    Widget plain = CreateLabelEditForm(w.form, &noArg);
    EXPECT_STREQ(rows[0].label, "Name");

    int arg = 0;
    label_edit_form withArg{2, rows, nullptr, upper, &arg};
    Widget *fields = nullptr;
    withArg.values = &fields;
    Widget relabelled = CreateLabelEditForm2(w.form, &withArg, 12, 0);
    EXPECT_STREQ(rows[0].label, "Name!");
    EXPECT_STREQ(rows[1].label, "Address!");
    std::vector<Widget> labels = labelsOf(relabelled);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labelText(labels[0]), "Name!");
    // A gap of 12 pixels between label and field.
    EXPECT_EQ(value<int>(fields[0], XmNleftOffset), 12);
    EXPECT_NE(plain, relabelled);
    XtFree(reinterpret_cast<char *>(fields));
    XtDestroyWidget(w.shell);
}
