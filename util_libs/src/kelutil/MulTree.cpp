// CMultiTreeCtrl: a set of selected items over the tree view's single selection. The control's
// own selection stays the caret; the set lives here, sorted in display order, and the items'
// TVIS_SELECTED bits follow it.
#include "kelMulTree.h"

#include "kelcore.h"

#include <algorithm>
#include <vector>

CMultiTreeCtrl::CMultiTreeCtrl() : m_hAnchor(nullptr), m_bMultiSelect(TRUE) {}

CMultiTreeCtrl::~CMultiTreeCtrl() = default;

void CMultiTreeCtrl::GetSelectedItems(CTypedPtrArray<CPtrArray, HTREEITEM> &items) const
{
    if (!items.Copy(m_selected)) {
        KelCriticalErrorHandler(0);
    }
}

int CMultiTreeCtrl::FindItemIndex(HTREEITEM item) const
{
    for (INT_PTR i = 0; i < m_selected.GetSize(); i++) {
        if (m_selected[i] == item) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CMultiTreeCtrl::AddSorted(HTREEITEM item)
{
    INT_PTR low = 0;
    INT_PTR high = m_selected.GetSize() - 1;
    while (low <= high) {
        INT_PTR mid = (low + high) / 2;
        int order = Compare(item, m_selected[mid]);
        if (order == 0) {
            return;
        }
        if (order < 0) {
            high = mid - 1;
        } else {
            low = mid + 1;
        }
    }
    if (!m_selected.InsertAt(low, item)) {
        KelCriticalErrorHandler(0);
    }
}

int CMultiTreeCtrl::ChildNo(HTREEITEM item) const
{
    HTREEITEM parent = GetParentItem(item);
    int n = 1;
    for (HTREEITEM h = parent != nullptr ? GetChildItem(parent) : GetRootItem(); h != nullptr; h = GetNextSiblingItem(h), n++) {
        if (h == item) {
            return n;
        }
    }
    return 0;
}

int CMultiTreeCtrl::Compare(HTREEITEM a, HTREEITEM b) const
{
    if (a == b) {
        return 0;
    }
    RECT ra;
    RECT rb;
    if (GetItemRect(a, &ra, TRUE) && GetItemRect(b, &rb, TRUE)) {
        return ra.bottom >= rb.bottom ? 1 : -1;
    }
    // A collapsed item has no rectangle: compare places in the tree.
    auto depth = [this](HTREEITEM h) {
        int d = 0;
        for (; h != nullptr; h = GetParentItem(h)) {
            d++;
        }
        return d;
    };
    int da = depth(a);
    int db = depth(b);
    for (; db > da; db--) {
        HTREEITEM up = GetParentItem(b);
        if (up == a) {
            return -1; // an ancestor comes first
        }
        b = up;
    }
    for (; da > db; da--) {
        HTREEITEM up = GetParentItem(a);
        if (up == b) {
            return 1;
        }
        a = up;
    }
    while (GetParentItem(a) != GetParentItem(b)) {
        a = GetParentItem(a);
        b = GetParentItem(b);
    }
    return ChildNo(a) < ChildNo(b) ? -1 : 1;
}

BOOL CMultiTreeCtrl::SetItemStateEx(HTREEITEM item, UINT state, UINT mask)
{
    BOOL wasSelected = (GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) != 0;
    BOOL done = SetItemState(item, state, mask);
    if (!done || !(mask & TVIS_SELECTED)) {
        return done;
    }
    NMTREEVIEWA nm = {};
    nm.hdr.hwndFrom = m_hWnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.hdr.code = TVN_SELCHANGEDA;
    bool due = false;
    if (state & TVIS_SELECTED) {
        AddSorted(item);
        if (!wasSelected) {
            nm.itemNew.hItem = item;
            due = true;
        }
    } else {
        int index = FindItemIndex(item);
        if (index >= 0) {
            m_selected.RemoveAt(index);
            nm.itemOld.hItem = item;
            due = true;
        }
    }
    HWND parent = ::GetParent(m_hWnd);
    if (due && parent != nullptr) {
        ::SendMessageA(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    }
    return done;
}

BOOL CMultiTreeCtrl::SelectItemEx(HTREEITEM item)
{
    if (!m_bMultiSelect) {
        return SelectItem(item);
    }
    HTREEITEM caret = GetSelectedItem();
    BOOL caretSelected = caret != nullptr && IsItemSelected(caret);
    if (caret == item && caretSelected) {
        return TRUE;
    }
    BOOL done = SelectItem(item);
    if (caret != nullptr && caret != item) {
        SetItemStateEx(caret, caretSelected ? TVIS_SELECTED : 0, TVIS_SELECTED);
    }
    return done;
}

void CMultiTreeCtrl::SelectAll(UINT state)
{
    SelectAll(GetRootItem(), state);
}

void CMultiTreeCtrl::SelectAll(HTREEITEM first, UINT state)
{
    if (state & TVIS_SELECTED) {
        if (!m_bMultiSelect) {
            return;
        }
        for (HTREEITEM h = first; h != nullptr; h = GetNextSiblingItem(h)) {
            if (HTREEITEM child = GetChildItem(h)) {
                SelectAll(child, state);
            }
            SetItemStateEx(h, state, TVIS_SELECTED);
        }
        return;
    }
    for (INT_PTR i = 0; i < m_selected.GetSize(); i++) {
        SetItemState(m_selected[i], state, TVIS_SELECTED);
    }
    m_selected.RemoveAll();
    SelectItem(nullptr);
}

void CMultiTreeCtrl::SelectItems(HTREEITEM from, HTREEITEM to)
{
    std::vector<HTREEITEM> before;
    for (INT_PTR i = 0; i < m_selected.GetSize(); i++) {
        before.push_back(m_selected[i]);
    }
    HTREEITEM caret = GetSelectedItem();
    bool caretInRange = false;

    if (from != nullptr && to != nullptr) {
        bool down = Compare(from, to) <= 0;
        HTREEITEM last = nullptr;
        for (HTREEITEM h = from; h != nullptr; h = down ? GetNextVisibleItem(h) : GetPrevVisibleItem(h)) {
            auto it = std::find(before.begin(), before.end(), h);
            if (it != before.end()) {
                before.erase(it);
            } else {
                SetItemStateEx(h, TVIS_SELECTED, TVIS_SELECTED);
            }
            caretInRange = caretInRange || h == caret;
            last = h;
            if (h == to) {
                break;
            }
        }
        CTreeCtrl::SelectItem(last);
    }
    for (HTREEITEM h : before) {
        if (h != caret) {
            SetItemStateEx(h, 0, TVIS_SELECTED);
        }
    }
    // Moving the caret took the old caret out of the set; inside the range it belongs there. An
    // old caret outside the range has left the set with the move.
    if (caretInRange && caret != GetSelectedItem() && !IsItemSelected(caret)) {
        SetItemStateEx(caret, TVIS_SELECTED, TVIS_SELECTED);
    }
}

HTREEITEM CMultiTreeCtrl::RangeStart() const
{
    if (m_hAnchor != nullptr) {
        return m_hAnchor;
    }
    HTREEITEM caret = GetSelectedItem();
    return caret != nullptr ? caret : GetRootItem();
}

void CMultiTreeCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    UINT where = 0;
    HTREEITEM hit = HitTest(point, &where);
    if (!m_bMultiSelect || !(where & TVHT_ONITEM)) {
        CTreeCtrl::OnLButtonDown(nFlags, point);
        return;
    }
    if (nFlags & MK_SHIFT) {
        SetFocus();
        if (hit != nullptr) {
            SelectItems(RangeStart(), hit);
        }
    } else if (!(nFlags & MK_CONTROL)) {
        if (hit != nullptr) {
            SetFocus();
            SelectItems(hit, hit);
            m_hAnchor = hit;
        }
    } else {
        SetFocus();
        if (hit != nullptr) {
            HTREEITEM caret = GetSelectedItem();
            UINT caretState = caret != nullptr ? GetItemState(caret, TVIS_SELECTED) & TVIS_SELECTED : 0;
            BOOL wasMember = IsItemSelected(hit);
            SelectItem(hit);
            SetItemStateEx(hit, wasMember ? 0 : TVIS_SELECTED, TVIS_SELECTED);
            if (caret != nullptr && caret != hit) {
                SetItemStateEx(caret, caretState, TVIS_SELECTED);
            }
            if (m_hAnchor == nullptr) {
                m_hAnchor = hit;
            }
        }
    }
}

void CMultiTreeCtrl::MoveToSingle()
{
    Default();
    HTREEITEM caret = GetSelectedItem();
    m_hAnchor = caret;
    SelectItems(caret, caret);
}

void CMultiTreeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bMultiSelect) {
        CTreeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool control = GetKeyState(VK_CONTROL) < 0;
    HTREEITEM caret = GetSelectedItem();
    switch (nChar) {
    case VK_UP:
    case VK_DOWN: {
        HTREEITEM target = caret == nullptr ? nullptr : nChar == VK_UP ? GetPrevVisibleItem(caret) : GetNextVisibleItem(caret);
        if (shift) {
            if (target != nullptr) {
                SelectItems(RangeStart(), target);
            }
            return;
        }
        if (control && caret != nullptr) {
            if (target != nullptr) {
                BOOL caretMember = IsItemSelected(caret);
                BOOL targetMember = IsItemSelected(target);
                SelectItem(target);
                SetItemStateEx(target, targetMember ? TVIS_SELECTED : 0, TVIS_SELECTED);
                SetItemStateEx(caret, caretMember ? TVIS_SELECTED : 0, TVIS_SELECTED);
            }
            return;
        }
        MoveToSingle();
        return;
    }
    case VK_SPACE:
        if (control) {
            if (caret != nullptr) {
                SetItemStateEx(caret, IsItemSelected(caret) ? 0 : TVIS_SELECTED, TVIS_SELECTED);
            }
            return;
        }
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (shift) {
            HTREEITEM start = RangeStart();
            Default();
            SelectItems(start, GetSelectedItem());
            return;
        }
        MoveToSingle();
        return;
    case VK_HOME:
    case VK_END:
        if (control) {
            // The control scrolls without moving the caret on Control+Home/End.
            BYTE keys[256];
            if (GetKeyboardState(keys)) {
                keys[VK_CONTROL] &= 0x7F;
                keys[VK_LCONTROL] &= 0x7F;
                keys[VK_RCONTROL] &= 0x7F;
                SetKeyboardState(keys);
            }
        }
        MoveToSingle();
        return;
    default:
        break;
    }
    CTreeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CMultiTreeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Control+Space toggles in OnKeyDown: no beep, no incremental search.
    if (m_bMultiSelect && nChar == ' ' && GetKeyState(VK_CONTROL) < 0) {
        return;
    }
    CTreeCtrl::OnChar(nChar, nRepCnt, nFlags);
}

void CMultiTreeCtrl::OnSetFocus(CWnd *pOldWnd)
{
    if (!m_bMultiSelect || GetSelectedItem() != nullptr) {
        CTreeCtrl::OnSetFocus(pOldWnd);
        return;
    }
    // The control makes the first visible item the caret, and so selects it: focusing must not.
    HTREEITEM first = GetFirstVisibleItem();
    BOOL wasMember = first != nullptr && IsItemSelected(first);
    CTreeCtrl::OnSetFocus(pOldWnd);
    if (first != nullptr) {
        SetItemStateEx(first, wasMember ? TVIS_SELECTED : 0, TVIS_SELECTED);
    }
}

BOOL CMultiTreeCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (message == WM_NOTIFY) {
        auto *header = reinterpret_cast<NMHDR *>(lParam);
        switch (header->code) {
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            return OnSelChanged(header, pResult);
        case TVN_DELETEITEMA:
        case TVN_DELETEITEMW:
            return OnDeleteItem(header, pResult);
        default:
            break;
        }
    }
    return CTreeCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CMultiTreeCtrl::OnSelChanged(NMHDR *header, LRESULT *result)
{
    // The item handles sit at the same places in the ANSI and Unicode records.
    auto *nm = reinterpret_cast<NMTREEVIEWA *>(header);
    if (nm->itemNew.hItem != nullptr) {
        AddSorted(nm->itemNew.hItem);
    }
    if (nm->itemOld.hItem != nullptr) {
        int index = FindItemIndex(nm->itemOld.hItem);
        if (index >= 0) {
            m_selected.RemoveAt(index);
        }
    }
    if (result != nullptr) {
        *result = 0;
    }
    return FALSE;
}

BOOL CMultiTreeCtrl::OnDeleteItem(NMHDR *header, LRESULT *result)
{
    auto *nm = reinterpret_cast<NMTREEVIEWA *>(header);
    int index = FindItemIndex(nm->itemOld.hItem);
    if (index >= 0) {
        m_selected.RemoveAt(index);
    }
    if (nm->itemOld.hItem == m_hAnchor) {
        m_hAnchor = nullptr;
    }
    if (result != nullptr) {
        *result = 0;
    }
    return FALSE;
}
