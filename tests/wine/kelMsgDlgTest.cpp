// The message dialogs as the user meets them: boxes found by their titles, read and answered.
#include "kelMsgDlg.h"

#include "../../util_libs/res/kelres.h"
#include "isolated.h"
#include "support/testres.h"
#include "support/watch.h"

#include <gtest/gtest.h>
#include <string>

namespace {

CWinApp testApp;

struct Calls {
    int count = 0;
    Widget widget = reinterpret_cast<Widget>(1);
    XtPointer client = nullptr;
    XtPointer call = reinterpret_cast<XtPointer>(1);
};
Calls okCalls, cancelCalls;

void recordOk(Widget w, XtPointer client, XtPointer call)
{
    okCalls.count++, okCalls.widget = w, okCalls.client = client, okCalls.call = call;
}

void recordCancel(Widget w, XtPointer client, XtPointer call)
{
    cancelCalls.count++, cancelCalls.widget = w, cancelCalls.client = client, cancelCalls.call = call;
}

// The height of "A" and the width of a text in the message label's font.
CSize textSize(HWND label, const char *text)
{
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE s;
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &s);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return s;
}

RECT clientRect(HWND w)
{
    RECT r;
    GetClientRect(w, &r);
    return r;
}

// Modeless message windows: open, and closed again at the end.
struct ModelessMessages {
    ModelessMessages() { kelMsgDlgModalFlag = 0; }
    ~ModelessMessages() { kelMsgDlgModalFlag = 1; }
};

} // namespace

TEST(ModalMessages, EachKindHasItsTitleIconAndOneButton)
{
    ASSERT_EQ(kelMsgDlgModalFlag, 1);
    struct Case {
        const char *title;
        Widget (*show)(const char *, ...);
        LPCSTR icon;
    } cases[] = {{"Error", KelError, IDI_HAND}, {"Warning", KelWarn, IDI_EXCLAMATION},
                 {"Information", KelInform, IDI_ASTERISK}};
    for (const Case &c : cases) {
        WindowWatcher user(c.title, "OK");
        EXPECT_EQ(c.show("%d files %s", 3, "lost"), nullptr);
        SeenWindow box = user.wait();
        ASSERT_NE(box.hwnd, nullptr) << "no box titled " << c.title;
        EXPECT_NE(std::find(box.texts.begin(), box.texts.end(), "3 files lost"), box.texts.end()) << c.title;
        EXPECT_EQ(box.icon, LoadIconA(nullptr, c.icon)) << c.title;
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"}) << c.title;
        EXPECT_FALSE(IsWindow(box.hwnd)) << "gone after OK";
    }
}

TEST(ModalMessages, BoxIsOwnedByTheActiveWindowOfAnApplicationWithAMainWindow)
{
    CDialog main;
    ASSERT_TRUE(main.Create(IDD_TEST_FOCUS));
    main.ShowWindow(SW_SHOWNORMAL);
    main.SetActiveWindow();
    testApp.m_pMainWnd = &main;
    HWND owner = nullptr;
    bool mainEnabled = true;
    WindowWatcher user("Error", "OK", [&](HWND w) {
        owner = GetWindow(w, GW_OWNER);
        mainEnabled = IsWindowEnabled(main.m_hWnd);
    });
    KelError("owned");
    user.wait();
    testApp.m_pMainWnd = nullptr;
    EXPECT_EQ(owner, main.m_hWnd);
    EXPECT_FALSE(mainEnabled) << "the box is modal to its owner";
}

TEST(ModelessMessages, ThreeWarningsOpenThreeWindowsEachFittedToItsText)
{
    ModelessMessages modeless;
    auto before = processWindows();
    const char *texts[] = {"short", "a rather longer warning text", "first line\n\nthird line"};
    for (const char *t : texts) {
        EXPECT_EQ(KelWarn("%s", t), nullptr);
    }
    std::vector<HWND> windows;
    for (HWND w : processWindows()) {
        if (before.count(w) == 0 && windowText(w) == "Warning") {
            windows.push_back(w);
        }
    }
    ASSERT_EQ(windows.size(), 3u);
    std::vector<LONG> widths;
    for (HWND w : windows) {
        HWND label = GetDlgItem(w, IDC_KEL_MSGTEXT);
        std::string text = windowText(label);
        SeenWindow seen = describeWindow(w);
        EXPECT_EQ(seen.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
        // The label is as wide as the text's widest line.
        LONG widest = 0;
        for (size_t start = 0, end; start <= text.size(); start = end + 1) {
            end = text.find('\n', start);
            end = end == std::string::npos ? text.size() : end;
            widest = std::max(widest, textSize(label, text.substr(start, end - start).c_str()).cx);
        }
        EXPECT_EQ(clientRect(label).right, widest) << text;
        widths.push_back(clientRect(w).right);
        if (text.find("third line") != std::string::npos) {
            // Two lines with an empty line between are three line heights tall, the button below.
            EXPECT_EQ(clientRect(label).bottom, 3 * textSize(label, "A").cy);
            RECT l, b, dialog;
            GetWindowRect(label, &l);
            GetWindowRect(GetDlgItem(w, IDCANCEL), &b);
            GetWindowRect(w, &dialog);
            EXPECT_TRUE(b.top > l.bottom && b.bottom < dialog.bottom);
        }
    }
    EXPECT_NE(widths[0], widths[1]);
    for (HWND w : windows) {
        ASSERT_TRUE(pressButton(w, "OK"));
    }
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(windows[0]) && !IsWindow(windows[1]) && !IsWindow(windows[2]); }));
}

