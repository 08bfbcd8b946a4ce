// Pseudo widgets, frames, menu items and the plain window operations of the native half.
#include "kelcore.h"

int KelPaseudoWidget::operator=(int value)
{
    parent = reinterpret_cast<CWnd *>(static_cast<intptr_t>(value));
    id = 0;
    return value;
}

KelPaseudoWidget::operator CWnd *() const
{
    return parent != nullptr ? parent->GetDlgItem(id) : nullptr;
}

void KelPFrame::AddChild(KelPaseudoWidget *w)
{
    if (widgetCount + 1 >= KEL_FRAME_SLOTS) {
        KelInternalErrorHandler();
    }
    widgets[widgetCount++] = w;
}

void KelPFrame::AddChild(KelPFrame *f)
{
    if (frameCount + 1 >= KEL_FRAME_SLOTS) {
        KelInternalErrorHandler();
    }
    frames[frameCount++] = f;
}

void KelPFrame::SetSensitive(int sensitive)
{
    for (int i = 0; i < widgetCount; i++) {
        KelSetSensitive(static_cast<CWnd *>(*widgets[i]), sensitive);
    }
    for (int i = 0; i < frameCount; i++) {
        frames[i]->SetSensitive(sensitive);
    }
}

void KelPFrame::Show()
{
    for (int i = 0; i < widgetCount; i++) {
        KelShow(static_cast<CWnd *>(*widgets[i]));
    }
    for (int i = 0; i < frameCount; i++) {
        frames[i]->Show();
    }
}

void KelPFrame::Hide()
{
    for (int i = 0; i < widgetCount; i++) {
        KelHide(static_cast<CWnd *>(*widgets[i]));
    }
    for (int i = 0; i < frameCount; i++) {
        frames[i]->Hide();
    }
}

void KelSetSensitive(CWnd *w, int sensitive)
{
    if (w == nullptr) {
        return;
    }
    // A disabled control cannot keep the focus: move it on first, as the user would with Tab.
    if (!sensitive && ::GetFocus() == w->m_hWnd) {
        CWnd *parent = w->GetParent();
        if (parent != nullptr && (parent->IsKindOf(RUNTIME_CLASS(CDialog)) || parent->IsKindOf(RUNTIME_CLASS(CFormView)))) {
            parent->SendMessage(WM_NEXTDLGCTL, 0, 0);
        }
    }
    w->EnableWindow(sensitive != 0);
}

void KelSetSensitive(KelPFrame &frame, int sensitive)
{
    frame.SetSensitive(sensitive);
}

void KelSetSensitive(KelMenuItem &item, int sensitive)
{
    item.SetSensitive(sensitive);
}

int KelIsSensitive(CWnd *w)
{
    return w->IsWindowEnabled() ? 1 : 0;
}

int KelIsSensitive(KelMenuItem &item)
{
    return item.GetSensitive();
}

int KelIsVisible(CWnd *w)
{
    return w->IsWindowVisible() ? 1 : 0;
}

int KelIsFocusIn(KelPaseudoWidget &w)
{
    CWnd *control = w;
    return control != nullptr && control == CWnd::GetFocus() ? 1 : 0;
}

void KelFocusIn(KelPaseudoWidget &w)
{
    if (w.parent != nullptr) {
        CWnd *control = w;
        if (control != nullptr) {
            // CDialog::GotoDlgCtrl, which any dialog-managed parent (a form view too) serves.
            w.parent->SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1);
        }
    }
}

int KelProcessTraversal(KelPaseudoWidget &w, int direction)
{
    if (direction != 0) {
        return 0;
    }
    KelFocusIn(w);
    return 1;
}

// A null window (a pseudo widget whose control is missing) is left alone.
void KelShow(CWnd *w)
{
    if (w != nullptr) {
        w->ShowWindow(SW_SHOWNORMAL);
    }
}

void KelHide(CWnd *w)
{
    if (w != nullptr) {
        w->ShowWindow(SW_HIDE);
    }
}

void KelShow(KelPFrame &frame)
{
    frame.Show();
}

void KelHide(KelPFrame &frame)
{
    frame.Hide();
}

void KelRaise(CWnd *w)
{
    w->ShowWindow(SW_SHOWNORMAL);
    w->SetActiveWindow();
    w->SetForegroundWindow();
}

int KelShowModal(CWnd *w)
{
    CWnd *parent = w->GetParent();
    bool parentWasEnabled = parent != nullptr && parent->IsWindowEnabled();
    if (parentWasEnabled) {
        parent->EnableWindow(FALSE);
    }
    w->EnableWindow(TRUE);
    w->CenterWindow();
    KelShow(w);
    int result = w->RunModalLoop(0);
    if (parentWasEnabled) {
        parent->EnableWindow(TRUE);
        parent->SetForegroundWindow();
    }
    return result;
}

CWnd *KelParent(CWnd *w)
{
    return w->GetParent();
}

void KelDestroy(CWnd *w)
{
    w->DestroyWindow();
}

void KelUpdateWindow(CWnd *w)
{
    w->Invalidate(TRUE);
}

unsigned int KelGetHwnd(CWnd *w)
{
    return w != nullptr ? static_cast<unsigned int>(reinterpret_cast<uintptr_t>(w->m_hWnd)) : 0;
}

CWnd *KelDialogGetChild(CWnd *dialog, int id)
{
    return dialog->GetDlgItem(id);
}

void KelMenuCallXtCallback(KelMenuItem *item, Widget w, void *callData)
{
    if (item->callback != nullptr) {
        reinterpret_cast<XtCallbackProc>(item->callback)(w, item->activateData, callData);
    }
}

int KelMenuIdToIdx(int menuId, KelMenuIdToIdxTable *table, int rowCount)
{
    for (int i = 0; i < rowCount; i++) {
        if (table[i].menuId == menuId) {
            return table[i].index;
        }
    }
    return -1;
}
