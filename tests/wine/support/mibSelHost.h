// A tool's dialog hosting the MIB selector, made from the library's selector template: it passes
// its notifications to the selector as a tool does, and its OK and Apply buttons write each chosen
// object in every form (base name, parent, symbolic and numeric name) into the message list.
#ifndef CVGUI_MIBSELHOST_H
#define CVGUI_MIBSELHOST_H

#include "kelMibSel.h"
#include "kelMsgDlg.h"

#include "../../../util_libs/res/kelres.h"

#include <string>

inline int mibSelHostState = -1; // the last state the selector applied

// The controls of the library's selector template, with multiple selection when multi is not 0.
#define MIBSEL_TEMPLATE_IDS(multi)                                                                                     \
    {IDC_KEL_MS_PANEL, IDC_KEL_MS_LABEL, IDC_KEL_MS_MIB_TOGGLE, IDC_KEL_MS_EXPR_TOGGLE, IDC_KEL_MS_NAME,             \
     IDC_KEL_MS_TREE,  IDC_KEL_MS_LIST,  IDC_KEL_MS_DESCRIBE,   IDC_KEL_MS_LABEL_FIELD, IDOK,                        \
     IDC_KEL_MS_APPLY, IDCANCEL,         IDC_KEL_MS_HELP,       IDC_KEL_MS_MESSAGES,    (multi) ? 1 : 0}

class MibSelHost : public CDialog {
public:
    static constexpr unsigned int defaultFlags = MS_MULTIPLE_SELECT | MS_ACCEPT_ANY | MS_APPLY | MS_EXPRESSIONS;

    explicit MibSelHost(unsigned int flags = defaultFlags, bool multi = true)
    {
        CreateFromDll(this, IDD_KEL_MIBSELECTOR, nullptr);
        const KelMsCtrlIds ids = MIBSEL_TEMPLATE_IDS(multi);
        attached = KelMsAttachSelector(this, flags, ids, nullptr, recordState, done);
        // Without a MIB there is nothing to show; the message list says why.
        if (!attached) {
            return;
        }
        if (flags & MS_EXPRESSIONS) {
            msSetMode(0);
        } else {
            msSetObjectName(nullptr);
        }
    }
    ~MibSelHost() override
    {
        KelMibSelectorDone();
        DestroyWindow();
    }

    HWND item(int id) { return ::GetDlgItem(m_hWnd, id); }

    // What the tool does on OK and Apply.
    static void done(Widget, XtPointer, XtPointer)
    {
        for (char *n = msGetFirstObjectName(); n != nullptr; n = msGetNextObjectName()) {
            std::string name = n;
            std::string base = text(msGetObjectBaseName(name.c_str()));
            std::string parent = text(msGetObjectDirName(name.c_str()));
            std::string numeric = text(msGetObjectNumericName(name.c_str()));
            std::string symbolic = text(msGetObjectNameByNumericName(numeric.c_str()));
            msAddMessage("%s in %s\n%s\n%s", base.c_str(), parent.c_str(), symbolic.c_str(), numeric.c_str());
        }
    }

    int attached = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        if (id == IDC_KEL_MS_LIST && code == LBN_SELCHANGE) {
            msListSelectionChanged();
            return TRUE;
        }
        if (id == IDC_KEL_MS_NAME && code == EN_CHANGE) {
            msNameFieldChanged();
            return TRUE;
        }
        if (code == BN_CLICKED && (id == IDC_KEL_MS_MIB_TOGGLE || id == IDC_KEL_MS_EXPR_TOGGLE)) {
            msSetMode(id == IDC_KEL_MS_EXPR_TOGGLE);
            return TRUE;
        }
        if (code == BN_CLICKED && (id == IDOK || id == IDC_KEL_MS_APPLY)) {
            done(nullptr, nullptr, nullptr);
            return TRUE;
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT *pResult) override
    {
        BOOL handled = CDialog::OnNotify(wParam, lParam, pResult);
        return KelMibTreeDispatchNotify(reinterpret_cast<NMHDR *>(lParam), pResult) || handled;
    }

private:
    static void recordState(int state) { mibSelHostState = state; }
    static std::string text(const char *s) { return s != nullptr ? s : "(none)"; }
};

#endif
