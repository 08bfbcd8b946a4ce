// What a user sees of a message dialog, and a help viewer that records what it is asked to show.
#ifndef CVGUI_DIALOGSUPPORT_H
#define CVGUI_DIALOGSUPPORT_H

#include "motifHarness.h"

#include <X11/IntrinsicP.h>
#include <X11/CoreP.h>
#include <X11/Xutil.h>
#include <Xm/MessageB.h>
#include <Xm/PushB.h>
#include <Xm/PushBG.h>
#include <Xm/List.h>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dialogs {

// The title the window manager shows: the shell window's WM_NAME in the locale's encoding.
inline std::string windowTitle(Widget shell)
{
    XTextProperty prop{};
    if (!XtIsRealized(shell) || XGetWMName(XtDisplay(shell), XtWindow(shell), &prop) == 0) {
        return "";
    }
    char **list = nullptr;
    int count = 0;
    std::string title;
    if (XmbTextPropertyToTextList(XtDisplay(shell), &prop, &list, &count) >= Success && count > 0) {
        title = list[0];
        XFreeStringList(list);
    }
    XFree(prop.value);
    return title;
}

inline bool isShownButton(Widget w)
{
    return (XmIsPushButton(w) || XmIsPushButtonGadget(w)) && XtIsManaged(w);
}

