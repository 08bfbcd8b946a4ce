// Message boxes, the message and question dialogs, and dialog-shell utilities, used as a user
// uses them: shown by mwm, answered by clicking their buttons.
#include "dialogSupport.h"
#include "isolated.h"

#include <X11/Shell.h>
#include <Xm/DialogS.h>
#include <Xm/Form.h>
#include <Xm/MwmUtil.h>

using dialogs::buttonsShown;
using dialogs::DestroyWatch;
using dialogs::labels;
using dialogs::messageText;
using dialogs::windowTitle;
using motif::app;
using motif::labelText;

namespace {

struct Answer {
    int calls = 0;
    XtPointer data = nullptr;
};

void answer(Widget, XtPointer clientData, XtPointer)
{
    // Client data is the Answer itself, or a token whose Answer is the global below.
    auto *a = static_cast<Answer *>(clientData);
    a->calls++;
    a->data = clientData;
}

Answer nullDataAnswer;
void answerWithoutData(Widget, XtPointer clientData, XtPointer)
{
    nullDataAnswer.calls++;
    nullDataAnswer.data = clientData;
}

// A shell of its own per test, so each finds exactly the dialogs it made.
Widget freshParent(const char *name)
{
    Widget shell = motif::newTopLevel(name);
    motif::sizedForm(shell, 120, 40);
    EXPECT_TRUE(motif::popUp(shell));
    return shell;
}

} // namespace

// OK destroys an error box that is not kept, and only hides one that is.
TEST(MessageBoxes, ErrorShowsOnlyCloseAndGoesOnItKeptBoxesOnlyHide)
{
    Widget box = AddError(app().shell, nullptr, "Disk full", False);
    EXPECT_STREQ(XtName(box), "error");
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_FALSE(XtIsManaged(box));
    EXPECT_EQ(messageText(box), "Disk full");
    XtManageChild(box);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(buttonsShown(box), labels({"Close"}));
    DestroyWatch watch(box);
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    EXPECT_TRUE(watch.await());

    Widget kept = AddInform(app().shell, "kept", "Stays", True);
    XtManageChild(kept);
    ASSERT_TRUE(dialogs::shown(kept));
    DestroyWatch keptWatch(kept);
    motif::click(XmMessageBoxGetChild(kept, XmDIALOG_OK_BUTTON));
    EXPECT_TRUE(motif::pumpUntil([&] { return !XtIsManaged(kept); }));
    motif::pump();
    EXPECT_FALSE(keptWatch.destroyed);
    XtDestroyWidget(XtParent(kept));
}

TEST(MessageBoxes, StagedButtonTextsWin)
{
    XmString ok = GetString("Overwrite");
    XtSetArg(widgetArgs[widgetArgCnt], XmNokLabelString, ok), widgetArgCnt++;
    Widget box = AddWarning(app().shell, nullptr, "File exists", True);
    XmStringFree(ok);
    EXPECT_STREQ(XtName(box), "warn");
    XtManageChild(box);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(buttonsShown(box), labels({"Overwrite", "Cancel", "Help"}));
    XtDestroyWidget(XtParent(box));
}

TEST(MessageBoxes, PlainMessageBoxAndCloseRelabelling)
{
    Widget box = AddMessageBox(app().shell, nullptr);
    EXPECT_STREQ(XtName(box), "messagebox");
    EXPECT_TRUE(XtIsSubclass(XtParent(box), xmDialogShellWidgetClass));
    XtManageChild(box);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(buttonsShown(box), labels({"OK", "Cancel", "Help"}));
    changeOkToClose(box);
    EXPECT_EQ(labelText(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON)), "Close");

    // Anything that is not a message box is left alone.
    Widget button = XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON);
    changeOkToClose(button);
    EXPECT_EQ(labelText(button), "Cancel");
    XtDestroyWidget(XtParent(box));
}

