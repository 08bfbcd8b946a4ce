// The selector's dialog: creation from the application's resources, the routing of the dialog's
// messages, pop-up and pop-down, and the watch of the MIB file. The MIB file can be replaced by
// another tool while the selector is open: the selector records the file's time, refuses the
// user's actions while the file is newer, asks the application to resynchronise (once per file
// time) and rebuilds its tree when the application says so.
#include "kelMibSel.h"
#include "kelMibSelP.h"
#include "kelMsgDlg.h"
#include "kelwlib.h"

#include "cv.h"
#include "cvMsgIds.h"
#include "cvsnmp.h"
#include "kelargs.h"
#include "mibSelCore.h"
#include "msResources.h"

#include <string>

namespace {

MsResources resources;

CWnd *panel = nullptr;           // the dialog that holds the selector's controls
volatile long long recordedTime = 0;
long long postedTime = 0;
bool resyncing = false;
bool reportedUnreadable = false;

// The MIB file's last write time (100 ns since 1601), or false when it cannot be examined.
bool fileTime(long long &time)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(CVmib_get_mib_filename(), GetFileExInfoStandard, &data)) {
        return false;
    }
    time = static_cast<long long>((static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                  data.ftLastWriteTime.dwLowDateTime);
    return true;
}

void recordTime()
{
    long long t = 0;
    if (fileTime(t)) {
        recordedTime = t;
    }
}

void report(const char *format, const char *a, const char *b = nullptr)
{
    msCoreMessageFunction()(format, a, b);
}

int loadMib()
{
    int result = msLoadMib();
    if (result == 0) {
        recordTime();
    }
    return result;
}

// The system's text for an error code, without its closing line end and full stop.
std::string systemMessage(DWORD code)
{
    char text[256] = "";
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                             sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == '.' || text[n - 1] == ' ')) {
        text[--n] = '\0';
    }
    return n > 0 ? std::string(text) : "error " + std::to_string(code);
}

void selectionSensitive(int sensitive)
{
    KelMsSelInfo &s = kelMsSelInfo;
    if (msCoreFlags() & MS_EXPRESSIONS) {
        KelSetSensitive(s.toggleFrame, sensitive);
    }
    KelSetSensitive(static_cast<CWnd *>(s.nameField), sensitive);
    if (CWnd *field = s.nameField) {
        KelTextSetEditable(field, sensitive);
    }
    KelSetSensitive(static_cast<CWnd *>(s.list.widget), sensitive);
    KelSetSensitive(static_cast<CWnd *>(s.tree), sensitive);
}

void done(int reason)
{
    if (kelMsSelInfo.doneCallback != nullptr) {
        kelMsSelInfo.doneCallback(nullptr, reinterpret_cast<XtPointer>(static_cast<intptr_t>(reason)), nullptr);
    }
}

} // namespace

CWnd *KelMsCreateMibSelector(CWnd *dialog, unsigned int flags, const char *title, MsMessageFunction messageFunction,
                             MsStateCallback stateCallback, XtCallbackProc doneCallback, const KelMsCtrlIds ids)
{
    if ((flags & MS_MULTIPLE_SELECT) && (flags & MS_LABEL)) {
        KelError("INTERNAL ERROR %s:%d: cannot have mib label and multiple select options", "../mibSel", __LINE__);
        return nullptr;
    }
    resources = MsResources();
    KelGetApplicationResources(_CVgetProgname(1), &resources, msResourceTable, msResourceCount);
    msCoreSetResources(resources.defaultMibObject, resources.mibSelListSorted != 0);
    panel = dialog;
    recordedTime = 0;
    postedTime = 0;
    resyncing = false;
    reportedUnreadable = false;
    recordTime();
    KelMsAttachSelector(dialog, flags, ids, messageFunction, stateCallback, doneCallback);
    if (Mib != nullptr) {
        recordTime();
    }
    if (doneCallback != nullptr && title != nullptr && dialog != nullptr) {
        dialog->SetWindowText(title);
    }
    kelMsForgetDescWindows();
    return doneCallback != nullptr ? dialog : nullptr;
}

