// Internals of the class layer shared by its source files.
#ifndef CVGUI_AFXIMPL_H
#define CVGUI_AFXIMPL_H

#include "afxwin.h"

#include <unordered_map>

// Objects by handle: permanent ones belong to their owners; temporary ones are made on demand
// for handles nobody wraps and are deleted together by deleteTemporaries (on idle), and, since a
// tool's own message loop never idles, by fromHandle itself: each time the temporaries have
// doubled, those whose handle has gone are deleted, so they never outgrow the live handles.
template <class Handle, class Object> class HandleMap {
public:
    using Alive = bool (*)(Handle);
    using Drop = void (*)(Object *);
    HandleMap(Alive alive, Drop drop) : alive_(alive), drop_(drop) {}

    Object *lookupPermanent(Handle h) const
    {
        auto it = permanent_.find(h);
        return it != permanent_.end() ? it->second : nullptr;
    }
    // The permanent object, else a temporary one made by make(h).
    template <class Make> Object *fromHandle(Handle h, Make make)
    {
        if (h == nullptr) {
            return nullptr;
        }
        if (Object *o = lookupPermanent(h)) {
            return o;
        }
        auto it = temporary_.find(h);
        if (it != temporary_.end()) {
            return it->second;
        }
        if (temporary_.size() >= sweepAt_) {
            sweep();
        }
        Object *o = make(h);
        temporary_[h] = o;
        return o;
    }
    size_t temporaryCount() const { return temporary_.size(); }
    bool setPermanent(Handle h, Object *o) { return permanent_.emplace(h, o).second; }
    void removePermanent(Handle h, Object *o)
    {
        auto it = permanent_.find(h);
        if (it != permanent_.end() && it->second == o) {
            permanent_.erase(it);
        }
    }
    // Hands the temporary object of h to the caller, who deletes it.
    Object *takeTemporary(Handle h)
    {
        auto it = temporary_.find(h);
        if (it == temporary_.end()) {
            return nullptr;
        }
        Object *o = it->second;
        temporary_.erase(it);
        return o;
    }
    void deleteTemporaries()
    {
        auto all = std::move(temporary_);
        temporary_.clear();
        for (auto &entry : all) {
            drop_(entry.second);
        }
    }

private:
    static constexpr size_t kFirstSweep = 64;

    void sweep()
    {
        for (auto it = temporary_.begin(); it != temporary_.end();) {
            if (alive_(it->first)) {
                ++it;
            } else {
                drop_(it->second);
                it = temporary_.erase(it);
            }
        }
        sweepAt_ = temporary_.size() * 2 > kFirstSweep ? temporary_.size() * 2 : kFirstSweep;
    }

    Alive alive_;
    Drop drop_;
    size_t sweepAt_ = kFirstSweep;
    std::unordered_map<Handle, Object *> permanent_;
    std::unordered_map<Handle, Object *> temporary_;
};

// Routes the next window created on this thread through pWnd (attached and subclassed before
// its first message); unhooking reports whether that happened.
void AfxHookWindowCreate(CWnd *pWnd);
BOOL AfxUnhookWindowCreate();

// The DC wrapper of a DC given back to its window goes at once: DC handles are reused.
void afxDropTempDC(HDC hDC);

// Dialog creation shared by CDialog and CFormView.
LPCDLGTEMPLATE afxLoadDialogTemplate(LPCSTR lpszTemplateName, HINSTANCE *phInst);
HWND afxCreateDialog(CWnd *pWnd, LPCDLGTEMPLATE lpTemplate, HWND hWndParent, HINSTANCE hInst);
void afxInitCommonControls();
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);

#endif
