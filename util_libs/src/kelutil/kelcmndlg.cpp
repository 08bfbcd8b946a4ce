// The common save dialog for text files, and help entries of a native tool's menus.
#include "kelMsgDlg.h"
#include "kelutilP.h"
#include "cvMsgIds.h"

#include "cv.h"
#include "cvhelp.h"
#include "cvw.h"

#include <afxdlgs.h>
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
        return;
    }
    CString path = dialog.GetPathName();
    FILE *file = fopen(path, "w");
    if (file == nullptr) {
        KelError(cvMsg(CVMSG_SAVE_CANNOT_OPEN), static_cast<const char *>(path),
                 strerror(errno));
        return;
    }
    writer(file, path);
    fclose(file);
}

namespace {
// One procedure per kind of help: a menu callback knows only its target.
template <long Kind> struct HelpKind;
template <> struct HelpKind<2> { static constexpr const char *name = "cvwHelpFile"; };
template <> struct HelpKind<8> { static constexpr const char *name = "cvwHelpBrowser"; };
template <> struct HelpKind<16> { static constexpr const char *name = "cvwQuickHelp"; };
template <> struct HelpKind<32> { static constexpr const char *name = "cvwHelpString"; };
template <> struct HelpKind<64> { static constexpr const char *name = "cvwManPage"; };
template <> struct HelpKind<128> { static constexpr const char *name = "cvwTextFile"; };

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
    case 2: return showHelp<2>;
    case 8: return showHelp<8>;
    case 16: return showHelp<16>;
    case 32: return showHelp<32>;
    case 64: return showHelp<64>;
    default: return showHelp<128>;
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
