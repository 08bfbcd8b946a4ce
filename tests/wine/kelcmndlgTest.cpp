// The save dialog driven as a user does (a name typed, Save or Cancel pressed), and help
// entries answered by the suite's help viewer and by the platform's help window.
#include "kelMsgDlg.h"

#include "cv.h"
#include "cvw.h"

#include "isolated.h"
#include "support/listres.h"
#include "support/watch.h"
#include "testenv.h"

#include <dlgs.h>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

CWinApp testApp;

// ---- The save dialog.

struct Written {
    int calls = 0;
    std::string path;
};
Written written;

void writeGreeting(FILE *file, const char *path)
{
    written.calls++;
    written.path = path;
    fputs("saved by the test\n", file);
}

// A fresh directory for the files of one test.
std::string scratchDirectory(const char *name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string dir = std::string(temp) + "cvgui-" + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((dir + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    return dir;
}

bool exists(const std::string &path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The file name box of the dialog: the edit inside its file name combo box, or its edit.
HWND fileNameBox(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, cmb13);
    if (combo == nullptr) {
        return GetDlgItem(dialog, edt1);
    }
    HWND edit = nullptr;
    EnumChildWindows(
        combo,
        [](HWND child, LPARAM found) -> BOOL {
            if (_stricmp(windowClass(child).c_str(), "Edit") != 0) {
                return TRUE;
            }
            *reinterpret_cast<HWND *>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&edit));
    return edit != nullptr ? edit : combo;
}

// Replaces the file name box's text with keystrokes.
void typeFileName(HWND dialog, const std::string &name)
{
    HWND box = fileNameBox(dialog);
    SendMessageA(box, EM_SETSEL, 0, -1);
    PostMessageA(box, WM_CHAR, VK_BACK, 1);
    for (char c : name) {
        PostMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

std::string lastText(const SeenWindow &box)
{
    return box.texts.empty() ? std::string("(no text)") : box.texts.back();
}

// What the user sees of the dialog before answering it.
struct SaveDialogView {
    std::string fileName;
    std::string firstFileType;
    bool helpShown = true;
};

// The first common dialog of a process can take Wine many seconds to bring up.
const int dialogTimeoutMs = 60000;

SaveDialogView look(HWND dialog)
{
    SaveDialogView view;
    view.fileName = windowText(fileNameBox(dialog));
    HWND types = GetDlgItem(dialog, cmb1);
    char first[256] = "";
    SendMessageA(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
    view.firstFileType = first;
    HWND help = GetDlgItem(dialog, pshHelp);
    view.helpShown = help != nullptr && IsWindowVisible(help);
    return view;
}

} // namespace

TEST(SaveDialog, ATypedNameIsCreatedAndHandedToTheWriterAndCancelWritesNothing)
{
    std::string dir = scratchDirectory("save");
    written = Written();
    SaveDialogView view;
    WindowWatcher user("Save Messages", "Save", [&](HWND dialog) {
        view = look(dialog);
        typeFileName(dialog, "messages");
    }, false, dialogTimeoutMs);
    KelSaveDialog("Save Messages", writeGreeting, nullptr, nullptr, dir.c_str());
    ASSERT_NE(user.wait().hwnd, nullptr) << "no dialog titled Save Messages";
    EXPECT_EQ(view.fileName, "*.txt") << "offered when no name is given";
    EXPECT_EQ(view.firstFileType, "Text Files (*.txt)") << getTextFileFilter();
    EXPECT_FALSE(view.helpShown) << "no Help button";

    ASSERT_EQ(written.calls, 1);
    EXPECT_EQ(written.path, dir + "\\messages") << "in the initial directory, no extension added";
    EXPECT_EQ(readFile(written.path), "saved by the test\r\n") << "a text file, written and closed";

    // Cancel never calls the writer.
    written = Written();
    WindowWatcher cancel("Keep Log", "Cancel", [&](HWND dialog) {
        view = look(dialog);
        typeFileName(dialog, "unwanted.txt");
    }, false, dialogTimeoutMs);
    KelSaveDialog("Keep Log", writeGreeting, nullptr, "log.txt", dir.c_str());
    ASSERT_NE(cancel.wait().hwnd, nullptr);
    EXPECT_EQ(view.fileName, "log.txt") << "the given name is offered";
    EXPECT_EQ(written.calls, 0);
    EXPECT_FALSE(exists(dir + "\\unwanted.txt"));
}

namespace {
// Saves over an existing file through the dialog as a user does: types the name, presses Save
// and agrees to replace the file. Returns the error box that follows, or (error false) the
// question that was answered.
SeenWindow saveOver(const char *title, const std::string &directory, const std::string &name, bool error = true)
{
    written = Written();
    std::unique_ptr<WindowWatcher> question, errorBox;
    WindowWatcher user(title, "Save", [&](HWND dialog) {
        // The question comes from the dialog once Save is pressed.
        question = std::make_unique<WindowWatcher>(title, "Yes");
        errorBox = error ? std::make_unique<WindowWatcher>("Error", "OK") : nullptr;
        typeFileName(dialog, name);
    }, false, dialogTimeoutMs);
    KelSaveDialog(title, writeGreeting, nullptr, nullptr, directory.c_str());
    EXPECT_NE(user.wait().hwnd, nullptr);
    SeenWindow box = errorBox ? errorBox->wait() : SeenWindow();
    SeenWindow asked = question ? question->wait() : SeenWindow();
    return error ? box : asked;
}
} // namespace

TEST(SaveDialog, AnExistingFileIsReplacedOnlyAfterTheUserAgrees)
{
    std::string dir = scratchDirectory("replace");
    std::ofstream(dir + "\\old.txt") << "old contents\n";
    EXPECT_NE(saveOver("Save Report", dir, "old.txt", false).hwnd, nullptr) << "no question about replacing";
    EXPECT_EQ(written.calls, 1);
    EXPECT_EQ(readFile(dir + "\\old.txt"), "saved by the test\r\n");
}

TEST(SaveDialog, AFileThatCannotBeOpenedOrWrittenIsReported)
{
    std::string lockedDir = scratchDirectory("locked"), locked = lockedDir + "\\locked.txt";
    // Held open without sharing by another program.
    HANDLE held = CreateFileA(locked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    struct Case {
        std::string directory, name;
        int writes;
        std::string text;
    } cases[] = {{lockedDir, "locked.txt", 0, "Could not open \"" + locked + "\": Permission denied.  No save performed."},
                 // The full device takes the file but no byte of it: the error shows when it is closed.
                 {scratchDirectory("full"), "Z:\\dev\\full", 1,
                  "Could not write \"Z:\\dev\\full\": No space left on device.  The file may be incomplete."}};
    for (const Case &c : cases) {
        SeenWindow box = saveOver("Save Messages", c.directory, c.name);
        ASSERT_NE(box.hwnd, nullptr) << "no error box for " << c.name;
        EXPECT_EQ(written.calls, c.writes) << c.name;
        EXPECT_NE(std::find(box.texts.begin(), box.texts.end(), c.text), box.texts.end()) << lastText(box);
    }
    CloseHandle(held);
}

// ---- Help.

namespace {

// The help viewer of the tests (support/helpViewer.cpp), which notes each request in a file.
struct HelpViewer {
    std::string log;
    HelpViewer()
    {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        std::string dir(self);
        dir.resize(dir.find_last_of('\\') + 1);
        log = dir + "help-requests.txt";
        DeleteFileA(log.c_str());
        setEnv("CVW_HELP_VIEWER", (dir + "help_viewer.exe " + log).c_str());
    }
    ~HelpViewer() { unsetEnv("CVW_HELP_VIEWER"); }
    // Waits for the viewer to note its count-th request and returns it.
    std::string request(size_t count)
    {
        std::vector<std::string> lines;
        pumpUntil(
            [&] {
                lines.clear();
                std::string text = readFile(log);
                for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
                    lines.push_back(text.substr(at, end - at));
                }
                return lines.size() >= count;
            },
            10000);
        return lines.size() >= count ? lines[count - 1] : "(no request)";
    }
};

// The application's main window while a test runs.
struct MainWindow : CDialog {
    MainWindow()
    {
        Create(IDD_TEST_LISTS);
        testApp.m_pMainWnd = this;
    }
    ~MainWindow() { testApp.m_pMainWnd = nullptr; }
};

void choose(KelMenuItem &item)
{
    KelMenuCallXtCallback(&item, nullptr, nullptr);
}

void ignored(Widget, XtPointer, XtPointer) {}

} // namespace

TEST(Help, OnlyAKindAndATargetMakeAHelpEntry)
{
    KelMenuItem item;
    item.SetCallback(reinterpret_cast<KelMenuCallback>(ignored));
    KelSetApHelp(item, cvwHelpFile, "");
    KelSetApHelp(item, cvwHelpFile, nullptr);
    KelSetApHelp(item, 0, "zbr.hlp");
    EXPECT_EQ(item.GetCallback(), reinterpret_cast<KelMenuCallback>(ignored));
    EXPECT_EQ(item.GetActivateData(), nullptr);
}

TEST(Help, EachKindReachesTheHelpViewer)
{
    MainWindow main;
    HelpViewer viewer;
    struct Case {
        long kind;
        const char *target;
        const char *shown; // the viewer's name of the kind
    };
    const Case cases[] = {{cvwHelpFile, "zbr.hlp", "file"},   {cvwHelpVolume, "zbr:map.over", "volume"},
                          {cvwQuickHelp, "Hint", "quick"},    {cvwHelpString, "Help", "string"},
                          {cvwManPage, "xzbtrap", "man"},     {cvwTextFile, "notes.txt", "text"},
                          {4, "readme.txt", "text"}}; // a kind without a name: a text file
    size_t count = 0;
    for (const Case &c : cases) {
        KelMenuItem item;
        std::string target = c.target;
        KelSetApHelp(item, c.kind, &target[0]);
        target = "changed"; // the entry keeps its own copy
        choose(item);
        EXPECT_EQ(viewer.request(++count), std::string(c.shown) + " " + c.target) << "kind " << c.kind;
        XtFree(static_cast<char *>(item.GetActivateData()));
    }
}

TEST(Help, AFailedRequestIsReportedWithTheKindsNameAndTheReason)
{
    MainWindow main;
    unsetEnv("CVW_HELP_VIEWER");
    KelMenuItem quick;
    KelSetApHelp(quick, cvwQuickHelp, "Some text");
    WindowWatcher user("Error", "OK");
    choose(quick);
    SeenWindow box = user.wait();
    ASSERT_NE(box.hwnd, nullptr);
    EXPECT_EQ(lastText(box), "Could not bring up \"cvwQuickHelp\" CVw Help on \"Some text\":\n"
                             "No help viewer: set CVW_HELP_VIEWER to the command that shows help (error #40).");

    setEnv("CVW_HELP_VIEWER", "Z:\\no\\such\\viewer.exe");
    KelMenuItem text;
    KelSetApHelp(text, 3, "notes.txt");
    WindowWatcher again("Error", "OK");
    choose(text);
    SeenWindow second = again.wait();
    unsetEnv("CVW_HELP_VIEWER");
    ASSERT_NE(second.hwnd, nullptr);
    EXPECT_EQ(lastText(second).rfind("Could not bring up \"cvwTextFile\" CVw Help on \"notes.txt\":\n"
                                     "The help viewer \"Z:\\no\\such\\viewer.exe\" could not be started", 0),
              0u)
        << lastText(second);
    EXPECT_NE(lastText(second).find("(error #43)."), std::string::npos) << lastText(second);
}

TEST(Help, QuittingClosesTheHelpFileOfTheSuiteForTheMainWindow)
{
    FakeWinHelp help;
    KelQuitHelp();
    EXPECT_TRUE(help.requests().empty()) << "nothing without a main window";

    setEnv("CV_PATH", "C:\\Corvane");
    {
        MainWindow main;
        KelQuitHelp();
    }
    ASSERT_EQ(help.requests().size(), 1u);
    EXPECT_EQ(help.requests()[0].command, static_cast<UINT>(HELP_QUIT));
    EXPECT_EQ(help.requests()[0].file, "C:\\Corvane\\help\\zbr.hlp");
}
