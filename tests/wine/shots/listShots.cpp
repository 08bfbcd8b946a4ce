// Shows a dialog as a tool builds it with the list API: a reorderable list of sources and a
// message log; with the argument "save", the save dialog over it. Prints READY when it is on the
// screen, for screenshots of how they look. Runs until it is killed.
#include "kelMsgDlg.h"

#include "../support/listres.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

CWinApp shotsApp;

class SourcesDialog : public CDialog {
public:
    KelListWidget sources, messages;
    KelPaseudoWidget up, down;

    SourcesDialog()
    {
        Create(IDD_SOURCES);
        sources.widget.init(this, IDC_SOURCES);
        messages.widget.init(this, IDC_MESSAGES);
        up.init(this, IDC_SOURCES_UP);
        down.init(this, IDC_SOURCES_DOWN);
    }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        switch (LOWORD(wParam)) {
        case IDC_SOURCES:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                KelReorderSetSensitive(&sources, up, down);
            }
            return TRUE;
        case IDC_SOURCES_UP:
        case IDC_SOURCES_DOWN:
            KelReorderSelectedItems(&sources, up, down,
                                    LOWORD(wParam) == IDC_SOURCES_UP ? KelReorderUp : KelReorderDown);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
};

void writeMessages(FILE *file, const char *)
{
    fputs("saved\n", file);
}

} // namespace

int main(int argc, char **argv)
{
    bool save = argc > 1 && strcmp(argv[1], "save") == 0;
    SourcesDialog dialog;
    dialog.SetWindowPos(nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Continuation lines are indented with blanks: a fixed-pitch font lines them up.
    dialog.GetDlgItem(IDC_MESSAGES)->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)));

    const char *hosts[] = {"router-1.corvane.example (10.1.0.1)", "router-2.corvane.example (10.1.0.2)",
                           "switch-core.corvane.example (10.1.1.10)", "10.2.*.*", "10.3.0-127.*",
                           "printer-4th-floor.corvane.example (10.4.12.7)", "ups-basement.corvane.example (10.4.0.3)",
                           "hub-lab (10.5.0.2)"};
    for (const char *h : hosts) {
        addItemSorted(&dialog.sources, nullptr, h, strcmp);
    }
    // The user has moved the two wildcards below the first host.
    KelListSelectItem(&dialog.sources, reinterpret_cast<const unsigned char *>("10.2.*.*"), 0);
    KelListSelectItem(&dialog.sources, reinterpret_cast<const unsigned char *>("10.3.0-127.*"), 0);
    KelReorderSelectedItems(&dialog.sources, dialog.up, dialog.down, KelReorderDown);
    KelReorderSetSensitive(&dialog.sources, dialog.up, dialog.down);

    addMessage(&dialog.messages, 1, "Loaded %d sources from %s.", 8, "sources.conf");
    addMessage(&dialog.messages, 1, "Moved 2 sources down.");
    addMessage(&dialog.messages, 1, "Warning: \"10.2.*.*\" overlaps \"10.2.4.0-255\"\nof the excluded list;\n"
                                    "the excluded addresses are not polled.");
    addMessage(&dialog.messages, 0, "Polling starts when the configuration is saved.");

    dialog.ShowWindow(SW_SHOWNORMAL);
    dialog.UpdateWindow();
    if (save) {
        // Ready for the shot once the save dialog is up.
        std::thread([] {
            while (FindWindowA(nullptr, "Save Messages") == nullptr) {
                Sleep(50);
            }
            printf("READY\n");
            fflush(stdout);
        }).detach();
        // A directory of earlier logs to save into.
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        std::string logs = std::string(temp) + "Corvane logs";
        CreateDirectoryA(logs.c_str(), nullptr);
        for (const char *name : {"sources-2024-04-30.txt", "sources-2024-05-02.txt", "polling.txt", "notes.doc"}) {
            if (FILE *f = fopen((logs + "\\" + name).c_str(), "w")) {
                fclose(f);
            }
        }
        KelSaveDialog("Save Messages", writeMessages, &dialog, "sources-log.txt", logs.c_str());
    } else {
        printf("READY\n");
        fflush(stdout);
    }
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) {
        if (!IsDialogMessageA(dialog.m_hWnd, &m)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    return 0;
}