TEST(DialogShells, PopupDialogResizesAndShowsItsTitle)
{
    Widget popup = AddPopupDialog(app().shell, "Node Properties", nullptr);
    EXPECT_TRUE(motif::value<Boolean>(popup, XtNallowShellResize));
    motif::sizedForm(popup, 100, 50);
    ASSERT_TRUE(motif::popUp(popup));
    EXPECT_EQ(windowTitle(popup), "Node Properties");
    XtDestroyWidget(popup);
}

TEST(DialogShells, ShellPositionIsTheWindowManagersFrame)
{
    Widget popup = AddPopupDialog(app().shell, "Placed", "placed");
    XtVaSetValues(popup, XmNx, 300, XmNy, 200, nullptr);
    Widget form = motif::sizedForm(popup, 100, 50);

    Position x = -1, y = -1;
    GetShellPosition(form, &x, &y);
    EXPECT_EQ(x, -1) << "no window yet: unchanged";

    ASSERT_TRUE(motif::popUp(popup));
    Display *d = app().display;
    // The frame mwm put around the shell: the shell's ancestor just below the root.
    Window w = motif::frameWindow(popup);
    Window root = DefaultRootWindow(d);
    ASSERT_NE(w, XtWindow(popup)) << "mwm reparents its clients";
    XWindowAttributes frame;
    XGetWindowAttributes(d, w, &frame);
    GetShellPosition(form, &x, &y);
    EXPECT_EQ(x, frame.x);
    EXPECT_EQ(y, frame.y);
    // The shell sits inside its frame, below the title bar.
    int sx, sy;
    Window child;
    XTranslateCoordinates(d, XtWindow(popup), root, 0, 0, &sx, &sy, &child);
    EXPECT_LT(x, sx);
    EXPECT_LT(y, sy);
    XtDestroyWidget(popup);
}

TEST(MessageDialogs, ErrorOnTheToplevelClosesWithItsOneButton)
{
    Widget box = Error("Cannot reach %s (%d tries)", "10.0.0.1", 3);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(XtIsManaged(box));
    EXPECT_EQ(XtParent(XtParent(box)), toplevel);
    EXPECT_STREQ(XtName(box), "Error");
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(windowTitle(XtParent(box)), "Error");
    EXPECT_EQ(messageText(box), "Cannot reach 10.0.0.1 (3 tries)");
    EXPECT_EQ(buttonsShown(box), labels({"Close"}));
    EXPECT_EQ(widgetArgCnt, 0u);

    DestroyWatch watch(box);
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    EXPECT_TRUE(watch.await());
}

TEST(MessageDialogs, WarnAndInformAreIndependentDialogs)
{
    Widget first = Inform("First");
    Widget second = Inform("Second");
    Widget warning = Warn("Careful");
    ASSERT_TRUE(dialogs::shown(first) && dialogs::shown(second) && dialogs::shown(warning));
    EXPECT_NE(first, second);
    EXPECT_EQ(windowTitle(XtParent(first)), "Information");
    EXPECT_EQ(windowTitle(XtParent(warning)), "Warning");
    EXPECT_EQ(buttonsShown(warning), labels({"Close"}));
    EXPECT_EQ(buttonsShown(first), labels({"Close"}));

    // The newest is on top: closing it leaves the others up.
    DestroyWatch warningGone(warning);
    motif::click(XmMessageBoxGetChild(warning, XmDIALOG_OK_BUTTON));
    EXPECT_TRUE(warningGone.await());
    EXPECT_TRUE(motif::isViewable(XtParent(first)));
    EXPECT_TRUE(motif::isViewable(XtParent(second)));
    EXPECT_EQ(messageText(second), "Second");
    XtDestroyWidget(XtParent(first));
    XtDestroyWidget(XtParent(second));
}