// Labels of the managed push buttons of a box, left to right as they are laid out.
inline std::vector<std::string> buttonsShown(Widget box)
{
    std::vector<std::pair<Position, std::string>> found;
    for (Widget w : motif::children(box)) {
        if (isShownButton(w)) {
            found.emplace_back(motif::value<Position>(w, XmNx), motif::labelText(w));
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> labels;
    for (auto &f : found) {
        labels.push_back(f.second);
    }
    return labels;
}

inline std::vector<std::string> labels(std::initializer_list<const char *> list)
{
    return std::vector<std::string>(list.begin(), list.end());
}

// The managed push button of a box that shows text.
inline Widget buttonShowing(Widget box, const std::string &text)
{
    for (Widget w : motif::children(box)) {
        if (isShownButton(w) && motif::labelText(w) == text) {
            return w;
        }
    }
    return nullptr;
}

// The first managed push button anywhere under w that shows text.
inline Widget findButton(Widget w, const std::string &text)
{
    if (XmIsPushButton(w) && XtIsManaged(w) && motif::labelText(w) == text) {
        return w;
    }
    for (Widget child : XtIsComposite(w) ? motif::children(w) : std::vector<Widget>()) {
        if (Widget found = findButton(child, text)) {
            return found;
        }
    }
    return nullptr;
}

// The texts of a list's items.
inline std::vector<std::string> listItems(Widget list)
{
    XmStringTable table = nullptr;
    int count = 0;
    XtVaGetValues(list, XmNitems, &table, XmNitemCount, &count, nullptr);
    std::vector<std::string> out;
    for (int i = 0; i < count; i++) {
        out.push_back(motif::xmStringText(XmStringCopy(table[i])));
    }
    return out;
}

// The window manager's close request, as mwm sends it when the user closes the window; left for
// whatever loop runs next to handle.
inline void sendCloseRequest(Widget shell)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = XtWindow(shell);
    e.xclient.message_type = XInternAtom(XtDisplay(shell), "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = XInternAtom(XtDisplay(shell), "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(XtDisplay(shell), XtWindow(shell), False, NoEventMask, &e);
    XFlush(XtDisplay(shell));
}

inline void closeWindow(Widget shell)
{
    sendCloseRequest(shell);
    motif::pump();
}

// The shell of the process's save dialog, or null before one is made.
inline Widget saveShell()
{
    Widget w = getSaveMsgW();
    while (w != nullptr && !XtIsShell(w)) {
        w = XtParent(w);
    }
    return w;
}

// What the user types into a text field, replacing what was there.
inline void retype(Widget field, const std::string &text)
{
    XEvent e = motif::keyEvent(field);
    XtCallActionProc(field, const_cast<char *>("select-all"), &e, nullptr, 0);
    XtCallActionProc(field, const_cast<char *>("delete-selection"), &e, nullptr, 0);
    String params[1] = {const_cast<char *>(text.c_str())};
    XtCallActionProc(field, const_cast<char *>("insert-string"), &e, params, 1);
}

// A picture of a shell with its frame for the documentation, when CVGUI_SHOT_DIR names a directory.
inline void shot(Widget shell, const char *name)
{
    const char *dir = getenv("CVGUI_SHOT_DIR");
    if (dir == nullptr) {
        return;
    }
    motif::pump();
    std::string cmd = "xwd -silent -id " + std::to_string(motif::frameWindow(shell)) + " | convert xwd:- " + dir + "/" + name;
    if (system(cmd.c_str()) != 0) {
        fprintf(stderr, "%s failed\n", cmd.c_str());
    }
}

inline std::string messageText(Widget box)
{
    XmString s = nullptr;
    XtVaGetValues(box, XmNmessageString, &s, nullptr);
    return motif::xmStringText(s);
}

inline Widget defaultButton(Widget box)
{
    Widget w = nullptr;
    XtVaGetValues(box, XmNdefaultButton, &w, nullptr);
    return w;
}

// Waits until the dialog's shell is on the screen.
inline bool shown(Widget box)
{
    return motif::pumpUntil([&] { return motif::isViewable(XtParent(box)); });
}

// Notes when a widget is destroyed; the flag outlives the widget.
struct DestroyWatch {
    bool destroyed = false;
    explicit DestroyWatch(Widget w)
    {
        XtAddCallback(w, XmNdestroyCallback, [](Widget, XtPointer self, XtPointer) {
            static_cast<DestroyWatch *>(self)->destroyed = true;
        }, this);
    }
    bool await() { return motif::pumpUntil([&] { return destroyed; }); }
};

// The newest dialog a call left on parent: the widget of that name in one of its popup shells,
// or the shell itself when it has the name.
inline Widget newestDialog(Widget parent, const char *boxName)
{
    Widget found = nullptr;
    WidgetList popups = parent->core.popup_list;
    for (Cardinal i = 0; i < parent->core.num_popups; i++) {
        Widget box = strcmp(XtName(popups[i]), boxName) == 0 ? popups[i] : XtNameToWidget(popups[i], boxName);
        if (box != nullptr && !box->core.being_destroyed) {
            found = box;
        }
    }
    return found;
}

// Commands that record how they were run, in a directory of their own: each run leaves a file
// "run.<pid>" with its $0 and then one argument a line.
class RecordingCommands {
public:
    RecordingCommands()
    {
        char dirTemplate[] = "/tmp/cvgui-commands-XXXXXX";
        dir = mkdtemp(dirTemplate);
    }
    // Not through system(): after a launch the process may reap no child statuses.
    ~RecordingCommands() { std::filesystem::remove_all(dir); }

    // Writes a recording command at dir/name and returns its path.
    std::string add(const std::string &name)
    {
        std::string path = dir + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\nt=" << dir << "/.run.$$\nprintf '%s\\n' \"$0\" \"$@\" >$t && mv $t "
                            << dir << "/run.$$\n";
        chmod(path.c_str(), 0755);
        return path;
    }

    // The lines of the next run, $0 first; empty when none came in time.
    std::vector<std::string> nextRun()
    {
        std::string file;
        motif::pumpUntil([&] {
            for (const auto &e : std::filesystem::directory_iterator(dir)) {
                file = e.path().filename().string().rfind("run.", 0) == 0 ? e.path().string() : file;
            }
            return !file.empty();
        });
        std::vector<std::string> lines;
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        unlink(file.c_str());
        return lines;
    }

    std::string dir;
};

// A help viewer for CVW_HELP_VIEWER that records each request.
class HelpViewer : public RecordingCommands {
public:
    HelpViewer() { setenv("CVW_HELP_VIEWER", add("viewer.sh").c_str(), 1); }
    ~HelpViewer() { unsetenv("CVW_HELP_VIEWER"); }

    // The arguments of the next request, one per element; empty when none came in time.
    std::vector<std::string> nextRequest()
    {
        std::vector<std::string> run = nextRun();
        return run.empty() ? run : std::vector<std::string>(run.begin() + 1, run.end());
    }
};

} // namespace dialogs

#endif
