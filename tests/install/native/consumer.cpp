// A tool built outside the cvgui tree against an installed copy of the native half: it shows the
// library's error box and its about box (made from the DLL's own template), answers each as a
// user does from a second thread, and reports what it saw, one "key=value" line each.
#include <kelMsgDlg.h>

#include "watch.h"

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// Runs show(), which blocks in a modal box; meanwhile finds the new window, reads it and presses OK.
SeenWindow answer(const std::function<void()> &show)
{
    std::set<HWND> before = processWindows();
    SeenWindow seen;
    std::thread user([&] {
        for (int i = 0; i < 1000 && seen.hwnd == nullptr; i++) {
            for (HWND w : processWindows()) {
                if (before.count(w) == 0) {
                    seen = describeWindow(w);
                    break;
                }
            }
            Sleep(10);
        }
        if (seen.hwnd != nullptr) {
            pressButton(seen.hwnd, "OK");
        }
    });
    show();
    user.join();
    return seen;
}

std::string joined(const std::vector<std::string> &texts)
{
    std::string all;
    for (const std::string &t : texts) {
        all += (all.empty() ? "" : "|") + t;
    }
    return all;
}

// The file version in the DLL's version resource, "major.minor.patch".
std::string dllVersion(const char *path)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    std::vector<char> data(size);
    VS_FIXEDFILEINFO *info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void **>(&info), &length) || info == nullptr) {
        return "";
    }
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS));
}

} // namespace

int main()
{
    SeenWindow error = answer([] { KelError("Installed cvgui %s", CVGUI_VERSION_STRING); });
    SeenWindow about = answer([] { KelAbout(0, "About the consumer", "consumer of cvgui %s", CVGUI_VERSION_STRING); });

    char library[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("cvgui.dll"), library, sizeof library);
    printf("title=%s\nmessage=%s\nbutton=%s\n", error.title.c_str(), joined(error.texts).c_str(),
           joined(error.buttons).c_str());
    printf("about=%s\naboutmessage=%s\n", about.title.c_str(), joined(about.texts).c_str());
    printf("library=%s\ndllversion=%s\nversion=%s\n", library, dllVersion(library).c_str(), CVGUI_VERSION_STRING);
    printf("closed=%s\n", error.hwnd != nullptr && about.hwnd != nullptr && !IsWindow(error.hwnd) && !IsWindow(about.hwnd) ? "yes" : "no");
    return 0;
}