TEST(MessageDialogs, PendingArgumentsApplyAndLongTextsAreCut)
{
    XtSetArg(widgetArgs[widgetArgCnt], XmNmessageAlignment, XmALIGNMENT_CENTER), widgetArgCnt++;
    std::string longText(20000, 'x');
    Widget box = Error("%s", longText.c_str());
    EXPECT_EQ(motif::value<unsigned char>(box, XmNmessageAlignment), XmALIGNMENT_CENTER);
    EXPECT_EQ(messageText(box), std::string(10239, 'x'));
    XtDestroyWidget(XtParent(box));
}

TEST(MessageDialogs, WithoutToplevelTheTextGoesToStandardError)
{
    Widget saved = toplevel;
    toplevel = nullptr;
    XtSetArg(widgetArgs[0], XmNwidth, 10);
    widgetArgCnt = 1;
    testing::internal::CaptureStderr();
    Widget w = Warn("No display for %s", "cvw");
    std::string err = testing::internal::GetCapturedStderr();
    toplevel = saved;
    EXPECT_EQ(w, nullptr);
    EXPECT_EQ(err, "No display for cvw\n");
    EXPECT_EQ(widgetArgCnt, 1u) << "staged arguments are left alone";
    widgetArgCnt = 0;
}

TEST(Questions, UserChoiceOffersBothAnswersWithCancelAsDefault)
{
    Widget parent = freshParent("choiceParent");
    Answer ok, second;
    getUserChoice("Replace File?", parent, "events.txt exists.", "Replace", answer, &ok, "Append", answer, &second,
                  "");
    Widget box = dialogs::newestDialog(parent, "question");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_EQ(windowTitle(XtParent(box)), "Replace File?");
    EXPECT_EQ(messageText(box), "events.txt exists.");
    EXPECT_EQ(buttonsShown(box), labels({"Replace", "Append", "Cancel"}));
    EXPECT_EQ(dialogs::defaultButton(box), XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));

    DestroyWatch watch(box);
    motif::click(dialogs::buttonShowing(box, "Append"));
    ASSERT_TRUE(motif::pumpUntil([&] { return second.calls == 1; }));
    EXPECT_EQ(second.data, &second);
    EXPECT_EQ(ok.calls, 0);
    // Motif hides a message box after any of its answers; destroying it is the procedure's call.
    EXPECT_TRUE(motif::pumpUntil([&] { return !motif::isViewable(XtParent(box)); }));
    EXPECT_FALSE(watch.destroyed);

    getUserChoice("Replace File?", parent, "events.txt exists.", "Replace", answer, &ok, "Append", answer, &second,
                  nullptr);
    box = dialogs::newestDialog(parent, "question");
    ASSERT_TRUE(dialogs::shown(box));
    motif::click(dialogs::buttonShowing(box, "Replace"));
    ASSERT_TRUE(motif::pumpUntil([&] { return ok.calls == 1; }));
    EXPECT_EQ(ok.data, &ok);
    EXPECT_EQ(second.calls, 1);
    XtDestroyWidget(parent);
}

TEST(Questions, OkAnswersWithItsDataAndHidesCancelDestroys)
{
    Widget parent = freshParent("okParent");
    Answer ok;
    getUserOK("Delete Node?", parent, "Delete 10.0.0.1?", answer, &ok, nullptr);
    Widget box = dialogs::newestDialog(parent, "question");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(windowTitle(XtParent(box)), "Delete Node?");
    EXPECT_EQ(buttonsShown(box), labels({"OK", "Cancel"}));
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON));
    ASSERT_TRUE(motif::pumpUntil([&] { return ok.calls == 1; }));
    EXPECT_EQ(ok.data, &ok);
    EXPECT_TRUE(motif::pumpUntil([&] { return !XtIsManaged(box); }));

    getUserOK("Delete Node?", parent, "Delete 10.0.0.1?", answer, &ok, nullptr);
    box = dialogs::newestDialog(parent, "question");
    ASSERT_TRUE(dialogs::shown(box));
    DestroyWatch watch(box);
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
    EXPECT_TRUE(watch.await());
    EXPECT_EQ(ok.calls, 1);
    XtDestroyWidget(parent);
}

