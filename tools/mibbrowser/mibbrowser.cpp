// mibbrowser: the suite's MIB browser in small, on the native half. A main dialog holds the MIB
// selector over the whole MIB; Describe opens a window per chosen object, File > Save writes
// their description into a text file, and the selector's messages go to the dialog's list.
// Options: -ready prints "mibbrowser: ready" once the window has painted (for scripts);
// -describe NAME chooses NAME and describes it at start.
#include "kelMibSel.h"
#include "kelMsgDlg.h"
#include "kelargs.h"
#include "kelcore.h"
#include "kelwlib.h"

#include "cv.h"
#include "cvw.h"
#include "mibbrowser.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

CWinApp browserApp("MIB Browser");

struct Settings {
    Boolean ready;
    char *describe;
    char *title;
};
Settings settings;

XrmOptionDescRec options[] = {
    {const_cast<char *>("-ready"), const_cast<char *>("ready"), XrmoptionNoArg, const_cast<char *>("True")},
    {const_cast<char *>("-describe"), const_cast<char *>("describe"), XrmoptionSepArg, nullptr},
    {const_cast<char *>("-title"), const_cast<char *>("title"), XrmoptionSepArg, nullptr},
};

XtResource resources[] = {
    {const_cast<char *>("ready"), const_cast<char *>("Ready"), const_cast<char *>("Boolean"), sizeof(Boolean),
     offsetof(Settings, ready), const_cast<char *>("String"), const_cast<char *>("False")},
    {const_cast<char *>("describe"), const_cast<char *>("Describe"), const_cast<char *>("String"), sizeof(char *),
     offsetof(Settings, describe), const_cast<char *>("String"), nullptr},
    {const_cast<char *>("title"), const_cast<char *>("Title"), const_cast<char *>("String"), sizeof(char *),
     offsetof(Settings, title), const_cast<char *>("String"), const_cast<char *>("MIB Browser")},
};

class BrowserDialog : public CDialog {
public:
    bool open()
    {
        if (!Create(IDD_MIBBROWSER, nullptr)) {
            return false;
        }
        const KelMsCtrlIds ids = {IDC_MB_PANEL, IDC_MB_LABEL,    IDC_MB_MIB_TOGGLE, IDC_MB_EXPR_TOGGLE,
                                  IDC_MB_NAME,  IDC_MB_TREE,     IDC_MB_LIST,       IDC_MB_DESCRIBE,
                                  0,            IDOK,            0,                 IDC_MB_CLOSE,
                                  IDC_MB_HELP,  IDC_MB_MESSAGES, 1};
        KelMsCreateMibSelector(this, MS_MULTIPLE_SELECT | MS_EXPRESSIONS | MS_ACCEPT_ANY, settings.title, nullptr,
                               nullptr, done, ids);
        msSetMode(0);
        msPopUp(0, nullptr); // the default object, with the tree focused
        help.SetNull(0);
        std::string text = std::string(_CVgetProgname(0));
        size_t slash = text.find_last_of("\\/");
        text = (slash == std::string::npos ? std::string() : text.substr(0, slash + 1)) + "mibbrowser.txt";
        KelSetApHelp(help, cvwTextFile, text.c_str());
        return true;
    }

    // In expression mode, selects the expression in the list as a click would.
    void chooseExpression(const char *name)
    {
        CWnd *list = GetDlgItem(IDC_MB_LIST);
        if (list == nullptr || !list->IsWindowVisible()) {
            return;
        }
        LRESULT at = list->SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
        if (at != LB_ERR) {
            list->SendMessage(LB_SETSEL, TRUE, at);
            KelMsDispatchCommand(MAKEWPARAM(IDC_MB_LIST, LBN_SELCHANGE));
        }
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        int id = LOWORD(wParam);
        switch (id) {
        case ID_FILE_SAVE:
        case IDC_MB_SAVE:
            if (CheckCVmibSync()) {
                KelMsSaveDescription(this);
            }
            return TRUE;
        case ID_VIEW_DESCRIBE:
            if (CheckCVmibSync()) {
                KelMsDescribe();
            }
            return TRUE;
        case ID_VIEW_RELOAD:
            KelMsResyncMibSelector();
            return TRUE;
        case ID_HELP_BROWSER:
        case IDC_MB_HELP:
            KelMenuCallXtCallback(&help, nullptr, nullptr);
            return TRUE;
        case ID_FILE_EXIT:
            quit();
            return TRUE;
        default:
            break;
        }
        if (KelMsDispatchCommand(wParam)) {
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        BOOL handled = CDialog::OnNotify(wParam, lParam, pResult);
        return KelMsDispatchNotify(reinterpret_cast<NMHDR *>(lParam), pResult) || handled;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == KEL_MS_RESYNC_MESSAGE) {
            KelMsResyncMibSelector();
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    void OnCancel() override { quit(); }
    void OnOK() override {}

private:
    // Close (the selector's Cancel) ends the browser; Enter (its OK) describes.
    static void done(Widget, XtPointer reason, XtPointer)
    {
        if (reinterpret_cast<intptr_t>(reason) == 0) {
            quit();
        } else {
            KelMsDescribe();
        }
    }
    static void quit()
    {
        msPopDown(0);
        PostQuitMessage(0);
    }

    KelMenuItem help;
};

} // namespace

int main()
{
    int argc = 0;
    char **argv = nullptr;
    _CVsetupWinExecutable(&argc, &argv);
    KelParseCommandLineOptions(options, sizeof options / sizeof options[0], &argc, argv);
    KelGetApplicationResources("mibbrowser", &settings, resources, sizeof resources / sizeof resources[0]);

    BrowserDialog browser;
    if (!browser.open()) {
        fprintf(stderr, "mibbrowser: the main window cannot be made\n");
        return 1;
    }
    browserApp.m_pMainWnd = &browser;
    HACCEL keys = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MIBBROWSER_MENU));
    browser.ShowWindow(SW_SHOWNORMAL);
    browser.UpdateWindow();
    if (settings.describe != nullptr) {
        msSetObjectName(settings.describe);
        browser.chooseExpression(settings.describe);
        KelMsDescribe();
    }
    // A timer's message comes only when nothing else is queued: the windows have painted and
    // the tree's notifications have run.
    UINT_PTR readyTimer = settings.ready ? SetTimer(nullptr, 0, 200, nullptr) : 0;
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        if (readyTimer != 0 && m.message == WM_TIMER && m.hwnd == nullptr && m.wParam == readyTimer) {
            KillTimer(nullptr, readyTimer);
            readyTimer = 0;
            printf("mibbrowser: ready\n");
            fflush(stdout);
            continue;
        }
        // The main dialog's shortcuts, and each dialog's keyboard (Tab, Escape) in the dialogs.
        if (keys != nullptr && TranslateAcceleratorA(browser.m_hWnd, keys, &m)) {
            continue;
        }
        HWND top = GetAncestor(m.hwnd, GA_ROOT);
        if (top != nullptr && IsDialogMessageA(top, &m)) {
            continue;
        }
        TranslateMessage(&m);
        DispatchMessageA(&m);
        browserApp.OnIdle(0);
    }
    KelMibSelectorDone();
    browserApp.m_pMainWnd = nullptr;
    browser.DestroyWindow();
    return 0;
}