int KelMsDispatchCommand(WPARAM wParam)
{
    KelMsSelInfo &s = kelMsSelInfo;
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        if ((msCoreFlags() & MS_EXPRESSIONS) && id == s.ids[KEL_MS_ID_MIB_TOGGLE]) {
            if (CheckCVmibSync()) {
                msSetMode(0);
            }
        } else if ((msCoreFlags() & MS_EXPRESSIONS) && id == s.ids[KEL_MS_ID_EXPR_TOGGLE]) {
            msSetMode(1);
        } else if (id == s.ids[KEL_MS_ID_DESCRIBE]) {
            if (CheckCVmibSync()) {
                KelMsDescribe();
            }
        } else if (s.doneCallback != nullptr && id == s.ids[KEL_MS_ID_OK]) {
            done(1);
        } else if (s.doneCallback != nullptr && (msCoreFlags() & MS_APPLY) && id == s.ids[KEL_MS_ID_APPLY]) {
            done(2);
        } else if (s.doneCallback != nullptr && id == s.ids[KEL_MS_ID_CANCEL]) {
            done(0);
        } else {
            return 0;
        }
        return 1;
    }
    if (code == LBN_SELCHANGE && id == s.ids[KEL_MS_ID_LIST]) {
        if (CheckCVmibSync()) {
            msListSelectionChanged();
        }
        return 1;
    }
    if (code == EN_CHANGE && id == s.ids[KEL_MS_ID_NAME]) {
        if (CheckCVmibSync()) {
            msNameFieldChanged();
        }
        return 1;
    }
    return 0;
}

int KelMsDispatchNotify(NMHDR *header, LRESULT *result)
{
    if (!CheckCVmibSync()) {
        return 0;
    }
    return KelMibTreeDispatchNotify(header, result);
}

extern "C" void msPopUp(int clear, const char *title)
{
    if (!CheckCVmibSync()) {
        return;
    }
    KelMsSelInfo &s = kelMsSelInfo;
    if (s.dialog != nullptr) {
        s.dialog->ShowWindow(SW_SHOW);
        if (clear == 1) {
            msClearMessages();
        }
        if (title != nullptr) {
            s.dialog->SetWindowText(title);
        }
    }
    loadMib();
    if (!msCoreExpressionMode()) {
        char *typed = msReadTypedName();
        std::string name = typed != nullptr && *typed != '\0' ? typed : msCoreDefaultObject();
        msShowNode(CVmib_get_loaded_path(name.c_str()), 1);
    } else {
        msSetMode(1);
    }
    selectionSensitive(1);
    // The tree stands in for the hidden item list in MIB-object mode: it takes the focus then.
    KelPaseudoWidget focus = msCoreExpressionMode() ? s.list.widget : s.tree;
    if (s.dialog != nullptr && focus != 0) {
        KelProcessTraversal(focus, 0);
    }
}

extern "C" void msPopDown(int clear)
{
    KelMsSelInfo &s = kelMsSelInfo;
    if (s.dialog == nullptr) {
        return;
    }
    kelMsCloseDescWindows();
    if (clear == 1) {
        msClearMessages();
    }
    s.dialog->ShowWindow(SW_HIDE);
}

void KelMsResyncMibSelector()
{
    KelMsSelInfo &s = kelMsSelInfo;
    resyncing = true;
    // A file that cannot be loaded keeps the tree of the MIB loaded before, which the library
    // still holds; its time is recorded so that the selector is not refused for good.
    if (CVmib_load_mib() != 0) {
        msCoreMessageFunction()(cvMsg(CVMSG_MS_MIB_LOAD_FAILED), CVmib_get_mib_filename());
        msCoreMessageFunction()("  %s", CVmib_load_error());
        recordTime();
        resyncing = false;
        return;
    }
    if (panel != nullptr) {
        KelClearMibTree(panel, s.ids[KEL_MS_ID_TREE]);
    }
    KelMibSelectorDone();
    s.tree.init(panel, s.ids[KEL_MS_ID_TREE]);
    KelMibTreeInit(panel, s.ids[KEL_MS_ID_TREE], s.ids[KEL_MS_ID_MULTI]);
    kelMsForgetDescWindows();
    msShowNode(msCoreDefaultObject(), 1);
    recordTime();
    resyncing = false;
}

int KelMsCheckCVMibSync()
{
    if (recordedTime == 0) {
        return 1;
    }
    long long t = 0;
    if (!fileTime(t)) {
        return 0;
    }
    return t <= recordedTime ? 1 : 0;
}

int CheckCVmibSync()
{
    if (resyncing) {
        return 0;
    }
    if (recordedTime == 0) {
        return 1;
    }
    long long t = 0;
    if (!fileTime(t)) {
        if (!reportedUnreadable) {
            reportedUnreadable = true;
            std::string reason = systemMessage(GetLastError());
            report(cvMsg(CVMSG_MS_MIB_FILE_UNREADABLE), CVmib_get_mib_filename(), reason.c_str());
        }
        return 1;
    }
    reportedUnreadable = false;
    if (t <= recordedTime) {
        return 1;
    }
    // A resynchronisation may be recording the time meanwhile.
    Sleep(50);
    if (t <= recordedTime) {
        return 1;
    }
    if (postedTime != 0 && t <= postedTime) {
        return 0;
    }
    if (!KelPostMsgToApp(KEL_MS_RESYNC_MESSAGE, 0, static_cast<LPARAM>(t))) {
        return 0;
    }
    postedTime = t;
    Sleep(50);
    return 0;
}

long long KelMsGetCVMibModTime()
{
    return recordedTime;
}