TEST(Questions, HelpButtonShowsTheVolumeTopic)
{
    dialogs::HelpViewer viewer;
    Widget parent = freshParent("helpParent");
    getUserChoice("Replace File?", parent, "m", "Replace", nullptr, nullptr, "Append", nullptr, nullptr,
                  "zbr:saveToFile.over");
    Widget box = dialogs::newestDialog(parent, "question");
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(buttonsShown(box), labels({"Replace", "Append", "Cancel", "Help"}));
    motif::click(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
    EXPECT_EQ(viewer.nextRequest(), labels({"volume", "zbr:saveToFile.over"}));
    XtDestroyWidget(parent);
}

TEST(Questions, HelpThatCannotBeShownIsReportedWithTheSessionsError)
{
    unsetenv("CVW_HELP_VIEWER");
    help_CB(nullptr, const_cast<char *>("zbr:grapher.over"), nullptr);
    Widget box = dialogs::newestDialog(toplevel, "Error");
    ASSERT_NE(box, nullptr);
    std::string text = messageText(box);
    EXPECT_EQ(text.rfind("Could not bring up CVw Help on volume \"zbr:grapher.over\":\n", 0), 0u) << text;
    EXPECT_NE(text.find("CVW_HELP_VIEWER"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 11), "(error #40)") << text;
    XtDestroyWidget(XtParent(box));
}

TEST(Questions, SaveOrDiscardNamesTheConfiguration)
{
    Widget parent = freshParent("saveParent");
    askToSaveOrClose(parent, "event", answerWithoutData, nullptr);
    Widget box = dialogs::newestDialog(parent, "question");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(windowTitle(XtParent(box)), "Save Configuration File Before Closing?");
    std::string text = messageText(box);
    EXPECT_EQ(text.substr(0, text.find('\n')), "You have made changes to the event configuration,");
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "configuration dialog.");
    EXPECT_EQ(buttonsShown(box), labels({"Save", "Discard", "Cancel"}));
    EXPECT_EQ(dialogs::defaultButton(box), XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));

    nullDataAnswer = Answer();
    nullDataAnswer.data = &nullDataAnswer;
    motif::click(dialogs::buttonShowing(box, "Save"));
    ASSERT_TRUE(motif::pumpUntil([&] { return nullDataAnswer.calls == 1; }));
    EXPECT_EQ(nullDataAnswer.data, nullptr);

    // A long configuration name is cut with the message.
    askToSaveOrClose(parent, std::string(3000, 'n').c_str(), nullptr, nullptr);
    box = dialogs::newestDialog(parent, "question");
    ASSERT_NE(box, nullptr);
    text = messageText(box);
    EXPECT_EQ(text.size(), 1023u);
    EXPECT_EQ(text.rfind("You have made changes to the nnn", 0), 0u);
    XtDestroyWidget(parent);
}

TEST(DialogShellUtilities, CascadePlacesEachNewShellFurtherOn)
{
    std::vector<std::pair<int, int>> places;
    for (int i = 1; i <= 26; i++) {
        widgetArgCnt = 0;
        setupDiagSh("Cascade");
        ASSERT_EQ(widgetArgCnt, 7u);
        places.emplace_back(static_cast<Position>(widgetArgs[0].value), static_cast<Position>(widgetArgs[1].value));
    }
    EXPECT_EQ(places[0], std::make_pair(20, 70));
    EXPECT_EQ(places[2], std::make_pair(60, 210));
    EXPECT_EQ(places[10], std::make_pair(220, 770));
    EXPECT_EQ(places[11], std::make_pair(240, 70)) << "y wraps on its own";
    EXPECT_EQ(places[24], std::make_pair(500, 210));
    EXPECT_EQ(places[25].first, 20) << "x wraps after 500";

    // Arguments staged before it are kept, and a dialog shell made with them shows the title.
    widgetArgCnt = 0;
    XtSetArg(widgetArgs[widgetArgCnt], XmNwidth, 200), widgetArgCnt++;
    setupDiagSh("More");
    EXPECT_EQ(widgetArgCnt, 8u);
    Widget shell = AddDiagSh(app().shell, "cascaded");
    Widget form = motif::sizedForm(shell, 200, 60);
    ASSERT_TRUE(dialogs::shown(form));
    EXPECT_EQ(windowTitle(shell), "More");
    XtDestroyWidget(shell);
}

