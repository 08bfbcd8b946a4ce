// The standard Help menu and the Close entry of a tool's File menu.
#include "cvguiP.h"

#include "cvw.h"

#include <cstdio>
#include <cstring>

extern "C" Widget AddMCloseMenuPB(Widget menu, XtCallbackProc proc, XtPointer clientData)
{
    return AddMPButton(menu, cvMsg(CVMSG_CLOSE), "closeMenuButton", proc, clientData);
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
    case cvwHelpFile: return cvguiHelpFileCB;
    case cvwHelpVolume: return help_CB;
    case cvwQuickHelp: return cvguiQuickHelpCB;
    case cvwHelpString: return cvguiHelpStringCB;
    case cvwManPage: return cvguiManPageCB;
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
    topicEntry(menu, cvMsg(CVMSG_HELP_OVERVIEW), "%s%s.over", helpBase);
    topicEntry(menu, cvMsg(CVMSG_HELP_ON_WINDOW), "%s%s.wind", helpBase);
    if (helpType != 0 && helpTarget != nullptr && *helpTarget != '\0') {
        ownedEntry(menu, cvMsg(CVMSG_HELP_ON_APPLICATION), handlerFor(helpType), helpTarget);
    }
    topicEntry(menu, cvMsg(CVMSG_HELP_TASKS), "%s%s.tasks", helpBase);
    snprintf(label, sizeof label, cvMsg(CVMSG_HELP_WHATS_NEW), appTitle);
    topicEntry(menu, label, "%s%s.new", helpBase);
    if (strcmp(helpBase, "grapher") == 0 || strcmp(helpBase, "eventBrowser") == 0) {
        topicEntry(menu, cvMsg(CVMSG_HELP_MOUSE_KEYBOARD), "%s%s.mouse", helpBase);
    }
    AddMPButton(menu, cvMsg(CVMSG_HELP_USING_HELP), nullptr, help_CB,
                const_cast<char *>("Help4Help:_hometopic"));
    if (aboutProc != nullptr) {
        snprintf(label, sizeof label, cvMsg(CVMSG_HELP_ABOUT), appTitle);
        AddMPButton(menu, label, nullptr, aboutProc, nullptr);
    }
}