TEST(ModelessMessages, ALongMessageIsCutAt4095Bytes)
{
    ModelessMessages modeless;
    std::string longText(6000, 'x');
    auto before = processWindows();
    KelInform("%s", longText.c_str());
    HWND w = findNewWindow(before, "Information");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(GetWindowTextLengthA(GetDlgItem(w, IDC_KEL_MSGTEXT)), 4095);
    DestroyWindow(w);
}

TEST(ModelessMessages, AWindowCanShowAnIconOfTheApplication)
{
    auto *dialog = new CKelMsgDlg(nullptr);
    dialog->Create(IDI_TEST_ICON, "with the tool's icon", "Tool", nullptr);
    HWND w = dialog->m_hWnd;
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(windowText(w), "Tool");
    EXPECT_EQ(describeWindow(w).icon, testApp.LoadIcon(IDI_TEST_ICON));
    EXPECT_EQ(windowText(GetDlgItem(w, IDC_KEL_MSGTEXT)), "with the tool's icon");
    dialog->SendMessage(WM_CLOSE); // the close box, as the OK button: the window goes
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(w); }));
}

namespace {
int statusClosed = 0;
}

TEST(StatusWindow, TakesNewTextWhileOpenAndReportsItsClosing)
{
    statusClosed = 0;
    auto before = processWindows();
    CWnd *status = KelStatusDlgCreate(IDI_ASTERISK, "Loading", [] { statusClosed++; });
    ASSERT_NE(status, nullptr);
    HWND w = findNewWindow(before, "Loading");
    ASSERT_EQ(w, status->m_hWnd);
    HWND label = GetDlgItem(w, IDC_KEL_MSGTEXT);
    EXPECT_EQ(windowText(label), "");

    int heightOne = clientRect(w).bottom;
    KelStatusDlgUpdate(status, "Reading the MIB\nsecond step");
    EXPECT_EQ(windowText(label), "Reading the MIB\nsecond step");
    EXPECT_EQ(clientRect(label).right, textSize(label, "Reading the MIB").cx);
    EXPECT_EQ(clientRect(w).bottom - heightOne, textSize(label, "A").cy) << "one line more";

    EXPECT_EQ(statusClosed, 0);
    pressButton(w, "OK");
    EXPECT_TRUE(pumpUntil([] { return statusClosed == 1; }));
    EXPECT_FALSE(IsWindow(w));
}

TEST(AboutBox, IsModalWithTheApplicationsIcon)
{
    WindowWatcher user("About Tool", "OK");
    EXPECT_EQ(KelAbout(IDI_TEST_ICON, "About Tool", "Tool %s\nversion %d", "X", 2), nullptr);
    SeenWindow box = user.wait();
    ASSERT_NE(box.hwnd, nullptr);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_EQ(box.texts[0], "Tool X\nversion 2");
    EXPECT_EQ(box.icon, testApp.LoadIcon(IDI_TEST_ICON));
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
}

TEST(Questions, GetUserOKAndConfirmCallTheAnsweredSideOnly)
{
    int okData = 0, cancelData = 0;
    for (const char *answer : {"OK", "Cancel"}) {
        bool ok = answer == std::string("OK");
        okCalls = cancelCalls = Calls();
        WindowWatcher asked("Proceed?", answer);
        KelGetUserOK("Proceed?", "Delete the map?", recordOk, &okData);
        SeenWindow box = asked.wait();
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_QUESTION));
        EXPECT_NE(std::find(box.texts.begin(), box.texts.end(), "Delete the map?"), box.texts.end());
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK", "Cancel"}));
        EXPECT_EQ(okCalls.count, ok ? 1 : 0) << answer;

        okCalls = cancelCalls = Calls();
        WindowWatcher confirm("Confirm", answer); // the message comes first, then the title
        KelConfirm("Really?", "Confirm", recordOk, &okData, recordCancel, &cancelData);
        box = confirm.wait();
        EXPECT_NE(std::find(box.texts.begin(), box.texts.end(), "Really?"), box.texts.end());
        const Calls &called = ok ? okCalls : cancelCalls;
        EXPECT_EQ(called.count, 1) << answer;
        EXPECT_EQ(called.widget, nullptr);
        EXPECT_EQ(called.client, ok ? &okData : &cancelData);
        EXPECT_EQ((ok ? cancelCalls : okCalls).count, 0) << answer;
    }
}

