// Shows the native message windows side by side, in English or (argument "ja") under a Japanese
// locale, for screenshots of how they lay out their texts. Runs until it is killed.
#include "kelMsgDlg.h"

#include "../support/watch.h"

#include <cstring>
#include <string>

namespace {

CWinApp shotsApp;

// The UTF-8 source text in the process's code page.
std::string local(const char *utf8)
{
    wchar_t wide[1024];
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 1024);
    char out[2048];
    WideCharToMultiByte(CP_ACP, 0, wide, n, out, sizeof out, nullptr, nullptr);
    return out;
}

void placeNew(const std::set<HWND> &before, const char *title, int x, int y)
{
    if (HWND w = findNewWindow(before, title)) {
        SetWindowPos(w, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

} // namespace

int main(int argc, char **argv)
{
    bool japanese = argc > 1 && strcmp(argv[1], "ja") == 0;
    if (japanese) {
        SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT));
    }
    kelMsgDlgModalFlag = 0;
    const char *error = japanese ? "\"/var/cv/zbr.conf\" を開けませんでした: ファイルがありません。\n保存は行われませんでした。"
                                 : "Could not open \"/var/cv/zbr.conf\": No such file or directory.\nNo save performed.";
    const char *warning = japanese ? "MIB ファイルがディスク上で変更されました。\n\nセレクタは MIB を読み直します。"
                                   : "The MIB file has changed on disk.\n\nThe selector will reload it.";
    const char *information = japanese ? "3 個のファイルを保存しました。" : "3 files saved.";
    const char *status = japanese ? "MIB モジュールを読み込んでいます...\nIF-MIB" : "Loading MIB modules...\nIF-MIB";

    auto before = processWindows();
    KelError("%s", local(error).c_str());
    placeNew(before, "Error", 20, 20);
    before = processWindows();
    KelWarn("%s", local(warning).c_str());
    placeNew(before, "Warning", 20, 150);
    before = processWindows();
    KelInform("%s", local(information).c_str());
    placeNew(before, "Information", 20, 290);
    before = processWindows();
    // An ASCII title: the window manager draws titles in its own fonts.
    CWnd *statusWindow = KelStatusDlgCreate(IDI_ASTERISK, "Status", nullptr);
    KelStatusDlgUpdate(statusWindow, local(status).c_str());
    statusWindow->SetWindowPos(nullptr, 330, 290, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    pumpUntil([] { return false; }, 500);
    printf("READY\n");
    fflush(stdout);
    pumpUntil([] { return false; }, 60000);
    return 0;
}
