// The save dialog, one per process: the user names a file, the tool's procedure writes it.
#include "cvguiP.h"

#include <Xm/List.h>
#include <Xm/Text.h>
#include <cerrno>
#include <cstdint>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int helpVolumeType = 8;
const int quickHelpType = 16;
enum { saveButton = 0, closeButton = 1 };

struct SaveDialog {
    textEditDialogInfo info;
    ButtonInfo buttons[3];
    CVsaveProc proc;
    void *userData;
    HelpLink volumeLink; // the Help button's
    HelpLink quickLink;  // the dialog's help callback
    char *refusedName;   // the existing file the user was warned about last
} dialog;

const char *catalogueLabel(XtPointer set, int key, const char *label)
{
    return _util_libsMsg(static_cast<int>(reinterpret_cast<intptr_t>(set)), key, label);
}

void forgetRefusal()
{
    XtFree(dialog.refusedName);
    dialog.refusedName = nullptr;
}

void setHelpText(HelpLink &link, const char *text)
{
    XtFree(link.link);
    link.link = XtNewString(text);
}

// The file the tool writes: a stream over a descriptor that keeps the reason of the first
// failed write, which the C library's own streams forget by the time the procedure returns.
struct Sink {
    int fd;
    int error;
};

ssize_t sinkWrite(void *cookie, const char *data, size_t size)
{
    auto *sink = static_cast<Sink *>(cookie);
    size_t done = 0;
    while (done < size) {
        ssize_t n = write(sink->fd, data + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (sink->error == 0) {
                sink->error = n < 0 ? errno : ENOSPC;
            }
            return done > 0 ? static_cast<ssize_t>(done) : -1;
        }
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

int sinkClose(void *cookie)
{
    auto *sink = static_cast<Sink *>(cookie);
    if (close(sink->fd) != 0 && sink->error == 0) {
        sink->error = errno;
    }
    return sink->error == 0 ? 0 : -1;
}

// Runs the tool's procedure on fd with the busy cursor up and closes fd; 0, or the reason why
// the file did not take everything.
int runProcedure(int fd, const char *name)
{
    Sink sink = {fd, 0};
    cookie_io_functions_t io = {nullptr, sinkWrite, nullptr, sinkClose};
    FILE *file = fopencookie(&sink, "w", io);
    if (file == nullptr) {
        int error = errno;
        close(fd);
        return error;
    }
    setCursorForWaiting(True);
    if (dialog.proc == nullptr) {
        saveMsg("%s", cvMsg(CVMSG_SAVE_NO_PROCEDURE));
    } else {
        dialog.proc(file, name, dialog.userData);
    }
    fclose(file);
    setCursorForWaiting(False);
    return sink.error;
}

void writeInPlace(const char *name)
{
    int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        saveMsg(cvMsg(CVMSG_SAVE_CANNOT_OPEN), name, strerror(errno));
        return;
    }
    if (int error = runProcedure(fd, name)) {
        saveMsg(cvMsg(CVMSG_SAVE_CANNOT_WRITE), name, strerror(error));
    }
}

std::string directoryOf(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// A regular file is written beside itself and then renamed over the old one, so a full disk or
// a failing write leaves the old contents as they were. Devices, pipes and directories are
// opened as they are.
void writeFile(const char *name)
{
    if (*name == '\0') {
        // An emptied field names no file: refused as opening it would be, before the tool writes.
        saveMsg(cvMsg(CVMSG_SAVE_CANNOT_OPEN), name, strerror(ENOENT));
        return;
    }
    struct stat old;
    bool exists = stat(name, &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        writeInPlace(name);
        return;
    }
    std::string target = name;
    mode_t mode;
    if (exists) {
        // A file the user may not write stays refused, even in a directory that would allow a rename.
        int fd = open(name, O_WRONLY | O_CLOEXEC);
        if (fd < 0) {
            saveMsg(cvMsg(CVMSG_SAVE_CANNOT_OPEN), name, strerror(errno));
            return;
        }
        close(fd);
        // The file behind a link is replaced, not the link.
        if (char *real = realpath(name, nullptr)) {
            target = real;
            free(real);
        }
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    std::string dir = directoryOf(target);
    std::string temp = dir + "/.cvsave.XXXXXX";
    int fd = mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0) {
        if (exists && (errno == EACCES || errno == EPERM)) {
            // A directory closed to new files still lets the user write the file itself.
            writeInPlace(name);
        } else {
            saveMsg(cvMsg(CVMSG_SAVE_CANNOT_OPEN), name, strerror(errno));
        }
        return;
    }
    if (fchmod(fd, mode) != 0 || (exists && fchown(fd, old.st_uid, old.st_gid) != 0)) {
        // The file keeps the mode or owner it was made with; its contents matter more.
    }
    int error = runProcedure(fd, name);
    if (error == 0 && rename(temp.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temp.c_str());
        saveMsg(cvMsg(CVMSG_SAVE_CANNOT_WRITE), name, strerror(error));
    }
}

void save()
{
    char *name = XmTextGetString(dialog.info.text);
    struct stat st;
    if (!(stat(name, &st) != 0 && errno == ENOENT)) {
        // Something is there already: only a second Save for the same name replaces it.
        if (dialog.refusedName == nullptr || strcmp(dialog.refusedName, name) != 0) {
            saveMsg(cvMsg(CVMSG_SAVE_FILE_EXISTS), name);
            forgetRefusal();
            dialog.refusedName = name;
            return;
        }
        saveMsg(cvMsg(CVMSG_SAVE_OVERWRITING), name);
    }
    forgetRefusal();
    writeFile(name);
    XtFree(name);
}

void saveAction(Widget, XtPointer which, XtPointer)
{
    if (reinterpret_cast<intptr_t>(which) == closeButton) {
        forgetRefusal();
        XtUnmanageChild(dialog.info.pane);
        return;
    }
    save();
}

XtCallbackProc helpCallback()
{
    XtCallbackProc proc = GetWidgetHelpCallback();
    return proc != nullptr ? proc : cvwContextSensitiveHelpCB;
}

} // namespace

CVGUI_API void createSaveDialog(Widget parent, const char *shellName, const char *title, const char *defaultFileName,
                                const char *helpText, CVsaveProc saveProc)
{
    if (dialog.info.pane != nullptr) {
        // One dialog per process: a second call only changes its settings.
        setSaveDefaults(defaultFileName, title, helpText, saveProc);
        return;
    }
    dialog.proc = saveProc;
    bool help = helpText != nullptr && *helpText != '\0';
    dialog.buttons[0] = {CVMSG_SAVE, cvMsgDefault(CVMSG_SAVE), nullptr, saveAction,
                         reinterpret_cast<XtPointer>(saveButton), True};
    dialog.buttons[1] = {CVMSG_CLOSE, cvMsgDefault(CVMSG_CLOSE), nullptr, saveAction,
                         reinterpret_cast<XtPointer>(closeButton), False};
    if (help) {
        dialog.volumeLink.helpType = helpVolumeType;
        setHelpText(dialog.volumeLink, helpText);
        dialog.buttons[2] = {CVMSG_HELP, cvMsgDefault(CVMSG_HELP), nullptr, helpCallback(), &dialog.volumeLink, False};
    }

    textEditDialogInfo &info = dialog.info;
    info.shellName = shellName;
    info.title = title;
    info.editLabel = cvMsg(CVMSG_FILE_NAME);
    info.editValue = defaultFileName;
    info.listLabel = cvMsg(CVMSG_MESSAGES);
    info.buttonCount = help ? 3 : 2;
    info.buttons = dialog.buttons;
    info.closeIndex = closeButton;
    info.labelProc = catalogueLabel;
    info.labelArg = reinterpret_cast<XtPointer>(3);
    CreateTextEditDialog(parent, &info);
    XtFree(reinterpret_cast<char *>(info.buttonHandles));
    info.buttonHandles = nullptr;

    if (help) {
        dialog.quickLink.helpType = quickHelpType;
        setHelpText(dialog.quickLink, helpText);
        XtRemoveAllCallbacks(info.pane, XmNhelpCallback);
        XtAddCallback(info.pane, XmNhelpCallback, helpCallback(), &dialog.quickLink);
    }
    addWindowToBusyList(info.pane);
}

CVGUI_API void save_CB(Widget, XtPointer userData, XtPointer)
{
    if (dialog.info.pane == nullptr) {
        return;
    }
    dialog.userData = userData;
    clearList(dialog.info.list);
    forgetRefusal();
    XtManageChild(dialog.info.pane);
    Widget shell = XtParent(dialog.info.pane);
    if (XtIsRealized(shell)) {
        XRaiseWindow(XtDisplay(shell), XtWindow(shell));
    }
}

CVGUI_API void setSaveDefaults(const char *fileName, const char *title, const char *helpText,
                               CVsaveProc saveProc)
{
    if (dialog.info.pane == nullptr) {
        return;
    }
    if (fileName != nullptr) {
        XmTextSetString(dialog.info.text, const_cast<char *>(fileName));
    }
    if (title != nullptr) {
        XtVaSetValues(XtParent(dialog.info.pane), XmNtitle, title, nullptr);
    }
    if (helpText != nullptr) {
        setHelpText(dialog.volumeLink, helpText);
        setHelpText(dialog.quickLink, helpText);
    }
    if (saveProc != nullptr) {
        dialog.proc = saveProc;
    }
}

CVGUI_API void saveMsg(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    cvguiAddMessageV(dialog.info.list, 0, format, args);
    va_end(args);
}

CVGUI_API Widget getSaveMsgW(void)
{
    return dialog.info.list;
}
