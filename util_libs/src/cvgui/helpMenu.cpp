// The standard Help menu and the Close entry of a tool's File menu.
#include "cvguiP.h"

#include <cstdio>
#include <cstring>

extern "C" Widget AddMCloseMenuPB(Widget menu, XtCallbackProc proc, XtPointer clientData)
{
    return AddMPButton(menu, _util_libsMsg(3, 1, "Close"), "closeMenuButton", proc, clientData);
}

namespace {
void freeCopy(Widget, XtPointer copy, XtPointer)
{
    XtFree(static_cast<char *>(copy));
}

// Each entry owns a copy of its target, freed with the entry.
void ownedEntry(Widget menu, const char *label, XtCallbackProc proc, const char *target)
{
    char *copy = XtNewString(target);
    Widget entry = AddMPButton(menu, label, nullptr, proc, copy);
    XtAddCallback(entry, XmNdestroyCallback, freeCopy, copy);
}

void topicEntry(Widget menu, const char *label, const char *format, const char *helpBase)
{
    char topic[1024];
    snprintf(topic, sizeof topic, format, "zbr:", helpBase);
    ownedEntry(menu, label, help_CB, topic);
}

XtCallbackProc handlerFor(int helpType)
{
    switch (helpType) {
    case 2: return cvguiHelpFileCB;
    case 8: return help_CB;
    case 16: return cvguiQuickHelpCB;
    case 32: return cvguiHelpStringCB;
    case 64: return cvguiManPageCB;
    default: return cvguiTextFileCB;
    }
}
} // namespace

extern "C" void addHelpMenuItems(Widget menu, char *helpBase, char *appTitle, int helpType, char *helpTarget,
                                 XtCallbackProc aboutProc)
{
    if (helpBase == nullptr) {
        helpBase = const_cast<char *>("");
    }
    if (appTitle == nullptr) {
        appTitle = const_cast<char *>("");
    }
    char label[1024];
    topicEntry(menu, _util_libsMsg(3, 40, "Overview"), "%s%s.over", helpBase);
    topicEntry(menu, _util_libsMsg(3, 41, "On Window"), "%s%s.wind", helpBase);
    if (helpType != 0 && helpTarget != nullptr && *helpTarget != '\0') {
        ownedEntry(menu, _util_libsMsg(3, 42, "On Application"), handlerFor(helpType), helpTarget);
    }
    topicEntry(menu, _util_libsMsg(3, 43, "Tasks"), "%s%s.tasks", helpBase);
    snprintf(label, sizeof label, _util_libsMsg(3, 44, "What's New with %s"), appTitle);
    topicEntry(menu, label, "%s%s.new", helpBase);
    if (strcmp(helpBase, "grapher") == 0 || strcmp(helpBase, "eventBrowser") == 0) {
        topicEntry(menu, _util_libsMsg(3, 83, "Mouse and Keyboard"), "%s%s.mouse", helpBase);
    }
    AddMPButton(menu, _util_libsMsg(3, 84, "Using Help"), nullptr, help_CB,
                const_cast<char *>("Help4Help:_hometopic"));
    if (aboutProc != nullptr) {
        snprintf(label, sizeof label, _util_libsMsg(3, 46, "About %s"), appTitle);
        AddMPButton(menu, label, nullptr, aboutProc, nullptr);
    }
}
