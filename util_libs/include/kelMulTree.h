/** @file
 * CMultiTreeCtrl, the multi-selection tree control. */
#ifndef KELMULTREE_H
#define KELMULTREE_H

#include <afxcmn.h>
#include <afxtempl.h>

#include "kelargs.h"

/**
 * @defgroup kel_multree Multi-selection tree control
 * A tree view control in which the user chooses a set of items, with the usual
 * desktop rules. A click selects one item; Control+click adds or removes one; Shift+click and
 * Shift+Up/Down select the visible items from the anchor (the item of the last plain click) to
 * the clicked one; Control+Up/Down move the caret (the control's own focused item) without
 * changing the set; Control+Space adds or removes the caret item; plain arrows, Home, End and the
 * page keys move to a single selection. The set is kept in display order, top to bottom, and each
 * item's TVIS_SELECTED state follows it.
 *
 * Each change of an item's membership reaches the parent window as WM_NOTIFY TVN_SELCHANGED,
 * one per item: itemNew.hItem names an item that joined the set, itemOld.hItem one that left it
 * (the control's own caret moves come as the control sends them). Subclass the dialog's tree
 * control with SubclassDlgItem. The control learns about its own notifications by reflection, so
 * its parent must be a window of the class layer (a CDialog) that passes WM_NOTIFY to its base
 * class's OnNotify before handling it.
 *
 * With SetMultiSelect(FALSE) the control behaves as a plain tree control.
 *
 * @par Example
 * @code
 * CMultiTreeCtrl tree;                       // a member of the dialog
 * tree.SubclassDlgItem(IDC_TREE, this);      // in OnInitDialog
 * CTypedPtrArray<CPtrArray, HTREEITEM> chosen;
 * tree.GetSelectedItems(chosen);             // top to bottom
 * @endcode
 * @{
 */

/** The tree view of a dialog with a set of selected items. */
class KEL_API CMultiTreeCtrl : public CTreeCtrl {
public:
    CMultiTreeCtrl();
    ~CMultiTreeCtrl() override;

    void SetMultiSelect(BOOL multiSelect) { m_bMultiSelect = multiSelect; }
    /** Copies the set, in display order, into items. */
    void GetSelectedItems(CTypedPtrArray<CPtrArray, HTREEITEM> &items) const;
    int GetSelectedCount() const { return static_cast<int>(m_selected.GetSize()); }
    BOOL IsItemSelected(HTREEITEM item) const { return FindItemIndex(item) >= 0; }
    /** CTreeCtrl::SetItemState that also keeps the set and tells the parent when an item joins or
     * leaves it (state and mask with TVIS_SELECTED). */
    BOOL SetItemStateEx(HTREEITEM item, UINT state, UINT mask);
    /** Moves the caret to item and selects it, keeping the rest of the set. */
    BOOL SelectItemEx(HTREEITEM item);
    /** TVIS_SELECTED: every item (hidden ones too) joins the set, each with its notification; only
     * with multi-selection. 0: the set is emptied without notifications and the caret removed. */
    void SelectAll(UINT state);
    void SelectAll(HTREEITEM first, UINT state);
    /** Display order: -1 when a comes before b, 1 after, 0 for the same item. Visible items are
     * compared by their rectangles, others by their place in the tree (a parent before its
     * children, a collapsed child before its parent's next sibling). */
    int Compare(HTREEITEM a, HTREEITEM b) const;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnSetFocus(CWnd *pOldWnd) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
    /** The control's own TVN_SELCHANGED and TVN_DELETEITEM, reflected; FALSE so that the parent
     * sees them too. */
    BOOL OnSelChanged(NMHDR *header, LRESULT *result);
    BOOL OnDeleteItem(NMHDR *header, LRESULT *result);

private:
    /** Exactly the visible items from..to selected, the caret on to. */
    void SelectItems(HTREEITEM from, HTREEITEM to);
    void AddSorted(HTREEITEM item);
    int FindItemIndex(HTREEITEM item) const;
    int ChildNo(HTREEITEM item) const;
    /** The anchor of a range, or else the caret, or else the first item. */
    HTREEITEM RangeStart() const;
    /** The base handling of the key, then a single selection at the caret. */
    void MoveToSingle();

    CTypedPtrArray<CPtrArray, HTREEITEM> m_selected;
    HTREEITEM m_hAnchor;
    BOOL m_bMultiSelect;
};

/** @} */

#endif
