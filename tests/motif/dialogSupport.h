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
#include <dirent.h>
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

// Labels of the managed push buttons of a box, left to right as they are laid out.
inline std::vector<std::string> buttonsShown(Widget box)
{
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(box, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    std::vector<std::pair<Position, std::string>> found;
    for (Cardinal i = 0; i < count; i++) {
        if ((XmIsPushButton(children[i]) || XmIsPushButtonGadget(children[i])) && XtIsManaged(children[i])) {
            Position x = 0;
            XtVaGetValues(children[i], XmNx, &x, nullptr);
            found.emplace_back(x, motif::labelText(children[i]));
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
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(box, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    for (Cardinal i = 0; i < count; i++) {
        if ((XmIsPushButton(children[i]) || XmIsPushButtonGadget(children[i])) && XtIsManaged(children[i]) &&
            motif::labelText(children[i]) == text) {
            return children[i];
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
    WidgetList children = nullptr;
    Cardinal count = 0;
    if (XtIsComposite(w)) {
        XtVaGetValues(w, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    }
    for (Cardinal i = 0; i < count; i++) {
        if (Widget found = findButton(children[i], text)) {
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

// The window manager's close request, as mwm sends it when the user closes the window.
inline void closeWindow(Widget shell)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = XtWindow(shell);
    e.xclient.message_type = XInternAtom(XtDisplay(shell), "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = XInternAtom(XtDisplay(shell), "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(XtDisplay(shell), XtWindow(shell), False, NoEventMask, &e);
    motif::pump();
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

// The newest message box a call left on parent (a dialog shell among its popups).
inline Widget newestDialog(Widget parent, const char *boxName)
{
    Widget found = nullptr;
    WidgetList popups = parent->core.popup_list;
    for (Cardinal i = 0; i < parent->core.num_popups; i++) {
        Widget box = XtNameToWidget(popups[i], boxName);
        if (box != nullptr && !box->core.being_destroyed) {
            found = box;
        }
    }
    return found;
}

// A help viewer for CVW_HELP_VIEWER: a script that writes each request's arguments to a file.
class HelpViewer {
public:
    HelpViewer()
    {
        char dirTemplate[] = "/tmp/cvgui-viewer-XXXXXX";
        dir_ = mkdtemp(dirTemplate);
        script_ = dir_ + "/viewer.sh";
        std::ofstream out(script_);
        out << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" << dir_ << "/.req.$$\" && mv \"" << dir_ << "/.req.$$\" \""
            << dir_ << "/request.$$\"\n";
        out.close();
        chmod(script_.c_str(), 0755);
        setenv("CVW_HELP_VIEWER", script_.c_str(), 1);
    }
    ~HelpViewer()
    {
        unsetenv("CVW_HELP_VIEWER");
        std::string cmd = "rm -rf '" + dir_ + "'";
        if (system(cmd.c_str()) != 0) {
            fprintf(stderr, "could not remove %s\n", dir_.c_str());
        }
    }

    // The arguments of the next request, one per element; empty when none came in time.
    std::vector<std::string> nextRequest()
    {
        std::string file;
        motif::pumpUntil([&] { return !(file = takeRequestFile()).empty(); });
        std::vector<std::string> args;
        if (file.empty()) {
            return args;
        }
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) {
            args.push_back(line);
        }
        unlink(file.c_str());
        return args;
    }

private:
    std::string takeRequestFile()
    {
        DIR *d = opendir(dir_.c_str());
        std::string found;
        while (dirent *e = d != nullptr ? readdir(d) : nullptr) {
            if (std::string(e->d_name).rfind("request.", 0) == 0) {
                found = dir_ + "/" + e->d_name;
                break;
            }
        }
        if (d != nullptr) {
            closedir(d);
        }
        return found;
    }

    std::string dir_;
    std::string script_;
};

} // namespace dialogs

#endif
