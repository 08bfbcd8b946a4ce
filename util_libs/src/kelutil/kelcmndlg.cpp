// The common save dialog for text files, and help entries of a native tool's menus.
#include "kelMsgDlg.h"
#include "kelutilP.h"
#include "cvMsgIds.h"

#include "cv.h"
#include "cvhelp.h"
#include "cvw.h"

#include <afxdlgs.h>
#include <cderr.h>
#include <cerrno>
#include <cstring>

const char *getTextFileFilter()
{
    static const char *filter = cvMsg(CVMSG_TEXT_FILE_FILTER);
    return filter;
}

void KelSaveDialog(const char *title, KelSaveWriter writer, CWnd *parent, const char *fileName,
                   const char *directory)
{
    CFileDialog dialog(FALSE, nullptr, fileName != nullptr ? fileName : "*.txt",
                       OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN, getTextFileFilter(), parent);
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.Flags &= ~OFN_SHOWHELP;
    if (directory != nullptr) {
        dialog.m_ofn.lpstrInitialDir = directory;
    }
    if (dialog.DoModal() != IDOK) {
        // A name longer than the dialog's buffer ends it as a cancel would: say so.
        if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            KelError(cvMsg(CVMSG_SAVE_NAME_TOO_LONG), MAX_PATH - 1);
        }
        return;
    }
    CString path = dialog.GetPathName();
    FILE *file = fopen(path, "w");
    if (file == nullptr) {
        KelError(cvMsg(CVMSG_SAVE_CANNOT_OPEN), static_cast<const char *>(path),
                 strerror(errno));
        return;
    }
    errno = 0;
    writer(file, path);
    // A full disk shows at the latest when the last buffer is written out. The C library's
    // fclose does not always say so, its explicit flush does.
    bool failed = ferror(file) != 0 || fflush(file) != 0;
    int error = errno;
    if (fclose(file) != 0 && !failed) {
        failed = true;
        error = errno;
    }
    if (failed) {
        KelError(cvMsg(CVMSG_SAVE_WRITE_FAILED), static_cast<const char *>(path),
                 strerror(error != 0 ? error : EIO));
    }
}

namespace {
// One procedure per kind of help: a menu callback knows only its target.
template <long Kind> struct HelpKind;
template <> struct HelpKind<cvwHelpFile> { static constexpr const char *name = "cvwHelpFile"; };
template <> struct HelpKind<cvwHelpVolume> { static constexpr const char *name = "cvwHelpBrowser"; };
template <> struct HelpKind<cvwQuickHelp> { static constexpr const char *name = "cvwQuickHelp"; };
template <> struct HelpKind<cvwHelpString> { static constexpr const char *name = "cvwHelpString"; };
template <> struct HelpKind<cvwManPage> { static constexpr const char *name = "cvwManPage"; };
template <> struct HelpKind<cvwTextFile> { static constexpr const char *name = "cvwTextFile"; };

template <long Kind> void showHelp(Widget, XtPointer target, XtPointer)
{
    CWnd *main = AfxGetMainWnd();
    const char *text = static_cast<const char *>(target);
    if (CVHelpAPI(main != nullptr ? main->m_hWnd : nullptr, Kind, text) == 0) {
        return;
    }
    int error = CVwError();
    KelError(cvMsg(CVMSG_HELP_KIND_FAILED), HelpKind<Kind>::name,
             text, CVwErrorMsg(error), error);
}

XtCallbackProc helpProcedure(long kind)
{
    switch (kind) {
    case cvwHelpFile: return showHelp<cvwHelpFile>;
    case cvwHelpVolume: return showHelp<cvwHelpVolume>;
    case cvwQuickHelp: return showHelp<cvwQuickHelp>;
    case cvwHelpString: return showHelp<cvwHelpString>;
    case cvwManPage: return showHelp<cvwManPage>;
    default: return showHelp<cvwTextFile>;
    }
}
} // namespace

void KelSetApHelp(KelMenuItem &item, long kind, const char *target)
{
    if (kind == 0 || target == nullptr || *target == '\0') {
        return;
    }
    item.SetActivateData(XtNewString(target));
    item.SetCallback(reinterpret_cast<KelMenuCallback>(helpProcedure(kind)));
}

void KelQuitHelp()
{
    CWnd *main = AfxGetMainWnd();
    if (main == nullptr) {
        return;
    }
    WinHelpA(main->m_hWnd, _CVBuildPath("%CV_PATH%\\help", "zbr.hlp", 1), HELP_QUIT, 0);
}
