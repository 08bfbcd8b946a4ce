// The arithmetic of list helpers and option menus, portable: where a sorted insertion goes,
// which row a centred item scrolls to, and how a long option menu is split into panes.
#ifndef CVLISTRULES_H
#define CVLISTRULES_H

#include <functional>

// Binary search for a new item among count sorted items. compareAt(i) compares item i (from 0)
// with the new one like strcmp (item first). Returns the Motif position to insert at: 1 for the
// first, 0 to append when every item compares less. An item equal to one the search meets goes
// in front of it, so duplicates are kept.
int cvSortedInsertPosition(int count, const std::function<int(int)> &compareAt);

// How a list of count items, visible rows at a time, scrolls so that position shows in the
// middle row: the end of the list at the bottom, the top of the list, or a top position.
struct CvCenterScroll {
    enum Kind { bottom, top, topPosition } kind;
    int position; // the item to show in the top row, for topPosition
};
CvCenterScroll cvCenterScroll(int position, int visible, int count);

// The number of panes a cascading option menu of items entries, perPane a pane, is split into:
// 1 unless items exceeds perPane + 4; then one per full pane, and one more for a remainder of
// two or more (a single left-over item joins the last pane).
int cvOptionMenuPaneCount(int items, int perPane);

// Whether entry index (from 0) starts a new pane, when opened panes are open of paneCount.
bool cvOptionMenuStartsPane(int index, int perPane, int paneCount, int opened);

#endif