TEST(Questions, AskToSaveOrCloseNamesTheConfigurationAndCancelCallsNeither)
{
    const char *title = "Save Configuration File Before Closing?";
    struct Case {
        const char *button;
        int yes, no;
    } cases[] = {{"Yes", 1, 0}, {"No", 0, 1}, {"Cancel", 0, 0}};
    for (const Case &c : cases) {
        okCalls = cancelCalls = Calls();
        WindowWatcher user(title, c.button);
        KelAskToSaveOrClose("trap", recordOk, recordCancel);
        SeenWindow box = user.wait();
        ASSERT_NE(box.hwnd, nullptr) << c.button;
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"Yes", "No", "Cancel"}));
        EXPECT_NE(std::find(box.texts.begin(), box.texts.end(),
                            "You have made changes to the trap configuration,\nbut you have not saved these "
                            "changes.\n\nDo you want to save the changes?"),
                  box.texts.end());
        EXPECT_EQ(okCalls.count, c.yes) << c.button;
        EXPECT_EQ(cancelCalls.count, c.no) << c.button;
        if (c.yes) {
            EXPECT_EQ(okCalls.client, nullptr);
        }
    }
}

// The cases: KelTellUserThenExit, then kel_internal_error_str without and with a message.
CHILD_TEST(FatalExit, Exit)
{
    WindowWatcher user("Error Exit", "OK", true);
    auto cleanUp = [](int code) { printf("CLEANUP %d\n", code); };
    switch (childCase()) {
    case 0:
        KelTellUserThenExit(cleanUp, nullptr, "lost %s", "connection");
        break;
    case 1:
        kel_internal_error_str(cleanUp, nullptr, "x", 12);
        break;
    default:
        kel_internal_error_str(nullptr, "bad table", "y.cpp", 7);
    }
    printf("RETURNED\n");
}

TEST(FatalExit, TellsTheUserCleansUpAndExitsWithStatusOne)
{
    const std::vector<std::string> expected[] = {{"WINDOW[Error Exit] TEXT[lost connection]", "CLEANUP 1"},
                                                 {"TEXT[INTERNAL ERROR at: x:12.\n]", "CLEANUP 1"},
                                                 {"TEXT[INTERNAL ERROR at: y.cpp:7.\nbad table\n]"}};
    for (int c : {0, 1, 2}) {
        setChildCase(c);
        EXPECT_TRUE(endedWith("FatalExit.InChild_Exit", expected[c])) << "case " << c;
    }
}

TEST(Helpers, PostMsgToAppReachesTheMainWindowOnlyWhenThereIsOne)
{
    EXPECT_EQ(KelPostMsgToApp(WM_USER + 200, 1, 2), 0);
    CDialog main;
    ASSERT_TRUE(main.Create(IDD_TEST_FOCUS));
    testApp.m_pMainWnd = &main;
    EXPECT_EQ(KelPostMsgToApp(WM_USER + 200, 5, 6), 1);
    MSG m;
    ASSERT_TRUE(PeekMessageA(&m, main.m_hWnd, WM_USER + 200, WM_USER + 200, PM_REMOVE)) << "posted to the main window";
    EXPECT_EQ(m.wParam, 5u);
    EXPECT_EQ(m.lParam, 6);
    main.DestroyWindow();
    EXPECT_EQ(KelPostMsgToApp(WM_USER + 200, 1, 2), 0) << "the main window is gone";
    testApp.m_pMainWnd = nullptr;
}

TEST(Templates, AJapaneseUserGetsTheJapaneseMessageWindow)
{
    ModelessMessages modeless;
    LCID saved = GetThreadLocale();
    for (bool japanese : {true, false}) {
        if (japanese) {
            SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT));
        }
        auto before = processWindows();
        KelInform("text");
        SetThreadLocale(saved);
        HWND w = findNewWindow(before, "Information");
        ASSERT_NE(w, nullptr);
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfFaceName == std::string("MS UI Gothic"), japanese) << font.lfFaceName;
        DestroyWindow(w);
    }
}