namespace {
// The error dialog a shell utility showed for a misuse, closed again; its text.
std::string reportedInternalError()
{
    Widget box = dialogs::newestDialog(toplevel, "Error");
    if (box == nullptr) {
        return "";
    }
    std::string text = messageText(box);
    XtDestroyWidget(XtParent(box));
    motif::pump();
    return text;
}

Widget shownDialogShell(const char *name, Dimension width, Dimension height)
{
    Widget form = AddMotifFormD(app().shell, name, name);
    XtVaSetValues(form, XmNwidth, width, XmNheight, height, nullptr);
    return form;
}
} // namespace

TEST(DialogShellUtilities, ModalityIsAHintToTheWindowManager)
{
    Widget form = shownDialogShell("modal", 100, 50);
    Widget shell = XtParent(form);
    setMwmModal(shell, True);
    EXPECT_EQ(motif::value<int>(shell, XmNmwmInputMode), MWM_INPUT_PRIMARY_APPLICATION_MODAL);
    setMwmModal(shell, False);
    EXPECT_EQ(motif::value<int>(shell, XmNmwmInputMode), MWM_INPUT_MODELESS);
    EXPECT_EQ(widgetArgCnt, 0u);
    EXPECT_EQ(reportedInternalError(), "");

    setMwmModal(form, True);
    EXPECT_EQ(reportedInternalError(),
              "INTERNAL_ERROR: setMwmModal(): not a vendor shell dialog\nContact your Brannock Support Representative.");
    XtDestroyWidget(shell);
}

TEST(DialogShellUtilities, MinimumSizeFromValuesOrTheRealizedSize)
{
    Widget shell = AddPopupDialog(app().shell, "Sized", "sized");
    Widget form = motif::sizedForm(shell, 400, 300);
    int minWidth = 0, minHeight = 0; // a shell's minimum size is an int

    SetMinSizeOfDiagSh(shell, True, 0, 0);
    EXPECT_EQ(reportedInternalError(),
              "INTERNAL_ERROR: SetMinSizeOfDiagSh(): not realized.\nContact your Brannock Support Representative.");
    XtVaGetValues(shell, XmNminWidth, &minWidth, XmNminHeight, &minHeight, nullptr);
    EXPECT_NE(minWidth, 400);

    SetMinSizeOfDiagSh(shell, False, 150, 80);
    XtVaGetValues(shell, XmNminWidth, &minWidth, XmNminHeight, &minHeight, nullptr);
    EXPECT_EQ(minWidth, 150);
    EXPECT_EQ(minHeight, 80);

    ASSERT_TRUE(motif::popUp(shell));
    SetMinSizeOfDiagSh(shell, True, 0, 0);
    EXPECT_EQ(widgetArgCnt, 0u);
    XtVaGetValues(shell, XmNminWidth, &minWidth, XmNminHeight, &minHeight, nullptr);
    EXPECT_EQ(minWidth, 400);
    EXPECT_EQ(minHeight, 300);
    // The window manager is told too.
    XSizeHints hints{};
    long supplied = 0;
    motif::pump();
    ASSERT_NE(XGetWMNormalHints(app().display, XtWindow(shell), &hints, &supplied), 0);
    EXPECT_TRUE(hints.flags & PMinSize);
    EXPECT_EQ(hints.min_width, 400);
    EXPECT_EQ(hints.min_height, 300);

    SetMinSizeOfDiagSh(form, False, 1, 1);
    EXPECT_EQ(reportedInternalError(), "INTERNAL_ERROR: SetMinSizeOfDiagSh(): not a vendor shell dialog\n"
                                       "Contact your Brannock Support Representative.");
    XtDestroyWidget(shell);
}

