// Moving a list's selection up or down by one, and the sensitivity of its Up and Down buttons.
#include "kellistwP.h"
#include "kelwlib.h"

#include <cstdlib>

namespace {
// Moves the item at pos to target (pos - 1 or pos + 1), keeping it selected if it was.
void moveTo(KelListWidget *list, int pos, int target)
{
    unsigned char *text = KelListGetItem(list, pos);
    // The control's own state, rather than the selection tables, which every move would rebuild.
    bool selected = KelListAccess::listBox(list)->GetSel(pos - 1) > 0;
    KelListDeletePos(list, pos);
    KelListAddItemUnselected(list, text, target);
    if (selected) {
        KelListSelectPos(list, target, 0, 1);
    }
    KelStringFree(text);
}
} // namespace

void KelListMoveUpPos(KelListWidget *list, int pos)
{
    moveTo(list, pos, pos - 1);
}

void KelListMoveDownPos(KelListWidget *list, int pos)
{
    moveTo(list, pos, pos + 1);
}

void KelReorderSetSensitive(KelListWidget *list, KelPaseudoWidget &up, KelPaseudoWidget &down)
{
    int *positions;
    int n;
    KelListGetSelectedPos(list, &positions, &n);
    bool contiguous = n > 0;
    for (int i = 1; i < n; i++) {
        contiguous = contiguous && positions[i] == positions[i - 1] + 1;
    }
    bool upAllowed = contiguous && positions[0] > 1;
    bool downAllowed = contiguous && positions[n - 1] < KelListGetItemCount(list);
    free(positions);

    // Keep the keyboard focus on a button that stays enabled.
    if (upAllowed && !downAllowed && KelIsFocusIn(down)) {
        KelSetSensitive(static_cast<CWnd *>(up), 1);
        KelFocusIn(up);
        KelSetSensitive(static_cast<CWnd *>(down), 0);
    } else if (downAllowed && !upAllowed && KelIsFocusIn(up)) {
        KelSetSensitive(static_cast<CWnd *>(down), 1);
        KelFocusIn(down);
        KelSetSensitive(static_cast<CWnd *>(up), 0);
    }
    KelSetSensitive(static_cast<CWnd *>(up), upAllowed);
    KelSetSensitive(static_cast<CWnd *>(down), downAllowed);
}

void KelReorderSelectedItems(KelListWidget *list, KelPaseudoWidget &up, KelPaseudoWidget &down,
                             KelReorderDir direction)
{
    int *positions;
    int n;
    if (!KelListGetSelectedPos(list, &positions, &n)) {
        KelInternalErrorHandler();
    }
    bool moveUp = direction == KelReorderUp;
    if (moveUp ? positions[0] == 1 : positions[n - 1] == KelListGetItemCount(list)) {
        KelInternalErrorHandler();
    }

    // One repaint for the whole move.
    KelListSetRedraw(list, FALSE);
    // Up from the top, down from the bottom, so that a block moves as one.
    if (moveUp) {
        for (int i = 0; i < n; i++) {
            KelListMoveUpPos(list, positions[i]);
        }
    } else {
        for (int i = n - 1; i >= 0; i--) {
            KelListMoveDownPos(list, positions[i]);
        }
    }
    KelListDeselectAllItems(list);
    for (int i = 0; i < n; i++) {
        positions[i] += moveUp ? -1 : 1;
    }
    KelListSetSelectedPos(list, positions, n);
    KelListSetCenterPos(list, moveUp ? positions[0] : positions[n - 1]);
    KelReorderSetSensitive(list, up, down);
    KelListSetRedraw(list, TRUE);
    free(positions);
}