TEST(DialogShellUtilities, ResizableWithoutMinimize)
{
    Widget form = shownDialogShell("resizable", 100, 50);
    Widget shell = XtParent(form);
    AllowResizeOfDiagSh(shell);
    EXPECT_EQ(widgetArgCnt, 0u);
    XtManageChild(form);
    ASSERT_TRUE(dialogs::shown(form));
    // What mwm reads: the _MOTIF_WM_HINTS property of the window.
    Atom hintsAtom = XInternAtom(app().display, "_MOTIF_WM_HINTS", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = nullptr;
    ASSERT_EQ(XGetWindowProperty(app().display, XtWindow(shell), hintsAtom, 0, 5, False, AnyPropertyType, &type,
                                 &format, &count, &after, &data),
              Success);
    ASSERT_GE(count, 3u);
    auto *hints = reinterpret_cast<long *>(data);
    EXPECT_EQ(hints[1], MWM_FUNC_RESIZE | MWM_FUNC_MOVE | MWM_FUNC_MAXIMIZE | MWM_FUNC_CLOSE);
    EXPECT_EQ(hints[2], MWM_DECOR_BORDER | MWM_DECOR_RESIZEH | MWM_DECOR_TITLE | MWM_DECOR_MENU | MWM_DECOR_MAXIMIZE)
        << "no minimize button";
    XFree(data);
    XtDestroyWidget(shell);
}

// German: the catalogue of the build, in a German UTF-8 locale (a process of its own, because
// the catalogue is opened once per process).
CHILD_TEST(GermanScenario, DialogsShowTheGermanTexts)
{
    // Motif draws UTF-8 text with a font set or Xft fonts, as a German tool's resources give it.
    motif::fallbackResources() = {"*renderTable: rt", "*rt.fontType: FONT_IS_XFT", "*rt.fontName: DejaVu Sans",
                                  "*rt.fontSize: 10"};
    app();
    Widget box = Error("Datei nicht gefunden");
    ASSERT_TRUE(dialogs::shown(box));
    EXPECT_EQ(windowTitle(XtParent(box)), "Fehler");
    EXPECT_EQ(buttonsShown(box), labels({"Schließen"}));

    Widget warning = Warn("w");
    ASSERT_TRUE(dialogs::shown(warning));
    EXPECT_EQ(windowTitle(XtParent(warning)), "Warnung");

    Widget parent = freshParent("germanParent");
    askToSaveOrClose(parent, "Ereignis", nullptr, nullptr);
    Widget question = dialogs::newestDialog(parent, "question");
    ASSERT_TRUE(dialogs::shown(question));
    EXPECT_EQ(windowTitle(XtParent(question)), "Konfigurationsdatei vor dem Schließen speichern?");
    EXPECT_EQ(buttonsShown(question), labels({"Speichern", "Verwerfen", "Abbrechen"}));
    std::string text = messageText(question);
    EXPECT_EQ(text.substr(0, text.find('\n')), "Sie haben Änderungen an der Ereignis-Konfiguration vorgenommen,");

    getUserOK("Frage", parent, "Knoten löschen?", nullptr, nullptr, "zbr:x");
    Widget ok = dialogs::newestDialog(parent, "question");
    ASSERT_TRUE(dialogs::shown(ok));
    EXPECT_EQ(buttonsShown(ok), labels({"OK", "Abbrechen", "Hilfe"}));
    const char *shot = getenv("CVGUI_SCREENSHOT");
    if (shot != nullptr) {
        motif::screenshot(shot);
    }
}

TEST(German, DialogsShowTheGermanTexts)
{
    const char *lang = getenv("LANG");
    std::string saved = lang != nullptr ? lang : "";
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_TRUE(runIsolated("GermanScenario.InChild_DialogsShowTheGermanTexts"));
    lang != nullptr ? setenv("LANG", saved.c_str(), 1) : unsetenv("LANG");
}
